#include "gui/frmOptionsWindow.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/FolderAutoComplete.h"
#include "gui/GlistWidget.h"
#include "gui/QtText.h"

namespace ravlet::gui {

namespace {

using F = frmOptionsNew;

QWidget* Frame(QLayout* layout) {
    auto* w = new QWidget;
    w->setLayout(layout);
    return w;
}

QWidget* Row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : widgets) row->addWidget(w);
    row->addStretch(1);
    return Frame(row);
}

}  // namespace

frmOptionsWindow::frmOptionsWindow(OptionsHost& host, QWidget* owner)
    : QDialog(owner), logic_(host) {
    setWindowTitle(QString::fromLatin1(frmOptionsNew::kCaption));
    setObjectName(QStringLiteral("frmOptionsNew"));
    auto* layout = new QVBoxLayout(this);
    list_ = new GlistWidget(logic_.Pages());
    list_->setObjectName(QStringLiteral("Glist"));
    auto* scroll = new QScrollArea;
    scroll->setWidget(list_);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(scroll, 1);

    frames_ = {BuildAbout(),      BuildDownload(), BuildNetEngine(), BuildSettings(),
               BuildAutomation(), BuildDir(),      BuildReRoute(),   BuildScanner()};
    for (int i = 0; i < Page_Count; ++i) {
        QWidget* frame = frames_[i];
        frame->setObjectName(QStringLiteral("Page%1").arg(i));
        OptionsPage& page = logic_.Page(i);
        page.SetHeight(frame->sizeHint().height());
        page.onVisible = [frame](bool on) { frame->setVisible(on); };
        list_->Host(&page, frame);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const char* captions[] = {"&Ok", "&Cancel", "&Apply", "&Reset"};
    for (int i = 0; i < 4; ++i) {
        submit_[i] = new QPushButton(QString::fromLatin1(captions[i]));
        submit_[i]->setObjectName(QStringLiteral("cmdSubmit%1").arg(i));
        submit_[i]->setAutoDefault(false);
        connect(submit_[i], &QPushButton::clicked, this, [this, i] { logic_.cmdSubmit_Click(i); });
        buttons->addWidget(submit_[i]);
    }
    layout->addLayout(buttons);
    logic_.Changed = [this] { Sync(); };
    logic_.Close = [this] { reject(); };
    logic_.Form_Load();
    resize(560, 600);
}

frmOptionsWindow::~frmOptionsWindow() {
    logic_.Changed = nullptr;
    logic_.Close = nullptr;
    for (int i = 0; i < Page_Count; ++i) {
        logic_.Page(i).onVisible = nullptr;
        list_->Unhost(&logic_.Page(i));
    }
    // The list's view lets go of the list model, which goes with this window's members.
    delete list_;
}

void frmOptionsWindow::ShowPreferences(int page) {
    logic_.ShowPreferences(page);
    exec();
}

QWidget* frmOptionsWindow::Control(const QString& name) const {
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

void frmOptionsWindow::Name(QWidget* w, const QString& name) {
    w->setObjectName(name);
    controls_[name] = w;
}

QLineEdit* frmOptionsWindow::Edit(const char* name, std::string F::*field,
                                  std::function<void()> changed) {
    auto* e = new QLineEdit;
    Name(e, QString::fromLatin1(name));
    connect(e, &QLineEdit::textEdited, this, [this, field, changed](const QString& t) {
        logic_.*field = S(t);
        if (changed) changed();
    });
    syncs_.push_back([this, e, field] {
        const QString q = Q(logic_.*field);
        if (e->text() != q) e->setText(q);
    });
    return e;
}

QCheckBox* frmOptionsWindow::Box(const char* name, const char* caption, bool F::*field,
                                 std::function<void(bool)> clicked) {
    auto* b = new QCheckBox(QString::fromLatin1(caption));
    Name(b, QString::fromLatin1(name));
    connect(b, &QCheckBox::clicked, this, [this, field, clicked](bool on) {
        if (clicked)
            clicked(on);
        else
            logic_.*field = on;
        Sync();
    });
    syncs_.push_back([this, b, field] { b->setChecked(logic_.*field); });
    return b;
}

QWidget* frmOptionsWindow::Options(const char* name, std::vector<const char*> captions,
                                   int F::*field, bool vertical, std::function<void()> changed) {
    QBoxLayout* box = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout)
                               : static_cast<QBoxLayout*>(new QHBoxLayout);
    box->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(captions[i]));
        Name(r, QStringLiteral("%1%2").arg(QString::fromLatin1(name)).arg(i));
        group->addButton(r, i);
        box->addWidget(r);
    }
    if (!vertical) box->addStretch(1);
    connect(group, &QButtonGroup::idClicked, this, [this, field, changed](int id) {
        logic_.*field = id;
        if (changed) changed();
        Sync();
    });
    syncs_.push_back([this, group, field] {
        if (QAbstractButton* b = group->button(logic_.*field)) {
            b->setChecked(true);
        } else if (QAbstractButton* checked = group->checkedButton()) {
            group->setExclusive(false);
            checked->setChecked(false);
            group->setExclusive(true);
        }
    });
    return Frame(box);
}

QPushButton* frmOptionsWindow::Button(const char* name, const char* caption,
                                      std::function<void()> clicked) {
    auto* b = new QPushButton(QString::fromLatin1(caption));
    Name(b, QString::fromLatin1(name));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [clicked] { clicked(); });
    return b;
}

QLabel* frmOptionsWindow::Buddy(const char* caption, QWidget* control) {
    auto* l = new QLabel(QString::fromLatin1(caption));
    l->setBuddy(control);
    return l;
}

QWidget* frmOptionsWindow::BuildAbout() {
    auto* grid = new QGridLayout;
    auto* picture = new QLabel(QStringLiteral("ravlet"));
    Name(picture, QStringLiteral("picVersion"));
    QFont big = picture->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    picture->setFont(big);
    auto* version = new QLabel;
    Name(version, QStringLiteral("lblVersion"));
    grid->addWidget(picture, 0, 0, 1, 2);
    grid->addWidget(version, 1, 0, 1, 2);
    QPushButton* check = nullptr;
    const char* captions[] = {"&Homepage", "&Email", "Chec&k"};
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        QPushButton* b = Button(QStringLiteral("cmdHomepage%1").arg(i).toLatin1().constData(),
                                captions[i], [this, i] { logic_.cmdHomepage_Click(i); });
        buttons->addWidget(b);
        if (i == 2) check = b;
    }
    buttons->addStretch(1);
    grid->addLayout(buttons, 2, 0, 1, 2);
    auto* text = new QLabel;
    Name(text, QStringLiteral("verTxt"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* hide = Button("verLbl", "(click to hide)", [this] { logic_.verLbl_Click(); });
    hide->setFlat(true);
    grid->addWidget(text, 3, 0, 1, 2);
    grid->addWidget(hide, 4, 0, 1, 2, Qt::AlignLeft);
    syncs_.push_back([this, version, text, hide, check] {
        version->setText(Q(logic_.lblVersion));
        text->setText(QLines(logic_.verTxt));
        text->setVisible(logic_.verShown);
        hide->setVisible(logic_.verShown);
        check->setEnabled(logic_.cmdCheckEnabled);
    });
    return Frame(grid);
}

QWidget* frmOptionsWindow::BuildDownload() {
    auto* form = new QGridLayout;
    QCheckBox* force = Box("chkCfgNetSizeForce", "&Size check", &F::chkCfgNetSizeForce);
    QLineEdit* min = Edit("txtCfgNetSizeMin", &F::txtCfgNetSizeMin);
    QLineEdit* max = Edit("txtCfgNetSizeMax", &F::txtCfgNetSizeMax);
    QCheckBox* null =
        Box("chkCfgNetSizeNull", "If no length given, &take file", &F::chkCfgNetSizeNull);
    QCheckBox* mime =
        Box("chkCfgNetMimeTypeForce", "Only Download this &Mimetype:", &F::chkCfgNetMimeTypeForce);
    QLineEdit* type = Edit("txtCfgNetMimeType", &F::txtCfgNetMimeType);
    QCheckBox* text =
        Box("chkcfgNetDownloadIgnoreText", "&Ignore text/html", &F::chkcfgNetDownloadIgnoreText);
    form->addWidget(force, 0, 0, 1, 3);
    form->addWidget(Buddy("M&in:", min), 1, 0);
    form->addWidget(min, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("bytes")), 1, 2);
    form->addWidget(Buddy("Ma&x:", max), 2, 0);
    form->addWidget(max, 2, 1);
    form->addWidget(new QLabel(QStringLiteral("bytes (Zero for no Maximum)")), 2, 2);
    form->addWidget(null, 3, 0, 1, 3);
    form->addWidget(mime, 4, 0, 1, 2);
    form->addWidget(type, 4, 2);
    form->addWidget(text, 5, 0, 1, 3);
    form->addWidget(Box("chkCfgNetResume", "&Continue unfinished downloads (keep NAME.part)",
                        &F::chkCfgNetResume),
                    6, 0, 1, 3);
    QLineEdit* parallel = Edit("txtCfgNetParallel", &F::txtCfgNetParallel);
    QLineEdit* perHost = Edit("txtCfgNetParallelHost", &F::txtCfgNetParallelHost);
    form->addWidget(Buddy("&Parallel:", parallel), 7, 0);
    form->addWidget(parallel, 7, 1);
    form->addWidget(new QLabel(QStringLiteral("transfers at once")), 7, 2);
    form->addWidget(Buddy("Per &host:", perHost), 8, 0);
    form->addWidget(perHost, 8, 1);
    form->addWidget(new QLabel(QStringLiteral("at once to one server (Zero: as many)")), 8, 2);
    syncs_.push_back([this, min, max, null, type] {
        for (QWidget* w :
             {static_cast<QWidget*>(min), static_cast<QWidget*>(max), static_cast<QWidget*>(null)})
            w->setEnabled(logic_.SizeFieldsEnabled());
        type->setEnabled(logic_.MimeTypeEnabled());
    });
    return Frame(form);
}

QWidget* frmOptionsWindow::BuildNetEngine() {
    auto* form = new QGridLayout;
    const auto engine = [this] { logic_.NetEngineEdited(); };
    QLineEdit* agent = Edit("txtCfgBrowser", &F::txtCfgBrowser, engine);
    QLineEdit* timeout = Edit("txtCfgNetTimeout", &F::txtCfgNetTimeout);
    QWidget* proxyUse =
        Options("optCfgNetProxyUse", {"Use the Desktop's (System) Config", "Personal Settings:"},
                &F::optCfgNetProxyUse, true, engine);
    QLineEdit* proxy = Edit("txtCfgNetProxy", &F::txtCfgNetProxy, engine);
    QPushButton* settings =
        Button("cmdCfgNetMs", "&Network Settings...", [this] { logic_.cmdCfgNetMs_Click(); });
    form->addWidget(Buddy("&User Agent:", agent), 0, 0);
    form->addWidget(agent, 0, 1, 1, 2);
    form->addWidget(Buddy("&Timeout:", timeout), 1, 0);
    form->addWidget(timeout, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("Milliseconds (1000 = 1 sec)")), 1, 2);
    form->addWidget(proxyUse, 2, 0, 2, 2);
    form->addWidget(proxy, 3, 2);
    form->addWidget(settings, 4, 0, 1, 2, Qt::AlignLeft);
    QLineEdit* retries = Edit("txtCfgNetRetries", &F::txtCfgNetRetries);
    QLineEdit* cookies = Edit("txtCfgNetCookies", &F::txtCfgNetCookies);
    form->addWidget(Buddy("&Retries:", retries), 5, 0);
    form->addWidget(retries, 5, 1);
    form->addWidget(
        new QLabel(QStringLiteral("after a time-out, a broken transfer, 5xx, 408, 429")), 5, 2);
    form->addWidget(Buddy("Coo&kies file:", cookies), 6, 0);
    form->addWidget(cookies, 6, 1, 1, 2);
    QLineEdit* wait = Edit("txtCfgNetWait", &F::txtCfgNetWait);
    QLineEdit* rate = Edit("txtCfgNetLimitRate", &F::txtCfgNetLimitRate);
    form->addWidget(Buddy("&Wait:", wait), 7, 0);
    form->addWidget(wait, 7, 1);
    form->addWidget(new QLabel(QStringLiteral("Milliseconds between requests to one server")), 7,
                    2);
    form->addWidget(Buddy("&Limit rate:", rate), 8, 0);
    form->addWidget(rate, 8, 1);
    form->addWidget(new QLabel(QStringLiteral("bytes per second, e.g. 500k (Zero: no limit)")), 8,
                    2);
    syncs_.push_back([this, proxy, settings] {
        proxy->setEnabled(logic_.ProxyEnabled());
        settings->setEnabled(logic_.cmdCfgNetMsEnabled());
    });
    return Frame(form);
}

QWidget* frmOptionsWindow::BuildSettings() {
    auto* box = new QVBoxLayout;
    box->addWidget(new QLabel(QStringLiteral("Filenaming:")));
    box->addWidget(Options("optCfgFilenaming",
                           {"Long Name (with server,path,file)", "Short (filename only)",
                            "Server-Dir + Short", "Rebuild Directory Structure", "Numbered"},
                           &F::optCfgFilenaming, true));
    box->addWidget(new QLabel(QStringLiteral("Scan for:")));
    const std::pair<const char*, const char*> scans[] = {
        {"chkCfgScanLink", "&Links (Default)"},
        {"chkCfgScanImg", "&Images"},
        {"chkCfgScanWildSrc", "&Wild 'src='"},
        {"chkCfgScanTxtHttp", "Wild &http:// (Plain Text)"}};
    bool F::*fields[] = {&F::chkCfgScanLink, &F::chkCfgScanImg, &F::chkCfgScanWildSrc,
                         &F::chkCfgScanTxtHttp};
    QCheckBox* link = nullptr;
    for (int i = 0; i < 4; ++i) {
        QCheckBox* b = Box(scans[i].first, scans[i].second, fields[i],
                           [this, i](bool on) { logic_.ScanBox_Click(i, on); });
        if (i == 0) link = b;
        box->addWidget(b);
    }
    box->addWidget(Box("chkConfirmClose",
                       "&Confirm Close (Auto Close overrides this, see Automation.)",
                       &F::chkConfirmClose));
    box->addWidget(Row(
        {Button("cmdIntegrate0", "&Browser Menu On", [this] { logic_.cmdIntegrate_Click(0); }),
         Button("cmdIntegrate1", "Browser Menu &Off", [this] { logic_.cmdIntegrate_Click(1); })}));
    syncs_.push_back([this, link] { link->setEnabled(logic_.ScanLinkEnabled()); });
    return Frame(box);
}

QWidget* frmOptionsWindow::BuildAutomation() {
    auto* box = new QVBoxLayout;
    box->addWidget(
        Box("chkCfgRefiner_AutoShow", "&Auto-Show FilterRavPad", &F::chkCfgRefiner_AutoShow));
    box->addWidget(Box("chkCfgRefiner_AutoApply", "&Auto-Apply FilterRavPad's Filter(s)",
                       &F::chkCfgRefiner_AutoApply));
    box->addWidget(
        Box("chkCfgRefiner_AutoHide", "&Auto-Hide FilterRavPad", &F::chkCfgRefiner_AutoHide));
    box->addWidget(Box("chkCfgAuto_Leech", "Auto &Download", &F::chkCfgAuto_Leech));
    const char* closes[] = {"Auto &Close", "&Ignore Errors"};
    QWidget* closeRow[2];
    for (int i = 0; i < 2; ++i) {
        auto* b = new QCheckBox(QString::fromLatin1(closes[i]));
        Name(b, QStringLiteral("chkCfgAuto_Close%1").arg(i));
        connect(b, &QCheckBox::clicked, this, [this, i](bool on) {
            logic_.chkCfgAuto_Close[i] = on;
            Sync();
        });
        syncs_.push_back([this, b, i] { b->setChecked(logic_.chkCfgAuto_Close[i]); });
        closeRow[i] = b;
    }
    box->addWidget(Row({closeRow[0], closeRow[1]}));
    box->addWidget(new QLabel(QStringLiteral("Build Base:")));
    box->addWidget(Options("optCfgAuto_BuildBase", {"Never", "If Base is Empty", "Everytime"},
                           &F::optCfgAuto_BuildBase, false));
    box->addWidget(Box("chkCfgAuto_CBmonitor", "&Monitor Clipboard", &F::chkCfgAuto_CBmonitor));
    QCheckBox* get = Box("chkCfgAuto_CBmonitor_GetChange", "&Auto 'Get' Url then",
                         &F::chkCfgAuto_CBmonitor_GetChange);
    box->addWidget(get);
    syncs_.push_back([this, get] { get->setEnabled(logic_.GetChangeEnabled()); });
    return Frame(box);
}

QWidget* frmOptionsWindow::BuildDir() {
    auto* grid = new QGridLayout;
    QLineEdit* dir = Edit("cFavDir", &F::cFavDir);
    EnableFolderAutoComplete(dir);
    grid->addWidget(dir, 0, 0);
    const char* captions[] = {"...", "&Add", "&Delete"};
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 3; ++i)
        buttons->addWidget(Button(QStringLiteral("cFavCmd%1").arg(i).toLatin1().constData(),
                                  captions[i], [this, i] { logic_.cFavCmd_Click(i); }));
    grid->addLayout(buttons, 0, 1);
    auto* list = new QListWidget;
    Name(list, QStringLiteral("cFavList"));
    list->setMaximumHeight(140);
    connect(list, &QListWidget::itemClicked, this,
            [this, list](QListWidgetItem* item) { logic_.cFavList_Click(list->row(item)); });
    grid->addWidget(list, 1, 0, 1, 2);
    syncs_.push_back([this, list] {
        QStringList rows;
        for (const std::string& r : logic_.cFavList) rows << Q(r);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
        if (rows != shown) {
            list->clear();
            list->addItems(rows);
        }
        list->setCurrentRow(logic_.cFavListIndex);
    });
    return Frame(grid);
}

QWidget* frmOptionsWindow::BuildReRoute() {
    auto* grid = new QGridLayout;
    auto* list = new QListWidget;
    Name(list, QStringLiteral("cReRouteList"));
    list->setMaximumHeight(140);
    connect(list, &QListWidget::itemClicked, this,
            [this, list](QListWidgetItem* item) { logic_.cReRouteList_Click(list->row(item)); });
    grid->addWidget(Buddy("&Re-Route Default:", list), 0, 0);
    grid->addWidget(list, 1, 0, 3, 1);
    QPushButton* web = Button("cReRouteCmd0", "&Website", [this] { logic_.cReRouteCmd_Click(); });
    grid->addWidget(web, 1, 1, Qt::AlignTop);
    auto* icon = new QLabel;
    Name(icon, QStringLiteral("cReRouteInfoI"));
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
    auto* notice = new QLabel(QStringLiteral("App is not installed on your System"));
    Name(notice, QStringLiteral("cReRouteInfoL"));
    grid->addWidget(Row({icon, notice}), 4, 0, 1, 2);
    grid->addWidget(Box("chkReRootAuto", "&Auto Re-Route after LNL", &F::chkReRootAuto), 5, 0, 1,
                    2);
    grid->addWidget(
        Box("chkReRootAutoClose", "&Auto Close after Re-Route ?", &F::chkReRootAutoClose), 6, 0, 1,
        2);
    auto* info = new QLabel(QStringLiteral(
        "The default manager takes the list from the Re-Route menu's \"Default\" entry, and "
        "after every hand-over from the web browser when automatic re-routing is on."));
    info->setTextFormat(Qt::PlainText);
    info->setWordWrap(true);
    auto* info2 = new QLabel(QStringLiteral(
        "Managers that are not installed stay in this list, but their menu entries are off."));
    info2->setWordWrap(true);
    grid->addWidget(info, 7, 0, 1, 2);
    grid->addWidget(info2, 8, 0, 1, 2);
    syncs_.push_back([this, list, web, icon, notice] {
        QStringList rows;
        for (const ReRouteRow& r : logic_.cReRouteList) rows << Q(r.caption);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
        if (rows != shown) {
            list->clear();
            list->addItems(rows);
        }
        list->setCurrentRow(logic_.cReRouteListIndex);
        web->setEnabled(logic_.ReRouteWebsiteEnabled());
        icon->setVisible(logic_.cReRouteInfoShown);
        notice->setVisible(logic_.cReRouteInfoShown);
    });
    return Frame(grid);
}

QWidget* frmOptionsWindow::BuildScanner() {
    auto* grid = new QGridLayout;
    QLineEdit* cache = Edit("txtCfgScanner_Cache", &F::txtCfgScanner_Cache);
    grid->addWidget(Buddy("Scanner &Cache:", cache), 0, 0);
    grid->addWidget(cache, 0, 1);
    grid->addWidget(Box("chkCfgScanner_ForeignRedirectScan",
                        "&Scan non-matching Pages after Redirect (e.g. for Backreferences)",
                        &F::chkCfgScanner_ForeignRedirectScan),
                    1, 0, 1, 3);
    grid->addWidget(Box("chkCfgScanner_ListTake", "&Takeover Ravlets' List to Scan",
                        &F::chkCfgScanner_ListTake),
                    2, 0, 1, 3);
    grid->addWidget(Box("chkCfgScanner_LinkCollectAll", "&Add non-matching Links to Ravlet",
                        &F::chkCfgScanner_LinkCollectAll),
                    3, 0, 1, 3);
    grid->addWidget(Options("optCfgScanner_LevelMode", {"&Until End", "Level 0 Scan", "Level:"},
                            &F::optCfgScanner_LevelMode, false),
                    4, 0, 1, 2);
    QLineEdit* depth = Edit("txtCfgScanner_LevelDepth", &F::txtCfgScanner_LevelDepth);
    grid->addWidget(depth, 4, 2);
    grid->addWidget(Buddy("(&Depth)", depth), 4, 3);
    syncs_.push_back([this, depth] { depth->setEnabled(logic_.LevelDepthEnabled()); });
    return Frame(grid);
}

void frmOptionsWindow::Sync() {
    if (syncing_) return;
    syncing_ = true;
    for (const auto& sync : syncs_) sync();
    syncing_ = false;
}

}  // namespace ravlet::gui
