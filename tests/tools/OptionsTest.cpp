// The preferences window's logic: every control against its setting, Apply's order and
// overflows, Ok/Cancel/Apply/Reset, the enabling rules, the favourites, the re-route page and
// the about page, with a recording host in place of the main window.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "net/modFs.h"
#include "platform/Shell.h"
#include "support/Joined.h"
#include "support/RowName.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"
#include "tools/frmOptionsNew.h"

namespace ravlet {
namespace {

using F = frmOptionsNew;
using S = Settings;

struct RecordingHost : OptionsHost {
    std::vector<std::string> calls;
    std::vector<OptionsManager> managers;
    std::vector<std::string> installed;
    bool integrationWorks = true;
    void zmDir_Build() override { calls.push_back("zmDir_Build " + AppSettings().savedirs); }
    void zmRlist_Build() override {
        calls.push_back("zmRlist_Build " + AppSettings().ReRouteDefaultId);
    }
    void RavletNetReInit() override {
        calls.push_back("RavletNetReInit " + AppSettings().user_agent);
    }
    bool WriteSettings() override {
        calls.push_back("WriteSettings");
        return OptionsHost::WriteSettings();
    }
    std::vector<OptionsManager> ReRouteManagers() const override { return managers; }
    int ReRouteProbe(const std::string& id) override {
        calls.push_back("ReRoute " + id);
        for (const std::string& i : installed)
            if (i == id) return 1;
        return 0;
    }
    bool SetIntegration(int mode) override {
        calls.push_back("SetIntegration " + std::to_string(mode));
        return integrationWorks;
    }
    void OpenInternetSettings() override { calls.push_back("OpenInternetSettings"); }
};

struct OptionsScene {
    OptionsScene() {
        SettingsSetDefaults(AppSettings());
        host.managers = {{"FlashGet", "flashget", "www.flashget.example", 8},
                         {"aria2", "aria2", "aria2.example", 12}};
        form.Close = [this] { ++closes; };
        SetShellRecorder([this](const std::string& t) { opened.push_back(t); });
    }
    ~OptionsScene() { SetShellRecorder(nullptr); }
    test::TempHome home;
    test::ScriptedUi ui;
    RecordingHost host;
    frmOptionsNew form{host};
    int closes = 0;
    std::vector<std::string> opened;
};

// One control against its setting: a stored value the control shows after Load, and an edit
// that Apply writes back.
struct MapRow {
    std::string what;
    std::function<void(S&)> store;
    std::function<void(const F&)> loaded;
    std::function<void(F&)> edit;
    std::function<void(const S&)> applied;
};

MapRow Check(const char* what, bool F::*control, bool S::*setting) {
    return {what, [=](S& s) { s.*setting = !(s.*setting); },
            [=](const F& f) { EXPECT_EQ(f.*control, !(Settings{}.*setting)); },
            [=](F& f) { f.*control = !(f.*control); },
            [=](const S& s) { EXPECT_EQ(s.*setting, Settings{}.*setting); }};
}

MapRow Text(const char* what, std::string F::*control, std::string S::*setting) {
    return {what, [=](S& s) { s.*setting = "stored,text"; },
            [=](const F& f) { EXPECT_EQ(f.*control, "stored,text"); },
            [=](F& f) { f.*control = "typed text"; },
            [=](const S& s) { EXPECT_EQ(s.*setting, "typed text"); }};
}

MapRow Option(const char* what, int F::*control, int S::*setting, int stored, int chosen) {
    return {what, [=](S& s) { s.*setting = stored; },
            [=](const F& f) { EXPECT_EQ(f.*control, stored); }, [=](F& f) { f.*control = chosen; },
            [=](const S& s) { EXPECT_EQ(s.*setting, chosen); }};
}

MapRow Number(const char* what, std::string F::*control, int S::*setting, int stored,
              const char* typed, int applied) {
    return {what, [=](S& s) { s.*setting = stored; },
            [=](const F& f) { EXPECT_EQ(f.*control, std::to_string(stored)); },
            [=](F& f) { f.*control = typed; }, [=](const S& s) { EXPECT_EQ(s.*setting, applied); }};
}

std::vector<MapRow> MappingRows() {
    return {
        Text("txtCfgBrowser", &F::txtCfgBrowser, &S::user_agent),
        Number("txtCfgNetTimeout", &F::txtCfgNetTimeout, &S::nettimeout, 15000, "2min", 120000),
        Option("optCfgNetProxyUse", &F::optCfgNetProxyUse, &S::netProxyUse, 1, 0),
        Text("txtCfgNetProxy", &F::txtCfgNetProxy, &S::netProxy),
        Check("chkCfgNetSizeForce", &F::chkCfgNetSizeForce, &S::netsizeforce),
        Check("chkCfgNetSizeNull", &F::chkCfgNetSizeNull, &S::netsizenull),
        Number("txtCfgNetSizeMin", &F::txtCfgNetSizeMin, &S::netsizemin, 10, "2kb", 2048),
        Number("txtCfgNetSizeMax", &F::txtCfgNetSizeMax, &S::netsizemax, 10, "3mb", 3145728),
        Check("chkCfgNetMimeTypeForce", &F::chkCfgNetMimeTypeForce, &S::netmimetypeforce),
        Text("txtCfgNetMimeType", &F::txtCfgNetMimeType, &S::netsizemimetype),
        Check("chkcfgNetDownloadIgnoreText", &F::chkcfgNetDownloadIgnoreText,
              &S::netdownloadignoretext),
        Check("chkCfgNetResume", &F::chkCfgNetResume, &S::netResume),
        Number("txtCfgNetRetries", &F::txtCfgNetRetries, &S::netRetries, 2, "5", 5),
        Text("txtCfgNetCookies", &F::txtCfgNetCookies, &S::netCookies),
        {"chkCfgScanLink", [](S& s) { s.scanlink = false, s.scanimg = true; },
         [](const F& f) { EXPECT_FALSE(f.chkCfgScanLink); }, [](F& f) { f.ScanBox_Click(0, true); },
         [](const S& s) { EXPECT_TRUE(s.scanlink); }},
        Check("chkCfgScanImg", &F::chkCfgScanImg, &S::scanimg),
        Check("chkCfgScanWildSrc", &F::chkCfgScanWildSrc, &S::scanwildsrc),
        Check("chkCfgScanTxtHttp", &F::chkCfgScanTxtHttp, &S::scantxthttp),
        Option("optCfgFilenaming", &F::optCfgFilenaming, &S::filenaming, 4, 2),
        Check("chkCfgRefiner_AutoShow", &F::chkCfgRefiner_AutoShow, &S::Refiner_AutoShow),
        Check("chkCfgRefiner_AutoApply", &F::chkCfgRefiner_AutoApply, &S::Refiner_AutoApply),
        Check("chkCfgRefiner_AutoHide", &F::chkCfgRefiner_AutoHide, &S::Refiner_AutoHide),
        Check("chkCfgAuto_CBmonitor", &F::chkCfgAuto_CBmonitor, &S::Auto_CBmonitor),
        Check("chkCfgAuto_CBmonitor_GetChange", &F::chkCfgAuto_CBmonitor_GetChange,
              &S::Auto_CBmonitor_GetChange),
        {"chkCfgAuto_Leech", [](S& s) { s.Auto_Leech = 1; },
         [](const F& f) { EXPECT_TRUE(f.chkCfgAuto_Leech); }, [](F&) {},
         [](const S& s) { EXPECT_EQ(s.Auto_Leech, -1); }},
        Option("optCfgAuto_BuildBase", &F::optCfgAuto_BuildBase, &S::Auto_BuildBase, 2, 1),
        {"chkCfgAuto_Close", [](S& s) { s.Auto_Close = 2; },
         [](const F& f) {
             EXPECT_EQ(f.chkCfgAuto_Close, (std::array<bool, 2>{false, true}));
         },
         [](F& f) { f.chkCfgAuto_Close[0] = true; },
         [](const S& s) { EXPECT_EQ(s.Auto_Close, 3); }},
        Check("chkConfirmClose", &F::chkConfirmClose, &S::confirmclose),
        Number("txtCfgScanner_Cache", &F::txtCfgScanner_Cache, &S::Scanner_Cache, 50, "7.6", 8),
        Check("chkCfgScanner_ForeignRedirectScan", &F::chkCfgScanner_ForeignRedirectScan,
              &S::Scanner_ForeignRedirectScan),
        Check("chkCfgScanner_ListTake", &F::chkCfgScanner_ListTake, &S::Scanner_ListTake),
        Check("chkCfgScanner_LinkCollectAll", &F::chkCfgScanner_LinkCollectAll,
              &S::Scanner_LinkCollectAll),
        Option("optCfgScanner_LevelMode", &F::optCfgScanner_LevelMode, &S::Scanner_LevelMode, 2, 1),
        Number("txtCfgScanner_LevelDepth", &F::txtCfgScanner_LevelDepth, &S::Scanner_LevelDepth, 3,
               "12", 12),
        Text("cFavDir", &F::cFavDir, &S::savedir),
        {"cFavList", [](S& s) { s.savedirs = "/a/,/b/"; },
         [](const F& f) {
             EXPECT_EQ(f.cFavList, (std::vector<std::string>{"/a/", "/b/"}));
         },
         [](F& f) { f.cFavList.push_back("/c/"); },
         [](const S& s) { EXPECT_EQ(s.savedirs, "/a/,/b/,/c/"); }},
        Check("chkReRootAuto", &F::chkReRootAuto, &S::ReRouteAuto),
        Check("chkReRootAutoClose", &F::chkReRootAutoClose, &S::ReRouteAutoClose),
        {"cReRouteList", [](S& s) { s.ReRouteDefaultIndex = 8, s.ReRouteDefaultId = "flashget"; },
         [](const F& f) { EXPECT_EQ(f.cReRouteListIndex, 1); },
         [](F& f) { f.cReRouteList_Click(2); },
         [](const S& s) {
             EXPECT_EQ(s.ReRouteDefaultId, "aria2");
             EXPECT_EQ(s.ReRouteDefaultIndex, 12);
         }}};
}

class OptionsMapping : public testing::TestWithParam<MapRow> {};

TEST_P(OptionsMapping, LoadShowsTheSettingAndApplyWritesTheControlBack) {
    OptionsScene scene;
    GetParam().store(AppSettings());
    scene.form.Form_Load();
    GetParam().loaded(scene.form);
    GetParam().edit(scene.form);
    scene.form.Apply();
    GetParam().applied(AppSettings());
    EXPECT_TRUE(scene.ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryControl, OptionsMapping, testing::ValuesIn(MappingRows()),
                         test::RowName());

struct FieldRow {
    std::string what;
    std::string timeout, sizeMin, cache, depth;
    int wantTimeout, wantMin, wantCache, wantDepth;
    std::string messages;  // separated by "|"
};

class OptionsFields : public testing::TestWithParam<FieldRow> {};

TEST_P(OptionsFields, NumbersFitOrKeepTheirValueWithTheMessage) {
    const FieldRow& row = GetParam();
    OptionsScene scene;
    Settings& s = AppSettings();
    s.nettimeout = 777;
    s.netsizemin = 55;
    scene.form.Form_Load();
    scene.form.txtCfgNetTimeout = row.timeout;
    scene.form.txtCfgNetSizeMin = row.sizeMin;
    scene.form.txtCfgScanner_Cache = row.cache;
    scene.form.txtCfgScanner_LevelDepth = row.depth;
    scene.form.Apply();
    EXPECT_EQ(s.nettimeout, row.wantTimeout);
    EXPECT_EQ(s.netsizemin, row.wantMin);
    EXPECT_EQ(s.Scanner_Cache, row.wantCache);
    EXPECT_EQ(s.Scanner_LevelDepth, row.wantDepth);
    EXPECT_EQ(test::Joined(scene.ui.Texts()), row.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Apply, OptionsFields,
    testing::Values(
        FieldRow{"units", "1min 30sec", "1mb 2kb", "7", "2", 90000, 1050624, 7, 2, ""},
        FieldRow{"empty fields", "", "", "", "", 0, 0, 1, 1, ""},
        FieldRow{"letters", "abc", "xyz", "abc", "abc", 0, 0, 1, 1, ""},
        FieldRow{"negative numbers", "-5", "-1kb", "-3", "-2", -5, -1024, 1, 1, ""},
        FieldRow{"unknown units count as plain", "3h", "4gb", "9 lives", "2x", 3, 4, 9, 2, ""},
        FieldRow{"zero cache and depth", "0", "0", "0", "0.4", 0, 0, 1, 1, ""},
        FieldRow{"beyond 32 bits keep the old value", "1e99", "2147483648", "1e99", "2147483648",
                 777, 55, INT_MAX, INT_MAX, "Overflow in NetEngine Timeout|Overflow"},
        FieldRow{"a duration beyond 32 bits", "35791395min", "-1e99", "5", "5", 777, 55, 5, 5,
                 "Overflow in NetEngine Timeout|Overflow"}),
    test::RowName());

TEST(Options, ApplyRebuildsTheFolderMenuThenTheReRouteMenuWithTheNewSettings) {
    OptionsScene scene;
    scene.form.Form_Load();
    scene.form.cFavList = {"/x/", "/y/"};
    scene.form.cReRouteList_Click(1);
    scene.form.cmdSubmit_Click(2);
    EXPECT_EQ(scene.host.calls, (std::vector<std::string>{"ReRoute flashget", "zmDir_Build /x/,/y/",
                                                          "zmRlist_Build flashget"}));
    EXPECT_EQ(scene.closes, 0);
    scene.form.cReRouteList_Click(0);
    scene.form.Apply();
    EXPECT_EQ(AppSettings().ReRouteDefaultId, "");
    EXPECT_EQ(AppSettings().ReRouteDefaultIndex, -1);
}

TEST(Options, OkAppliesReInitialisesAChangedEngineWritesTheFileAndCloses) {
    struct Row {
        const char* what;
        std::function<void(F&)> edit;
        bool reInit;
    };
    const Row rows[] = {
        {"user agent", [](F& f) { f.txtCfgBrowser = "agent/2"; }, true},
        {"proxy text", [](F& f) { f.txtCfgNetProxy = "proxy:3128"; }, true},
        {"proxy option", [](F& f) { f.optCfgNetProxyUse = 1; }, true},
        {"typed back as it was", [](F& f) { f.txtCfgBrowser = AppSettings().user_agent; }, false},
        {"another field", [](F& f) { f.txtCfgNetTimeout = "5sec"; }, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        OptionsScene scene;
        scene.form.Form_Load();
        row.edit(scene.form);
        scene.form.NetEngineEdited();
        scene.form.cmdSubmit_Click(0);
        std::vector<std::string> want = {"zmDir_Build ", "zmRlist_Build "};
        if (row.reInit) want.push_back("RavletNetReInit " + AppSettings().user_agent);
        want.push_back("WriteSettings");
        EXPECT_EQ(scene.host.calls, want);
        EXPECT_EQ(scene.closes, 1);
        EXPECT_NE(scene.home.Read("ravlet.ini").find("user-agent=" + AppSettings().user_agent),
                  std::string::npos);
    }
}

TEST(Options, CancelAppliesNothingAndResetLoadsTheStoredSettings) {
    OptionsScene scene;
    scene.form.Form_Load();
    scene.form.txtCfgBrowser = "edited";
    scene.form.cmdSubmit_Click(3);
    EXPECT_EQ(scene.form.txtCfgBrowser, AppSettings().user_agent);
    scene.form.txtCfgBrowser = "edited";
    scene.form.cmdSubmit_Click(1);
    EXPECT_NE(AppSettings().user_agent, "edited");
    EXPECT_EQ(scene.closes, 1);
    EXPECT_TRUE(scene.host.calls.empty());
    EXPECT_EQ(scene.home.Read("ravlet.ini"), "");
}

TEST(Options, EnablingRules) {
    struct Row {
        const char* what;
        std::function<void(F&, bool)> set;
        std::function<bool(const F&)> enabled;
    };
    const Row rows[] = {
        {"size check", [](F& f, bool on) { f.chkCfgNetSizeForce = on; }, &F::SizeFieldsEnabled},
        {"mime type", [](F& f, bool on) { f.chkCfgNetMimeTypeForce = on; }, &F::MimeTypeEnabled},
        {"proxy text", [](F& f, bool on) { f.optCfgNetProxyUse = on ? 1 : 0; }, &F::ProxyEnabled},
        {"clipboard get-change", [](F& f, bool on) { f.chkCfgAuto_CBmonitor = on; },
         &F::GetChangeEnabled},
        {"depth", [](F& f, bool on) { f.optCfgScanner_LevelMode = on ? 2 : 1; },
         &F::LevelDepthEnabled}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        OptionsScene scene;
        scene.form.Form_Load();
        for (bool on : {true, false}) {
            row.set(scene.form, on);
            EXPECT_EQ(row.enabled(scene.form), on);
        }
    }
}

TEST(Options, OneScanModeStaysOn) {
    OptionsScene scene;
    scene.form.Form_Load();
    F& f = scene.form;
    f.ScanBox_Click(1, true);
    EXPECT_TRUE(f.ScanLinkEnabled());
    f.ScanBox_Click(0, false);
    EXPECT_FALSE(f.chkCfgScanLink);
    f.ScanBox_Click(1, false);
    EXPECT_TRUE(f.chkCfgScanLink) << "the last other mode went off";
    EXPECT_FALSE(f.ScanLinkEnabled());
    f.ScanBox_Click(0, false);
    EXPECT_TRUE(f.chkCfgScanLink);
    f.ScanBox_Click(3, true);
    EXPECT_TRUE(f.ScanLinkEnabled());
}

TEST(Options, FavouritesAddDeleteAndRowClicks) {
    OptionsScene scene;
    F& f = scene.form;
    f.Form_Load();
    const std::string there = AddBackslash(scene.home.path());
    f.cFavDir = scene.home.path();
    f.cFavCmd_Click(1);
    EXPECT_EQ(f.cFavList, std::vector<std::string>{there});
    f.cFavCmd_Click(1);
    f.cFavDir = there.substr(0, there.size() - 5) + std::string(there.end() - 5, there.end());
    for (char& c : f.cFavDir) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    f.cFavCmd_Click(1);
    EXPECT_EQ(f.cFavList.size(), 1u) << "a folder already listed, in any case";
    EXPECT_TRUE(scene.ui.messages.empty());

    const std::string missing = scene.home.File("new/deeper/");
    f.cFavDir = missing;
    scene.ui.answers = {MsgAnswer::No};
    f.cFavCmd_Click(1);
    ASSERT_EQ(scene.ui.Texts(),
              std::vector<std::string>{"Direcotry\r\n" + missing +
                                       "\r\ndoes not exists. Do you want to create it ?"});
    EXPECT_EQ(scene.ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(f.cFavList.size(), 1u);
    EXPECT_FALSE(DirExists(missing));
    scene.ui.answers = {MsgAnswer::Yes};
    f.cFavCmd_Click(1);
    EXPECT_TRUE(DirExists(missing));
    EXPECT_EQ(f.cFavList, (std::vector<std::string>{there, missing}));

    scene.home.Write("blocker", "a file where a folder would go");
    f.cFavDir = scene.home.File("blocker/sub");
    scene.ui.answers = {MsgAnswer::Yes};
    f.cFavCmd_Click(1);
    EXPECT_EQ(scene.ui.messages.size(), 4u) << "the question, then the failure";
    EXPECT_EQ(f.cFavList.size(), 2u);

    f.cFavList_Click(0);
    EXPECT_EQ(f.cFavDir, there);
    f.cFavCmd_Click(2);
    EXPECT_EQ(f.cFavList, std::vector<std::string>{missing});
    f.cFavCmd_Click(2);
    EXPECT_EQ(f.cFavList.size(), 1u) << "nothing selected";

    scene.ui.files = {scene.home.File("picked")};
    f.cFavCmd_Click(0);
    EXPECT_EQ(f.cFavDir, scene.home.File("picked/"));
}

TEST(Options, TheReRouteListTheWebsiteAndTheNotInstalledNotice) {
    OptionsScene scene;
    scene.host.installed = {"aria2"};
    F& f = scene.form;
    f.Form_Load();
    ASSERT_EQ(f.cReRouteList.size(), 3u);
    EXPECT_EQ(f.cReRouteList[0].caption, "(none)");
    EXPECT_EQ(f.cReRouteList[0].data, -1);
    EXPECT_EQ(f.cReRouteList[1].caption, "FlashGet");
    EXPECT_EQ(f.cReRouteList[2].data, 12);
    EXPECT_EQ(f.cReRouteListIndex, 0);
    EXPECT_FALSE(f.ReRouteWebsiteEnabled());

    f.cReRouteList_Click(1);
    EXPECT_TRUE(f.ReRouteWebsiteEnabled());
    EXPECT_TRUE(f.cReRouteInfoShown);
    f.cReRouteCmd_Click();
    f.cReRouteList_Click(2);
    EXPECT_FALSE(f.cReRouteInfoShown);
    f.cReRouteList_Click(0);
    EXPECT_FALSE(f.cReRouteInfoShown);
    f.cReRouteCmd_Click();
    EXPECT_EQ(scene.host.calls, (std::vector<std::string>{"ReRoute flashget", "ReRoute aria2"}));
    EXPECT_EQ(scene.opened, std::vector<std::string>{"http://www.flashget.example"});
}

TEST(Options, PagesOpenCollapsedButTheOneAsked) {
    for (const auto& [page, entry] :
         std::vector<std::pair<int, int>>{{0, 1}, {5, 6}, {7, 8}, {-1, 2}}) {
        SCOPED_TRACE(page);
        OptionsScene scene;
        scene.form.ShowPreferences(page);
        Glist& pages = scene.form.Pages();
        ASSERT_EQ(pages.EntryCount(), Page_Count);
        for (int i = 1; i <= Page_Count; ++i) {
            EXPECT_EQ(std::get<std::string>(pages.EntryData(i, "caption")),
                      frmOptionsNew::kPageCaptions[i - 1]);
            EXPECT_EQ(std::get<bool>(pages.EntryData(i, "collapsed")), i != entry);
            EXPECT_EQ(scene.form.Page(i - 1).Visible(), i == entry);
        }
    }
}

TEST(Options, TheAboutPageAndTheIntegrationButtons) {
    OptionsScene scene;
    F& f = scene.form;
    AppSettings().webhomepage = "http://home.example/";
    f.Form_Load();
    EXPECT_EQ(f.lblVersion, "version " RAVLET_VERSION);
    f.cmdHomepage_Click(0);
    f.cmdHomepage_Click(1);
    EXPECT_EQ(scene.opened,
              (std::vector<std::string>{"http://home.example/", frmOptionsNew::kSupportMail}));
    f.verShown = true;
    f.verLbl_Click();
    EXPECT_FALSE(f.verShown);

    f.cmdIntegrate_Click(0);
    scene.host.integrationWorks = false;
    f.cmdIntegrate_Click(1);
    f.cmdCfgNetMs_Click();
    EXPECT_EQ(scene.host.calls, (std::vector<std::string>{"SetIntegration 1", "SetIntegration 0",
                                                          "OpenInternetSettings"}));
    EXPECT_EQ(scene.ui.Texts(),
              (std::vector<std::string>{"Integration succesfull", "Integration failed"}));
}

}  // namespace
}  // namespace ravlet
