#include "gui/frmScannerWindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include "gui/QtText.h"
#include "gui/StatusBarWidget.h"

namespace ravlet::gui {

ScanListModel::ScanListModel(const ScanList& list, QObject* parent)
    : QAbstractListModel(parent), list_(list) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    width_ = 2 * (screen ? screen->geometry().width() : 1024);
}

int ScanListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant ScanListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(list_.Count())) return {};
    if (role == Qt::DisplayRole) return Q(list_.At(static_cast<std::size_t>(index.row())));
    if (role == Qt::SizeHintRole) return QSize(width_, 18);
    return {};
}

void ScanListModel::Sync() {
    if (list_.Version() == version_) return;
    version_ = list_.Version();
    beginResetModel();
    rows_ = static_cast<int>(list_.Count());
    endResetModel();
}

frmScannerWindow::frmScannerWindow(ScannerHost& host, QWidget* owner)
    : QWidget(owner, Qt::Window), logic_(host) {
    setObjectName(QStringLiteral("frmScanner"));
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    QMenu* menu = menuBar->addMenu(QStringLiteral("&Scanner"));
    prefs_ = menu->addAction(QStringLiteral("&Preferences..."));
    connect(prefs_, &QAction::triggered, this, [this] {
        if (onPreferences) onPreferences();
    });
    layout->setMenuBar(menuBar);

    auto* fields = new QGridLayout;
    start_ = new QLineEdit(this);
    start_->setObjectName(QStringLiteral("txtInStart"));
    start_->setToolTip(QStringLiteral("The first page; also sent as the referrer"));
    base_ = new QLineEdit(this);
    base_->setObjectName(QStringLiteral("txtInBase"));
    base_->setToolTip(QStringLiteral("Only links beginning with this address are scanned"));
    fields->addWidget(new QLabel(QStringLiteral("Start:"), this), 0, 0);
    fields->addWidget(start_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Base:"), this), 1, 0);
    fields->addWidget(base_, 1, 1);
    auto* baseButtons = new QHBoxLayout;
    baseCmd_[0] = Button("|->", "Base := start address");
    baseCmd_[1] = Button("[ - ]", "Base one folder level up");
    baseCmd_[2] = Button("[ + ]", "Base one folder level back down");
    for (int i = 0; i < 3; ++i) {
        baseButtons->addWidget(baseCmd_[i]);
        connect(baseCmd_[i], &QPushButton::clicked, this,
                [this, i] { logic_.txtInBaseCmd_Click(i); });
    }
    fields->addLayout(baseButtons, 1, 2);
    layout->addLayout(fields);

    auto* commands = new QHBoxLayout;
    zcAny_[0] = Button("St&art", "Start a scan, or continue a paused one");
    zcAny_[1] = Button("&Pause", "Pause after the current address");
    zcAny_[2] = Button("St&op", "Stop after the current address");
    for (int i = 0; i < 3; ++i) {
        commands->addWidget(zcAny_[i]);
        connect(zcAny_[i], &QPushButton::clicked, this, [this, i] { logic_.zcAny_Click(i); });
    }
    commands->addStretch();
    layout->addLayout(commands);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    const ScanList* lists[3] = {&logic_.lstLnkDo, &logic_.lstLnkDone, &logic_.lstLnkCache};
    const char* names[3] = {"lstLnkDo", "lstLnkDone", "lstLnkCache"};
    const char* titles[3] = {"To do", "Done", "Collected lately"};
    for (int i = 0; i < 3; ++i) {
        auto* box = new QWidget(splitter);
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->setContentsMargins(0, 0, 0, 0);
        boxLayout->addWidget(new QLabel(QString::fromLatin1(titles[i]), box));
        models_[i] = new ScanListModel(*lists[i], this);
        lists_[i] = new QListView(box);
        lists_[i]->setObjectName(QString::fromLatin1(names[i]));
        lists_[i]->setModel(models_[i]);
        lists_[i]->setUniformItemSizes(true);
        lists_[i]->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        lists_[i]->setEditTriggers(QAbstractItemView::NoEditTriggers);
        boxLayout->addWidget(lists_[i]);
        splitter->addWidget(box);
    }
    layout->addWidget(splitter, 1);

    info_ = new QLabel(this);
    info_->setObjectName(QStringLiteral("StatusInfoLbl"));
    info_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(info_);
    status_ = new StatusBarWidget(logic_.StatusLbl, this);
    status_->setObjectName(QStringLiteral("StatusLbl"));
    layout->addWidget(status_);

    connect(start_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.txtInStart = S(text); });
    connect(base_, &QLineEdit::textEdited, this,
            [this](const QString& text) { logic_.txtInBase = S(text); });

    logic_.SetView(this);
    logic_.Form_Load();
    resize(720, 560);
}

frmScannerWindow::~frmScannerWindow() {
    logic_.SetView(nullptr);
}

QPushButton* frmScannerWindow::Button(const char* caption, const char* tip) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setToolTip(QString::fromLatin1(tip));
    b->setAutoDefault(false);
    return b;
}

void frmScannerWindow::Update(int parts) {
    if (parts & ScanView_Lists)
        for (ScanListModel* model : models_) model->Sync();
    if (parts & ScanView_Controls) {
        const ScannerControls& c = logic_.Controls();
        zcAny_[0]->setEnabled(c.start);
        zcAny_[1]->setEnabled(c.pause);
        zcAny_[2]->setEnabled(c.stop);
        for (QPushButton* b : baseCmd_) b->setEnabled(c.start);
    }
    if (parts & ScanView_Texts) {
        if (start_->text() != Q(logic_.txtInStart)) start_->setText(Q(logic_.txtInStart));
        if (base_->text() != Q(logic_.txtInBase)) base_->setText(Q(logic_.txtInBase));
    }
    if (parts & ScanView_Caption) setWindowTitle(Q(logic_.Caption()));
    if (parts & ScanView_Info) {
        info_->setText(Q(logic_.StatusInfoLbl()));
        info_->repaint();
    }
}

void frmScannerWindow::FocusStart() {
    start_->setFocus();
}

void frmScannerWindow::closeEvent(QCloseEvent* event) {
    if (!logic_.Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    if (onUnloaded) onUnloaded();
}

}  // namespace ravlet::gui
