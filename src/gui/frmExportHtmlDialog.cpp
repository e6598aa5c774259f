#include "gui/frmExportHtmlDialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "gui/QtText.h"
#include "main/frmExportHtml.h"

namespace ravlet::gui {

frmExportHtmlDialog::frmExportHtmlDialog(frmExportHtml& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setWindowTitle(QString::fromLatin1(frmExportHtml::kCaption));
    setObjectName(QStringLiteral("frmExportHtml"));
    auto* grid = new QGridLayout(this);
    auto* titleLabel = new QLabel(QStringLiteral("&Title:"));
    title_ = new QLineEdit(Q(form.txtTitle));
    title_->setObjectName(QStringLiteral("txtTitle"));
    title_->setToolTip(QStringLiteral("This will be the Title of the Document"));
    title_->setMinimumWidth(360);
    titleLabel->setBuddy(title_);
    grid->addWidget(titleLabel, 0, 0);
    grid->addWidget(title_, 0, 1);
    const char* captions[] = {"&Headline Title on page",
                              "Use &Description:", "&Open Links in new Window",
                              "&Place ravlet Link on Page"};
    for (int i = 0; i < 4; ++i) {
        chk_[i] = new QCheckBox(QString::fromLatin1(captions[i]));
        chk_[i]->setObjectName(QStringLiteral("chk%1").arg(i));
        chk_[i]->setChecked(form.chk[i]);
        connect(chk_[i], &QCheckBox::toggled, this, [this] {
            Take();
            Sync();
        });
    }
    chk_[3]->setToolTip(
        QStringLiteral("If you wanna, promote ravlet a little with this option ;-)."));
    desc_ = new QLineEdit(Q(form.txtDesc));
    desc_->setObjectName(QStringLiteral("txtDesc"));
    desc_->setToolTip(QStringLiteral("Add a Description onto your Page"));
    grid->addWidget(chk_[0], 1, 1);
    grid->addWidget(chk_[1], 2, 0);
    grid->addWidget(desc_, 2, 1);
    grid->addWidget(chk_[2], 3, 1);
    grid->addWidget(chk_[3], 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmd_[0] = new QPushButton(QStringLiteral("&Export"));
    cmd_[1] = new QPushButton(QStringLiteral("&Cancel"));
    for (int i = 0; i < 2; ++i) {
        cmd_[i]->setObjectName(QStringLiteral("cmd%1").arg(i));
        buttons->addWidget(cmd_[i]);
        connect(cmd_[i], &QPushButton::clicked, this, [this, i] {
            Take();
            form_.cmd_Click(i);
            if (i == 0)
                accept();
            else
                reject();
        });
    }
    cmd_[0]->setDefault(true);
    grid->addLayout(buttons, 5, 0, 1, 2);
    Sync();
}

void frmExportHtmlDialog::Take() {
    form_.txtTitle = S(title_->text());
    for (int i = 0; i < 4; ++i) form_.chk[i] = chk_[i]->isChecked();
    form_.txtDesc = S(desc_->text());
}

void frmExportHtmlDialog::Sync() {
    desc_->setEnabled(form_.txtDescEnabled());
}

void frmExportHtmlDialog::closeEvent(QCloseEvent* event) {
    form_.Form_Unload();
    QDialog::closeEvent(event);
}

}  // namespace ravlet::gui
