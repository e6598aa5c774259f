#include "gui/frmMainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <cstdlib>

#include "app/Integration.h"
#include "app/Settings.h"
#include "gui/FolderAutoComplete.h"
#include "gui/LinkListView.h"
#include "gui/OutcomeMenu.h"
#include "gui/QtKeys.h"
#include "gui/QtText.h"
#include "gui/ScannerWindow.h"
#include "gui/StatusBarWidget.h"
#include "gui/WindowPlaces.h"
#include "gui/frmExportHtmlDialog.h"
#include "gui/frmFilerWindow.h"
#include "gui/frmInfoWindow.h"
#include "gui/frmLogView.h"
#include "gui/frmOptionsWindow.h"
#include "gui/frmOverwriteDialog.h"
#include "main/ScanModes.h"
#include "main/frmMain.h"
#include "platform/UserInterface.h"

namespace ravlet::gui {

namespace {

QIcon RavletIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x2b, 0x5f, 0x9e));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(1, 1, 30, 30, 6, 6);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(22);
    p.setFont(font);
    p.drawText(QRect(0, 0, 32, 30), Qt::AlignCenter, QStringLiteral("r"));
    return QIcon(pixmap);
}

QPushButton* Button(const QString& caption, const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

// The items of the "Download &Filenaming" menu: the naming rules, then the existing-file rules.
const char* const kNaming[] = {"&Long naming (complete with server,path && file)",
                               "&Short naming (filename only)", "Server-&Dir + Short",
                               "&Rebuild Directory Structure", "&Numbered..."};
const char* const kExisting[] = {"&Ask if File exists", "Auto &Overwrite", "&Skip existing Files",
                                 "Auto overwrite &Smaller"};

}  // namespace

frmMainWindow::frmMainWindow(frmMain& main) : main_(main) {
    setWindowTitle(QString::fromLatin1(main_.Caption()));
    setWindowIcon(RavletIcon());
    BuildToolbars();

    stack_ = new QStackedWidget;
    list_ = new LinkListView(main_);
    list_->setObjectName(QStringLiteral("ListLinks"));
    source_ = new QPlainTextEdit;
    source_->setObjectName(QStringLiteral("TextHtml"));
    source_->setReadOnly(true);
    source_->setLineWrapMode(QPlainTextEdit::NoWrap);
    stack_->addWidget(list_);
    stack_->addWidget(source_);

    logPane_ = new QWidget;
    logPane_->setObjectName(QStringLiteral("zParentLog"));
    logPane_->setLayout(new QVBoxLayout);
    logPane_->layout()->setContentsMargins(0, 0, 0, 0);
    logPane_->setVisible(false);
    splitter_ = new QSplitter(Qt::Vertical);
    splitter_->addWidget(stack_);
    splitter_->addWidget(logPane_);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);
    setCentralWidget(splitter_);
    connect(splitter_, &QSplitter::splitterMoved, this, [this] {
        if (logPane_->isVisible()) AppSettings().LogPaneHeight = logPane_->height();
    });
    setAcceptDrops(true);
    logView_ = std::make_unique<frmLogView>(main_, logPane_);

    status_ = new StatusBarWidget(main_.StatusBar);
    status_->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(status_, 1);

    BuildMenus();
    connect(list_, &LinkListView::contextMenuWanted, this,
            [this](const QPoint& at) { listMenu_->popup(at); });

    // Keys reach the logic first, as the window's key preview does; the log has its own.
    for (QWidget* w : findChildren<QWidget*>())
        if (w != logView_->Container() && !logView_->Container()->isAncestorOf(w))
            w->installEventFilter(this);
    txtUrl_->lineEdit()->installEventFilter(this);
    resize(960, 660);
    overwrite_ = std::make_unique<frmOverwriteDialog>(this);
    scanner_ = std::make_unique<ScannerWindow>(main_, this);
    main_.Downloads().SetOverwriteView(overwrite_.get());
    main_.SetView(this);
}

frmMainWindow::~frmMainWindow() {
    scanner_.reset();
    main_.Downloads().SetOverwriteView(nullptr);
    main_.SetView(nullptr);
    infoWindow_.reset();
    filerWindow_.reset();
}

QMenu* frmMainWindow::Menu(const QString& title) const {
    const auto it = menus_.find(title);
    return it == menus_.end() ? nullptr : it->second;
}

QAction* frmMainWindow::Item(QMenu* menu, const char* caption, const char* shortcutText,
                             std::function<void()> action) {
    QString text = QString::fromLatin1(caption);
    // Shortcut texts are shown only; the keys themselves go through the logic.
    if (shortcutText) text += QLatin1Char('\t') + QString::fromLatin1(shortcutText);
    QAction* a = menu->addAction(text);
    connect(a, &QAction::triggered, this, [action = std::move(action)] { action(); });
    return a;
}

QAction* frmMainWindow::Command(QMenu* menu, const char* caption, int code,
                                const char* shortcutText) {
    return Item(menu, caption, shortcutText, [this, code] { main_.RvCommand(code); });
}

void frmMainWindow::BuildMenus() {
    auto add = [this](const char* title) {
        QMenu* m = menuBar()->addMenu(QString::fromLatin1(title));
        menus_[QString::fromLatin1(title)] = m;
        return m;
    };
    fileMenu_ = add("&File");
    Item(fileMenu_, "&Open Listfile...", nullptr, [this] { main_.OpenListfile(false); });
    Item(fileMenu_, "A&ppend Listfile...", nullptr, [this] { main_.OpenListfile(true); });
    Item(fileMenu_, "&Save Listfile as...", nullptr, [this] { main_.SaveListfile(); });
    fileMenu_->addSeparator();
    Item(fileMenu_, "&Export HTML File...", nullptr, [this] { main_.ExportHtmlFile(); });
    Item(fileMenu_, "&Import HTML File...", nullptr, [this] { main_.ImportHtmlFile(); });
    Item(fileMenu_, "Import Clip&board", nullptr, [this] { main_.ImportClipboard(); });
    Item(fileMenu_, "Import Intellitamper Map File...", nullptr, [this] { main_.ImportSiteMap(); });
    fileMenu_->addSeparator();
    Item(fileMenu_, "&New Process...", nullptr, [this] { main_.NewProcess(); });
    Item(fileMenu_, "&Terminate... (If Exit is corrupt)", nullptr,
         [this] { main_.TerminateAsk(); });
    Item(fileMenu_, "E&xit", nullptr, [this] { close(); });

    QMenu* edit = add("&Edit");
    QAction* undo = Item(edit, "&Undo", "Ctrl+Z", [this] { main_.Undo(); });
    QAction* redo = Item(edit, "&Redo", "Ctrl+Y", [this] { main_.Redo(); });
    connect(edit, &QMenu::aboutToShow, this, [this, undo, redo] {
        const bool free = CommandAllowed(Act_Undo, main_.State());
        undo->setEnabled(free && main_.UndoHistory().CanUndo());
        redo->setEnabled(free && main_.UndoHistory().CanRedo());
    });
    edit->addSeparator();
    Command(edit, "Cu&t", Cmd_CutSelected, "Ctrl+X");
    Command(edit, "&Copy", Cmd_CopySelected, "Ctrl+C");
    Command(edit, "&Paste", Cmd_Paste, "Ctrl+V");
    Command(edit, "&Delete", Cmd_DeleteSelected, "Del");
    edit->addSeparator();
    Command(edit, "Select &All", Cmd_SelectAll, "Ctrl+A");
    // The menu shows the key that inverts: Shift and Ctrl.
    Command(edit, "&Invert Selection", Cmd_InvertSelection, "Ctrl+Shift+I");

    listMenu_ = add("&List");
    Command(listMenu_, "Copy List", Cmd_CopyList, "Ctrl+Alt+C");
    Command(listMenu_, "Copy Selected", Cmd_CopySelected);
    Command(listMenu_, "Copy Base + Entry", Cmd_CopyBaseEntry);
    listMenu_->addSeparator();
    Command(listMenu_, "Paste", Cmd_Paste);
    QMenu* special = listMenu_->addMenu(QStringLiteral("Paste Special"));
    Command(special, "Paste as Entry", Cmd_PasteEntry, "Ctrl+Alt+V");
    Command(special, "Paste List", Cmd_PasteList);
    Command(listMenu_, "Clear && Paste", Cmd_ClearPaste, "Ctrl+Alt+D");
    Command(listMenu_, "Clear", Cmd_Clear, "Ctrl+<BckSpc>");
    QMenu* cut = listMenu_->addMenu(QStringLiteral("Cut"));
    Command(cut, "&Selected", Cmd_CutSelected);
    Command(cut, "&List", Cmd_CutList, "Ctrl+Alt+X");
    listMenu_->addSeparator();
    Command(listMenu_, "Apply Base", Cmd_ApplyBase, "Ctrl+Alt+B");
    Command(listMenu_, "Sort", Cmd_Sort);
    listMenu_->addSeparator();
    Item(listMenu_, "&Info...", nullptr, [this] { main_.EntryInfo(); });
    Item(listMenu_, "&Edit...", nullptr, [this] { main_.EntryEdit(); });
    Item(listMenu_, "Open in &Browser...", nullptr, [this] { main_.EntryOpenInBrowser(); });
    Command(listMenu_, "&Re-Use", Cmd_ReUse);
    AddOutcomeCommands(listMenu_, main_);
    listMenu_->addSeparator();
    Item(listMenu_, "Clear, Paste, Filter && Copy (Symbiont)", nullptr,
         [this] { main_.Symbiont(); });
    Item(listMenu_, "&Clear all", nullptr, [this] { main_.ClearAll(); });

    QMenu* view = add("&View");
    Item(view, "&Log", "F7", [this] { main_.LogToggle(); });
    Item(view, "&Toggle List/Source", nullptr, [this] { main_.ToggleListSource(); });
    Item(view, "FilterRavPad", "F8", [this] { main_.Refiner().ToggleRefiner(); });

    QMenu* tools = add("&Tools");
    Command(tools, "&Build Base (|->)", Cmd_BuildBase);
    Item(tools, "Open current &URL in Browser...", nullptr, [this] { main_.OpenCurrentUrl(); });
    Item(tools, "Clear C&lipboard", nullptr, [this] { main_.ClearClipboard(); });
    Item(tools, "&Scanner...", nullptr, [this] { scanner_->Show(); });
    Item(tools, "&Filename Generator...", nullptr, [this] { ShowFiler(); });
    parseMenu_ = tools->addMenu(QStringLiteral("&Parse options"));
    connect(parseMenu_, &QMenu::aboutToShow, this, [this] { FillParseOptions(); });
    connect(parseMenu_, &QMenu::aboutToHide, this, [] { ParseOptionsClosed(); });

    dirMenu_ = add("&Directories");
    connect(dirMenu_, &QMenu::aboutToShow, this, [this] { FillDirectoriesMenu(); });
    FillDirectoriesMenu();

    QMenu* prefs = add("&Preferences");
    Item(prefs, "&Download Folder...", nullptr, [this] { main_.dirSelect_Click(); });
    namingMenu_ = prefs->addMenu(QStringLiteral("Download &Filenaming"));
    connect(namingMenu_, &QMenu::aboutToShow, this, [this] { FillFilenaming(); });
    FillFilenaming();
    prefs->addSeparator();
    // The preferences' integration buttons and the internet settings entry, for the web
    // browser and the desktop's network settings.
    for (int mode : {1, 0})
        Item(prefs, mode == 1 ? "&Browser Menu On" : "Browser Menu &Off", nullptr, [mode] {
            MsgBox(SetIntegration(mode) ? "Integration succesfull" : "Integration failed");
        });
    Item(prefs, "&Network Settings...", nullptr, [] {
        OpenInternetSettings();
    })->setEnabled(InternetSettingsAvailable());
    prefs->addSeparator();
    Item(prefs, "&Preferences...", "F4", [this] { ShowPreferences(-1); });
    Item(prefs, "Check for new &Version...", nullptr, [this] { ShowPreferences(Page_About); });

    reRouteMenu_ = add("Re-Route");
    FillReRouteMenu();

    QMenu* help = add("&Help");
    Item(help, "&Support...", nullptr, [this] { main_.OpenSupport(); });
    Item(help, "&Tutorial / How To...", nullptr, [this] { main_.OpenTutorial(); });
}

void frmMainWindow::ShowPreferences(int page) {
    if (main_.PreferencesOpen()) return;
    main_.PreferencesOpen(true);
    {
        frmOptionsWindow window(optionsHost_, this);
        window.ShowPreferences(page);
    }
    main_.PreferencesOpen(false);
}

void frmMainWindow::FillDirectoriesMenu() {
    dirMenu_->clear();
    const std::vector<bool> checks = main_.zmDir_Checks();
    std::vector<std::string> items = main_.zmDir_Items();
    items.insert(items.begin(), "&Default (tmp)");
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction* a = dirMenu_->addAction(Q(items[i]));
        a->setCheckable(true);
        a->setChecked(i < checks.size() && checks[i]);
        connect(a, &QAction::triggered, this,
                [this, i] { main_.zmDir_Click(static_cast<int>(i)); });
    }
    dirMenu_->addSeparator();
    Item(dirMenu_, "&Edit Favorites...", nullptr, [this] { ShowPreferences(Page_Dir); });
    folderBarAction_ = Item(dirMenu_, "&Download Directory Toolbar", nullptr,
                            [this] { main_.FolderBarVisible(!main_.FolderBarVisible()); });
    folderBarAction_->setCheckable(true);
    folderBarAction_->setChecked(main_.FolderBarVisible());
}

void frmMainWindow::FillParseOptions() {
    parseMenu_->clear();
    const std::vector<MenuItem> items = ParseOptionsItems(AppSettings());
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i == 4) parseMenu_->addSeparator();
        QAction* a = parseMenu_->addAction(Q(items[i].caption));
        a->setCheckable(true);
        a->setChecked(items[i].checked);
        connect(a, &QAction::triggered, this,
                [i] { ParseOptionsToggle(AppSettings(), static_cast<int>(i)); });
    }
}

void frmMainWindow::FillFilenaming() {
    namingMenu_->clear();
    Settings& s = AppSettings();
    for (int i = 0; i < 5; ++i) {
        QAction* a = namingMenu_->addAction(QString::fromLatin1(kNaming[i]));
        a->setCheckable(true);
        a->setChecked(s.filenaming == i);
        connect(a, &QAction::triggered, this, [i] { AppSettings().filenaming = i; });
    }
    namingMenu_->addSeparator();
    for (int i = 0; i < 4; ++i) {
        QAction* a = namingMenu_->addAction(QString::fromLatin1(kExisting[i]));
        a->setCheckable(true);
        a->setChecked(s.fileexistsdo == i);
        connect(a, &QAction::triggered, this, [i] { AppSettings().fileexistsdo = i; });
    }
}

// "&Default", one entry a manager (enabled when it is available), then the options.
void frmMainWindow::FillReRouteMenu() {
    reRouteMenu_->clear();
    const ReRouteMenu& model = main_.zmR();
    const QString def =
        model.defaultCaption.empty() ? QStringLiteral("&Default") : Q(model.defaultCaption);
    QAction* d = reRouteMenu_->addAction(def);
    d->setObjectName(QStringLiteral("zmRdef"));
    connect(d, &QAction::triggered, this, [this] { main_.Task_ReRoute_Default(); });
    reRouteMenu_->addSeparator();
    for (const ReRouteMenuItem& item : model.items) {
        if (item.separatorBefore) reRouteMenu_->addSeparator();
        // The captions are names, not mnemonics.
        QAction* a = reRouteMenu_->addAction(
            Q(item.caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
        a->setEnabled(item.enabled);
        connect(a, &QAction::triggered, this, [this, id = item.id] { main_.Task_ReRoute(id); });
    }
    reRouteMenu_->addSeparator();
    Item(reRouteMenu_, "&Re-Route Setup...", nullptr, [this] { ShowPreferences(Page_ReRoute); });
    reRouteMenu_->addSeparator();
    const std::pair<int, const char*> options[] = {{zmRopt_AutoClose, "Auto &Close after Re-Route"},
                                                   {zmRopt_Auto, "&Auto Re-Route after LNL"}};
    for (const auto& [index, caption] : options) {
        QAction* a = reRouteMenu_->addAction(QString::fromLatin1(caption));
        a->setCheckable(true);
        a->setChecked(main_.zmRopt_Checked(index));
        connect(a, &QAction::triggered, this, [this, index = index] { main_.zmRopt_Click(index); });
    }
}

void frmMainWindow::BuildToolbars() {
    QToolBar* address = addToolBar(QStringLiteral("Address"));
    address->setObjectName(QStringLiteral("AddressBar"));
    address->setMovable(false);
    auto* addressRow = new QWidget;
    auto* grid = new QVBoxLayout(addressRow);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setSpacing(3);

    auto* urlRow = new QHBoxLayout;
    urlRow->addWidget(new QLabel(QStringLiteral("&Url:")));
    txtUrl_ = new QComboBox;
    txtUrl_->setObjectName(QStringLiteral("txtUrl"));
    txtUrl_->setEditable(true);
    txtUrl_->setInsertPolicy(QComboBox::NoInsert);
    txtUrl_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    txtUrl_->setMinimumContentsLength(40);
    txtUrl_->setMaxVisibleItems(20);
    static_cast<QLabel*>(urlRow->itemAt(0)->widget())->setBuddy(txtUrl_);
    urlRow->addWidget(txtUrl_, 1);
    cGo_ = Button(QStringLiteral("&Get"), QStringLiteral("Get the links of the page"), this);
    cGo_->setObjectName(QStringLiteral("cGo"));
    cGo_->setContextMenuPolicy(Qt::CustomContextMenu);
    cGo_->setMinimumWidth(70);
    urlRow->addWidget(cGo_);
    grid->addLayout(urlRow);

    auto* baseRow = new QHBoxLayout;
    auto* baseLabel = new QLabel(QStringLiteral("&Base:"));
    baseRow->addWidget(baseLabel);
    txtUrlBase_ = new QLineEdit;
    txtUrlBase_->setObjectName(QStringLiteral("txtUrlBase"));
    baseLabel->setBuddy(txtUrlBase_);
    baseRow->addWidget(txtUrlBase_, 1);
    buildBase_ =
        Button(QStringLiteral("|->"),
               QStringLiteral("This generates an often used BASE for you. (Ctrl + B)"), this);
    baseRow->addWidget(buildBase_);
    refiner_ = Button(QStringLiteral("FilterRavPad"), QStringLiteral("Show the refiner"), this);
    baseRow->addWidget(refiner_);
    applyFilters_ = Button(QStringLiteral("Filter"),
                           QStringLiteral("Apply the filters (Shift: reset, Ctrl: show)"), this);
    baseRow->addWidget(applyFilters_);
    const QStyle::StandardPixmap icons[] = {QStyle::SP_MediaPlay, QStyle::SP_MediaPause,
                                            QStyle::SP_MediaStop};
    const char* tips[] = {"Start / Continue Download", "Pause Download", "Stop Download"};
    for (int i = 0; i < 3; ++i) {
        download_[i] = Button(QString(), QString::fromLatin1(tips[i]), this);
        download_[i]->setIcon(style()->standardIcon(icons[i]));
        download_[i]->setObjectName(QStringLiteral("cmdDownload%1").arg(i));
        baseRow->addWidget(download_[i]);
        connect(download_[i], &QPushButton::clicked, this,
                [this, i] { main_.Download().DownloadButton(i); });
    }
    folderButton_ = Button(QString(), QString(), this);
    folderButton_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    baseRow->addWidget(folderButton_);
    namingButton_ = Button(QStringLiteral("Naming"), QStringLiteral("Download filenaming"), this);
    baseRow->addWidget(namingButton_);
    grid->addLayout(baseRow);
    address->addWidget(addressRow);

    addToolBarBreak();
    QToolBar* folders = addToolBar(QStringLiteral("Download Directory"));
    folders->setObjectName(QStringLiteral("FolderBar"));
    folders->setMovable(false);
    folderBar_ = folders;
    auto* folderRow = new QWidget;
    auto* fr = new QHBoxLayout(folderRow);
    fr->setContentsMargins(4, 2, 4, 2);
    fr->addWidget(new QLabel(QStringLiteral("Folder:")));
    dirText_ = new QComboBox;
    dirText_->setObjectName(QStringLiteral("dirText"));
    dirText_->setEditable(true);
    dirText_->setInsertPolicy(QComboBox::NoInsert);
    EnableFolderAutoComplete(dirText_);
    dirText_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    fr->addWidget(dirText_, 1);
    barFolderButton_ = Button(QString(), QString(), this);
    barFolderButton_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    fr->addWidget(barFolderButton_);
    barNamingButton_ =
        Button(QStringLiteral("Naming"), QStringLiteral("Download filenaming"), this);
    fr->addWidget(barNamingButton_);
    folders->addWidget(folderRow);
    folders->setVisible(false);

    connect(cGo_, &QPushButton::clicked, this, [this] { main_.cGo_Click(); });
    connect(cGo_, &QWidget::customContextMenuRequested, this, [this] {
        FillParseOptions();
        parseMenu_->exec(cGo_->mapToGlobal(QPoint(0, cGo_->height())));
    });
    connect(txtUrl_->lineEdit(), &QLineEdit::returnPressed, this, [this] { main_.cGo_Click(); });
    connect(txtUrl_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (syncing_) return;
        main_.txtUrl.text = S(text);
        main_.AddressAreaActive(true);
    });
    connect(txtUrlBase_, &QLineEdit::textEdited, this,
            [this](const QString& text) { main_.txtUrlBase = S(text); });
    connect(buildBase_, &QPushButton::clicked, this, [this] { main_.RvCommand(Cmd_BuildBase); });
    connect(refiner_, &QPushButton::clicked, this, [this] { main_.Refiner().ShowRefiner(); });
    connect(applyFilters_, &QPushButton::clicked, this, [this] {
        const Qt::KeyboardModifiers m = QApplication::keyboardModifiers();
        if (m & Qt::ControlModifier)
            main_.RvCommand(Cmd_ShowRefiner);
        else
            main_.RvCommand(m & Qt::ShiftModifier ? Cmd_RefinerReset : Cmd_RefinerApply);
    });
    for (QPushButton* b : {folderButton_, barFolderButton_})
        connect(b, &QPushButton::clicked, this, [this] { main_.dirSelect_Click(); });
    for (QPushButton* b : {namingButton_, barNamingButton_})
        connect(b, &QPushButton::clicked, this, [this, b] {
            FillFilenaming();
            namingMenu_->exec(b->mapToGlobal(QPoint(0, b->height())));
        });
    connect(dirText_, &QComboBox::editTextChanged, this, [this](const QString& text) {
        if (syncing_) return;
        main_.dirText.text = S(text);
        main_.dirText_Change();
    });
}

void frmMainWindow::Show() {
    if (!placed_) {
        placed_ = true;
        if (RestoreMainPlace(*this)) {
            showMaximized();
            Update(View_All);
            return;
        }
    }
    show();
    Update(View_All);
}

void frmMainWindow::Update(int parts) {
    if (parts & View_Texts) SyncTexts();
    if (parts & View_Controls) SyncControls();
    if (parts & View_List) {
        list_->Sync();
        stack_->setCurrentIndex(main_.SourceShown() ? 1 : 0);
    } else if (parts & View_Current)
        list_->SyncCurrent();
    if (parts & (View_Log | View_Layout)) SyncLayout();
    if (parts & View_Menus) FillReRouteMenu();
}

namespace {
// Draws a combo box of the logic: its items (only when they changed, so an open drop-down
// keeps its place) and its text.
void SyncCombo(QComboBox* combo, const ComboBox& box) {
    QStringList items;
    for (const std::string& item : box.items) items << Q(item);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
    if (items != shown) {
        combo->clear();
        combo->addItems(items);
    }
    const QString text = Q(box.text);
    if (combo->currentText() != text) combo->setEditText(text);
}
}  // namespace

void frmMainWindow::SyncTexts() {
    syncing_ = true;
    SyncCombo(txtUrl_, main_.txtUrl);
    const QString base = Q(main_.txtUrlBase);
    if (txtUrlBase_->text() != base) txtUrlBase_->setText(base);
    SyncCombo(dirText_, main_.dirText);
    QPalette palette = dirText_->lineEdit()->palette();
    palette.setColor(QPalette::Base, main_.dirTextValid
                                         ? QApplication::palette().color(QPalette::Base)
                                         : QColor(255, 0, 0));
    dirText_->lineEdit()->setPalette(palette);
    const QString savedir = Q(AppSettings().savedir);
    folderButton_->setToolTip(QStringLiteral("'Download Folder' - Folder browse\n") + savedir);
    barFolderButton_->setToolTip(folderButton_->toolTip());

    const QString source = Q(main_.TextHtml);
    if (source_->toPlainText() != source) source_->setPlainText(source);
    syncing_ = false;
}

void frmMainWindow::SyncControls() {
    const MainControls& c = main_.Controls();
    download_[0]->setEnabled(c.downloadStart);
    download_[1]->setEnabled(c.downloadPause);
    download_[2]->setEnabled(c.downloadStop);
    txtUrl_->setEnabled(c.urlBox);
    for (QPushButton* b :
         {folderButton_, barFolderButton_, namingButton_, barNamingButton_, buildBase_})
        b->setEnabled(c.folderButtons);
    cGo_->setEnabled(c.getButton);
    applyFilters_->setEnabled(c.applyFilters);
    cGo_->setText(Q(main_.GetCaption()));
    if (filerWindow_) filerWindow_->Sync();
}

void frmMainWindow::ShowInfo(const std::string& address, const std::string& referrer,
                             const std::string& base) {
    if (!infoWindow_) infoWindow_ = std::make_unique<frmInfoWindow>(main_, this);
    infoWindow_->ShowInfo(address, referrer, base);
}

void frmMainWindow::ShowExportOptions(frmExportHtml& form) {
    frmExportHtmlDialog dialog(form, this);
    dialog.exec();
}

void frmMainWindow::ShowFiler() {
    if (!filerWindow_) filerWindow_ = std::make_unique<frmFilerWindow>(main_, this);
    filerWindow_->show();
    filerWindow_->raise();
    filerWindow_->activateWindow();
}

bool frmMainWindow::CloseToolWindows() {
    // A running generator keeps the window: its run serves events and uses the list.
    if (filerWindow_ && filerWindow_->Logic().RunState() != 0) return false;
    // So does a request of the info window.
    if (infoWindow_ && !infoWindow_->Logic().CmdEnabled(0)) return false;
    // The scanner asks its own close questions; a refusal keeps the main window.
    if (!scanner_->Close()) return false;
    infoWindow_.reset();
    filerWindow_.reset();
    return true;
}

void frmMainWindow::SyncLayout() {
    logView_->Sync();
    const int logHeight = AppSettings().LogPaneHeight;
    if (!logHeightSet_ && !logPane_->isHidden() && logHeight > 0) {
        logHeightSet_ = true;
        const int total = std::max(splitter_->height(), height());
        splitter_->setSizes({std::max(1, total - logHeight), logHeight});
    }
    folderBar_->setVisible(main_.FolderBarVisible());
    if (folderBarAction_) folderBarAction_->setChecked(main_.FolderBarVisible());
    if (main_.TrayMode()) {
        if (!tray_) {
            tray_ = std::make_unique<QSystemTrayIcon>(windowIcon());
            connect(tray_.get(), &QSystemTrayIcon::activated, this,
                    [this](QSystemTrayIcon::ActivationReason reason) {
                        if (reason == QSystemTrayIcon::Trigger)
                            main_.TrayIconClick(true);
                        else if (reason == QSystemTrayIcon::Context)
                            main_.TrayIconClick(false);
                    });
        }
        if (!tray_->isVisible()) {
            tray_->setToolTip(windowTitle().left(63));
            tray_->show();
            hide();
        }
    } else if (tray_ && tray_->isVisible()) {
        tray_->hide();
        showNormal();
        raise();
        activateWindow();
    }
}

bool frmMainWindow::TrayMessage(const std::string& title, const std::string& text) {
    if (!QSystemTrayIcon::isSystemTrayAvailable() || !QSystemTrayIcon::supportsMessages())
        return false;
    constexpr int kShowMs = 10000;
    QSystemTrayIcon* icon = tray_ && tray_->isVisible() ? tray_.get() : nullptr;
    if (!icon) {
        if (!messageTray_) {
            messageTray_ = std::make_unique<QSystemTrayIcon>(windowIcon());
            connect(messageTray_.get(), &QSystemTrayIcon::messageClicked, this, [this] {
                messageTray_->hide();
                showNormal();
                raise();
                activateWindow();
            });
        }
        icon = messageTray_.get();
        icon->setToolTip(windowTitle().left(63));
        icon->show();
        // The icon leaves with its message.
        QTimer::singleShot(kShowMs, icon, &QSystemTrayIcon::hide);
    }
    icon->showMessage(Q(title), Q(text), QSystemTrayIcon::Information, kShowMs);
    return true;
}

void frmMainWindow::ShowNamingMenu() {
    FillFilenaming();
    // From the overwrite question only the naming applies to the links that follow; the
    // existing-file rule is being answered right now.
    const QList<QAction*> actions = namingMenu_->actions();
    for (qsizetype i = 6; i < actions.size(); ++i) actions[i]->setEnabled(false);
    namingMenu_->exec(QCursor::pos());
    for (QAction* a : actions) a->setEnabled(true);
}

void frmMainWindow::FocusUrlBox() {
    txtUrl_->setFocus();
}

void frmMainWindow::CloseWindow() {
    closing_ = true;
    close();
}

void frmMainWindow::Terminate() {
    std::_Exit(0);
}

void frmMainWindow::PopupFileMenu() {
    activateWindow();
    fileMenu_->popup(QCursor::pos());
}

bool frmMainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            // A key travels up from the focused widget: that widget says where it was pressed.
            auto* receiver = qobject_cast<QWidget*>(watched);
            const QWidget* focus =
                FocusOf(receiver) == KeyFocus::TextField ? receiver : FocusedIn(this);
            const KeyPress key = ToKeyPress(*static_cast<QKeyEvent*>(event), focus);
            if (watched == list_ && main_.ListLinks_KeyDown(key)) return true;
            if (watched == list_ && key.key == Key_Menu) {
                listMenu_->popup(
                    list_->mapToGlobal(list_->visualRect(list_->currentIndex()).center()));
                return true;
            }
            return main_.Form_KeyDown(key) && key.key != Key_Control;
        }
        case QEvent::KeyRelease: {
            const KeyPress key = ToKeyPress(*static_cast<QKeyEvent*>(event));
            if (key.key == Key_Control) main_.Form_KeyUp(key);
            return false;
        }
        case QEvent::MouseButtonPress:
            if (watched == txtUrl_->lineEdit()) main_.txtUrl_Click();
            return false;
        case QEvent::FocusIn:
            if (watched == cGo_) main_.AddressAreaActive(true);
            return false;
        case QEvent::FocusOut:
            if (watched == cGo_ || watched == txtUrl_ || watched == txtUrl_->lineEdit())
                main_.AddressAreaActive(false);
            return false;
        default:
            return false;
    }
}

void frmMainWindow::closeEvent(QCloseEvent* event) {
    // Before the logic's close writes the settings file.
    if (logPane_->isVisible()) AppSettings().LogPaneHeight = logPane_->height();
    if (!closing_ && !main_.Closed() && !main_.Form_QueryUnload(false)) {
        event->ignore();
        return;
    }
    closing_ = true;
    if (tray_) tray_->hide();
    if (messageTray_) messageTray_->hide();
    logView_->Sync();
    event->accept();
    QApplication::quit();
}

void frmMainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) main_.Form_Deactivate();
    if (event->type() == QEvent::WindowStateChange && placed_) StoreMainPlace(*this);
    // Without a notification area the window stays minimised where the desktop put it.
    if (event->type() == QEvent::WindowStateChange && isMinimized() &&
        QSystemTrayIcon::isSystemTrayAvailable() && !main_.TrayMode())
        main_.Form_Minimized();
}

void frmMainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (placed_) StoreMainPlace(*this);
}

void frmMainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (placed_) StoreMainPlace(*this);
}

void frmMainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (DropWanted(*event->mimeData()) && CommandAllowed(Act_Drop, main_.State()))
        event->acceptProposedAction();
}

void frmMainWindow::dropEvent(QDropEvent* event) {
    main_.DropOnWindow(DropDataOf(*event->mimeData()));
    event->acceptProposedAction();
}

}  // namespace ravlet::gui
