#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/LogSink.h"
#include "platform/Registry.h"
#include "reroute/ReRoute.h"
#include "reroute/ReRouteRegistry.h"
#include "support/FakeReRouteHost.h"
#include "support/Joined.h"
#include "support/RecordingAutomation.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {

namespace {

using Calls = std::vector<std::string>;

const char* const kProgIds[] = {
    "WG.WGUrlListReceiver",  "dlexpertapi",       "Mdpph.API.1",      "WinIE.WinIEObj.1",
    "dapie.catcher",         "DnloadMage.Staff",  "JetCar.Netscape",  "MassDown.AddUrl.1",
    "NTIEHelper.NTIEAddUrl", "FDIEHlp.FDCatcher", "LeechGetIE.AddURL"};

const char kAddress[] = "http://site/dir/a.zip";
const char kReferrer[] = "http://ref/";
const char kFdmKey[] = "Software\\VicMan Software\\Free Download Manager";
const char kMageKey[] = "Software\\LCT\\DnloadMage";

// The main list: relative, absolute, and rooted, which a prefix and a resolution treat apart.
test::FakeReRouteHost Host() {
    test::FakeReRouteHost host;
    host.rows = {"a.zip", "http://other/b.zip", "/c.zip"};
    host.page = "http://site/dir/page.html";
    return host;
}

struct World {
    test::TempHome home;
    test::ScriptedUi ui;
    test::RecordingAutomation managers;
    std::vector<std::string> log;
    World() {
        SetLogHandler([this](const std::string& t, bool) { log.push_back(t); });
    }
    ~World() { SetLogHandler(nullptr); }
    void Key(RegHive hive, const std::string& key) { ASSERT_TRUE(Registry().CreateKey(hive, key)); }
};

}  // namespace

// Resolved rows carry the prefix, BaseSafe rows are resolved, raw rows are as they stand.
TEST(ReRouteRoutine, CallsTheManagerAsItExpects) {
    const struct {
        const char* what;
        const char* id;
        const char* address;
        std::string calls;  // joined by "; "
        int result;
        const char* userKey = nullptr;     // made under the current user's hive
        const char* machineKey = nullptr;  // made under the machine's hive
        bool installed = true;             // every component can be created
        bool emptyList = false;
        const char* message = nullptr;
    } rows[] = {
        {"fdm sends every row resolved with the page as referrer", "fdm", kAddress,
         R"(create WG.WGUrlListReceiver; put Referer="http://site/dir/page.html"; )"
         R"(put url="http://site/dir/a.zip"; put Comment="rvre-route"; )"
         R"(call AddUrlToList(); put url="http://other/b.zip"; )"
         R"(put Comment="rvre-route"; call AddUrlToList(); )"
         R"(put url="http://site/c.zip"; put Comment="rvre-route"; )"
         R"(call AddUrlToList(); call ShowAddUrlListDialog())",
         2, kFdmKey},
        {"fdm found machine wide is available", "fdm", "", "", 1, nullptr, kFdmKey},
        {"fdm without its key is missing", "fdm", kAddress, "", 0},
        {"fdm not created", "fdm", kAddress, "", 0, kFdmKey, nullptr, false, false,
         "Free Download Manager not installed / found, can't add"},
        {"dlexpert gets resolved rows in pairs", "dlexpert", kAddress,
         R"(create dlexpertapi; call addjobs(["http://ref/"|"http://site/dir/a.zip"|""|)"
         R"("http://other/b.zip"|""|"http://site/dir//c.zip"|""]))",
         2},
        {"dlexpert available when created", "dlexpert", "", "create dlexpertapi", 1},
        {"dlexpert not installed, no address, no message", "dlexpert", "", "", 0, nullptr, nullptr,
         false},
        {"downloadexpress one address", "downloadexpress", kAddress,
         R"(create Mdpph.API.1; call DownloadFile("http://site/dir/a.zip", )"
         R"("http://ref/", ""))",
         1},
        {"winget address ends in a NUL", "winget", kAddress,
         R"(create WinIE.WinIEObj.1; call Download("http://site/dir/a.zip\0"))", 1},
        {"winget not installed", "winget", kAddress, "", 0, nullptr, nullptr, false, false,
         "WinGet not installed / found, can't add"},
        {"dap one address", "dap", kAddress,
         R"(create dapie.catcher; call MenuURL("http://site/dir/a.zip", "http://ref/", ""))", 1},
        {"downloadmage gets raw rows as links", "downloadmage", kAddress,
         R"(create DnloadMage.Staff; call DnloadHtml(" <a href="a.zip">-</a> )"
         R"(<a href="http://other/b.zip">-</a> <a href="/c.zip">-</a>", "http://ref/"))",
         2, kMageKey},
        {"downloadmage is looked for under the user only", "downloadmage", "", "", 0, nullptr,
         kMageKey},
        {"downloadmage available without creating", "downloadmage", "", "", 1, kMageKey},
        {"flashget gets raw rows in pairs", "flashget", kAddress,
         R"(create JetCar.Netscape; call AddUrlList(["http://ref/"|"a.zip"|)"
         R"("Re-Routed by Ravlet"|"http://other/b.zip"|"Re-Routed by Ravlet"|"/c.zip"|)"
         R"("Re-Routed by Ravlet"]))",
         2},
        {"massdownloader gets raw rows between Begin and End", "massdownloader", kAddress,
         R"(create MassDown.AddUrl.1; call AddUrl("Begin.", "Begin."); )"
         R"(call AddUrlWithReferer("a.zip", "a.zip", "http://ref/"); )"
         R"(call AddUrlWithReferer("http://other/b.zip", "http://other/b.zip", )"
         R"("http://ref/"); call AddUrlWithReferer("/c.zip", "/c.zip", "http://ref/"); )"
         R"(call AddUrl("End.", "End."))",
         2},
        {"nettransport gets resolved rows and comments, one empty entry more", "nettransport",
         kAddress,
         R"(create NTIEHelper.NTIEAddUrl; call AddList("http://ref/", )"
         R"(["http://site/dir/a.zip"|"http://other/b.zip"|"http://site/dir//c.zip"|""], )"
         R"(["rvre-route"|"rvre-route"|"rvre-route"|""]))",
         2},
        {"nettransport with an empty list calls nothing", "nettransport", kAddress,
         "create NTIEHelper.NTIEAddUrl", 1, nullptr, nullptr, true, true},
        {"fdnl passes a 16 bit zero", "fdnl", kAddress,
         R"(create FDIEHlp.FDCatcher; call AddFromMenu("http://site/dir/a.zip", )"
         R"("http://ref/", i16:0))",
         1},
        {"leechget one address", "leechget", kAddress,
         R"(create LeechGetIE.AddURL; call AddUrl("http://site/dir/a.zip"))", 1},
        {"netvampire has no routine", "netvampire", kAddress, "", -1},
        {"none has no routine", "none", "", "", -1},
        {"identifiers are case sensitive", "FDM", kAddress, "", -1, kFdmKey}};
    for (const auto& c : rows) {
        SCOPED_TRACE(c.what);
        World w;
        if (c.installed)
            for (const char* id : kProgIds) w.managers.Register(id);
        if (c.userKey) w.Key(RegHive::CurrentUser, c.userKey);
        if (c.machineKey) w.Key(RegHive::LocalMachine, c.machineKey);
        test::FakeReRouteHost host = Host();
        if (c.emptyList) host.rows.clear();
        EXPECT_EQ(ReRoute(host, c.id, c.address, kReferrer), c.result);
        EXPECT_EQ(test::Joined(w.managers.calls, "; "), c.calls);
        EXPECT_EQ(w.ui.Texts(), c.message ? Calls{c.message} : Calls{});
    }
}

TEST(ReRouteCreateObject, AnyOtherFailureIsReportedBetweenSnipLines) {
    World w;
    w.managers.RegisterFailing("dapie.catcher", {-2147024770, "The module could not be found"});
    EXPECT_EQ(ReRoute(Host(), "dap", "", ""), 0);
    EXPECT_EQ(w.log, (Calls{"</snip>", "-2147024770:The module could not be found",
                            "unexpected error in ReRoute for Download Accelerator.", "<snip>",
                            "Error: An unexpected one. please send the developer ( "
                            "ravlet@ravlet.example.org ) the following lines:"}));
    EXPECT_EQ(w.ui.Texts(),
              Calls{"Unexpected Error. Please notify the Developer. See Log for more details."});
}

TEST(ReRouteCreateObject, AFailingCallStopsTheHandOff) {
    World w;
    w.managers.Register("MassDown.AddUrl.1");
    w.managers.FailCall("AddUrlWithReferer", {5, "Invalid procedure call"});
    EXPECT_EQ(ReRoute(Host(), "massdownloader", kAddress, kReferrer), 0);
    EXPECT_EQ(w.managers.calls.size(), 3u) << "nothing more after the failed call";
    ASSERT_EQ(w.log.size(), 5u);
    EXPECT_EQ(w.log[1], "5:Invalid procedure call");
}

TEST(ReRouteRegistry, WackGetFolderIsTheMachineDefaultValueWithoutItsNul) {
    World w;
    EXPECT_EQ(WackGetFolder(), "");
    w.Key(RegHive::LocalMachine, "Software\\Millweed\\WackGet");
    EXPECT_EQ(WackGetFolder(), "");
    Registry().SetValue(RegHive::LocalMachine, "Software\\Millweed\\WackGet", "",
                        {RegType::Text, std::string("C:\\WackGet\0", 11)});
    EXPECT_EQ(WackGetFolder(), "C:\\WackGet");
    EXPECT_FALSE(RegKeyExists("Software\\Millweed\\WackGet", false));
    EXPECT_TRUE(RegKeyExists("Software\\Millweed\\WackGet", true));
}

}  // namespace ravlet
