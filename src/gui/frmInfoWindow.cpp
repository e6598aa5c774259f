#include "gui/frmInfoWindow.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "gui/QtText.h"
#include "gui/StatusBarWidget.h"

namespace ravlet::gui {

frmInfoWindow::frmInfoWindow(frmMain& main, QWidget* owner)
    : QWidget(owner, Qt::Window), main_(main), host_(main), info_(host_) {
    setWindowTitle(QString::fromLatin1(frmInfo::kCaption));
    setObjectName(QStringLiteral("frmInfo"));
    auto* grid = new QGridLayout(this);
    auto field = [&](QLineEdit*& edit, const char* name, const char* label, const char* tip,
                     std::string frmInfo::*text, int row) {
        edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(name));
        edit->setToolTip(QString::fromLatin1(tip));
        auto* l = new QLabel(QString::fromLatin1(label));
        l->setBuddy(edit);
        grid->addWidget(l, row, 0);
        grid->addWidget(edit, row, 1);
        connect(edit, &QLineEdit::textEdited, this,
                [this, text](const QString& t) { info_.*text = S(t); });
    };
    field(url_, "txtUrl",
          "&Url:", "URL - you can edit this to apply this entry changes or perform tests",
          &frmInfo::txtUrl, 0);
    field(ref_, "txtRef",
          "&Referer:", "Referer - you can edit this to apply this entry changes or perform tests",
          &frmInfo::txtRef, 1);
    field(base_, "txtBase", "&Base:", "BASE - Copy of main windows' base", &frmInfo::txtBase, 2);
    txt_ = new QPlainTextEdit;
    txt_->setObjectName(QStringLiteral("txt"));
    txt_->setReadOnly(true);
    txt_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txt_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    grid->addWidget(txt_, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    const char* captions[] = {"Get &Info", "&Test", "&Apply", "&Close"};
    for (int i = 0; i < 4; ++i) {
        cmd_[i] = new QPushButton(QString::fromLatin1(captions[i]));
        cmd_[i]->setObjectName(QStringLiteral("cmd%1").arg(i));
        cmd_[i]->setAutoDefault(false);
        buttons->addWidget(cmd_[i]);
        connect(cmd_[i], &QPushButton::clicked, this, [this, i] {
            const bool hadFocus = i == 0 && cmd_[0]->hasFocus();
            info_.txtUrl = S(url_->text());
            info_.txtRef = S(ref_->text());
            info_.txtBase = S(base_->text());
            info_.cmd_Click(i);
            if (hadFocus) cmd_[0]->setFocus();
        });
    }
    cmd_[0]->setDefault(true);
    buttons->addStretch(1);
    grid->addLayout(buttons, 4, 0, 1, 2);
    status_ = new StatusBarWidget(info_.StatusLbl);
    status_->setObjectName(QStringLiteral("StatusLbl"));
    grid->addWidget(status_, 5, 0, 1, 2);
    info_.Changed = [this] { Sync(); };
    info_.Close = [this] { close(); };
    resize(640, 480);
}

frmInfoWindow::~frmInfoWindow() {
    info_.Changed = nullptr;
    info_.Close = nullptr;
    main_.InfoWindowOpen(false);
}

void frmInfoWindow::ShowInfo(const std::string& address, const std::string& referrer,
                             const std::string& base) {
    info_.ShowInfo(address, referrer, base);
    main_.InfoWindowOpen(true);
    show();
    raise();
}

void frmInfoWindow::Sync() {
    auto set = [](QLineEdit* e, const std::string& text) {
        const QString q = Q(text);
        if (e->text() != q) e->setText(q);
    };
    set(url_, info_.txtUrl);
    set(ref_, info_.txtRef);
    set(base_, info_.txtBase);
    const QString result = QLines(info_.txt);
    if (txt_->toPlainText() != result) txt_->setPlainText(result);
    for (int i = 0; i < 4; ++i) cmd_[i]->setEnabled(info_.CmdEnabled(i));
}

void frmInfoWindow::closeEvent(QCloseEvent* event) {
    main_.InfoWindowOpen(false);
    event->accept();
    hide();
}

}  // namespace ravlet::gui
