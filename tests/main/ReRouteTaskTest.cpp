#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "platform/Registry.h"
#include "support/MainFixture.h"
#include "support/RecordingAutomation.h"
#include "support/RowName.h"

namespace ravlet {

namespace {
using Calls = std::vector<std::string>;

// The list, its page and a base box without a scheme, so rows resolve against the page.
void Fill(test::MainFixture& f, test::RecordingAutomation& managers) {
    f.main->ShowMainWindow();
    managers.calls.clear();  // the menu asked every manager as the window loaded
    f.Rows({"a.zip", "http://o/b.zip"});
    f.main->txtUrl.text = "http://site/d/p.html";
    f.main->txtUrlBase = "not a base";
}
}  // namespace

TEST(TaskReRoute, AManagerOfOneAddressGetsEveryRowResolved) {
    test::MainFixture f;
    test::RecordingAutomation managers;
    managers.Register("dapie.catcher");
    Fill(f, managers);
    f.main->Task_ReRoute("dap");
    EXPECT_EQ(managers.calls,
              (Calls{"create dapie.catcher",
                     R"(call MenuURL("http://site/d/a.zip", "http://site/d/p.html", ""))",
                     "create dapie.catcher",
                     R"(call MenuURL("http://o/b.zip", "http://site/d/p.html", ""))"}));
    EXPECT_FALSE(f.ui.busy());
}

TEST(TaskReRoute, AManagerOfTheWholeListIsCalledOnce) {
    test::MainFixture f;
    test::RecordingAutomation managers;
    managers.Register("JetCar.Netscape");
    Fill(f, managers);
    f.main->Task_ReRoute("flashget");
    ASSERT_EQ(managers.calls.size(), 2u);
    EXPECT_EQ(
        managers.calls[1],
        R"(call AddUrlList(["http://site/d/p.html"|"a.zip"|"Re-Routed by Ravlet"|"http://o/b.zip"|"Re-Routed by Ravlet"]))");
}

// A hand-off that serves events while a manager works: a second one asked for meanwhile
// (the menu clicked again) does nothing, so no row is handed over twice.
TEST(TaskReRoute, ASecondHandOffDuringTheFirstDoesNothing) {
    test::MainFixture f;
    test::RecordingAutomation managers;
    managers.Register("dapie.catcher");
    Fill(f, managers);
    int nested = 0;
    managers.onCall = [&] {
        if (nested++ == 0) f.main->Task_ReRoute("dap");
    };
    f.main->Task_ReRoute("dap");
    EXPECT_EQ(managers.calls.size(), 4u) << "two rows, each created and called once";
    managers.onCall = nullptr;
    managers.calls.clear();
    f.main->Task_ReRoute("dap");
    EXPECT_EQ(managers.calls.size(), 4u) << "the next hand-off after it works";
}

TEST(TaskReRoute, AnEmptyListHandsNothing) {
    test::MainFixture f;
    test::RecordingAutomation managers;
    managers.Register("dapie.catcher");
    f.main->ShowMainWindow();
    managers.calls.clear();
    f.main->Task_ReRoute("dap");
    EXPECT_TRUE(managers.calls.empty());
}

struct CloseCase {
    const char* what;
    const char* id;
    bool autoClose;
    bool closed;
    int messages;
};

class TaskReRouteClose : public ::testing::TestWithParam<CloseCase> {};

TEST_P(TaskReRouteClose, ClosesOnlyAfterAHandOff) {
    const CloseCase& c = GetParam();
    test::MainFixture f;
    test::RecordingAutomation managers;
    managers.Register("dapie.catcher");
    managers.Register("JetCar.Netscape");
    AppSettings().confirmclose = true;
    Fill(f, managers);
    AppSettings().ReRouteAutoClose = c.autoClose;
    f.main->Task_ReRoute(c.id);
    EXPECT_EQ(f.main->Closed(), c.closed);
    EXPECT_EQ(f.ui.messages.size(), static_cast<std::size_t>(c.messages))
        << "an automatic close asks nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Results, TaskReRouteClose,
    ::testing::Values(CloseCase{"one by one then closed", "dap", true, true, 0},
                      CloseCase{"whole list then closed", "flashget", true, true, 0},
                      CloseCase{"no close without the option", "dap", false, false, 0},
                      CloseCase{"not installed stays open", "winget", true, false, 1},
                      CloseCase{"no routine stays open", "netvampire", true, false, 0}),
    test::RowName());

TEST(TaskReRoute, TheDefaultGoesToTheDefaultManagerOnly) {
    for (const char* id : {"", "none", "dap"}) {
        test::MainFixture f;
        test::RecordingAutomation managers;
        managers.Register("dapie.catcher");
        Fill(f, managers);
        AppSettings().ReRouteDefaultId = id;
        f.main->Task_ReRoute_Default();
        EXPECT_EQ(managers.calls.size(), std::string(id) == "dap" ? 4u : 0u) << id;
    }
}

TEST(zmRlistBuild, CaptionsAndAvailability) {
    test::MainFixture f;
    // uGet is looked for on the PATH: an empty folder holds no uget-gtk.
    const std::string path = std::getenv("PATH");
    setenv("PATH", f.home.path().c_str(), 1);
    test::RecordingAutomation managers;
    managers.Register("JetCar.Netscape");
    Registry().CreateKey(RegHive::LocalMachine, "Software\\VicMan Software\\Free Download Manager");
    AppSettings().ReRouteDefaultId = "downloadmage";
    f.main->ShowMainWindow();
    const ReRouteMenu& menu = f.main->zmR();
    EXPECT_EQ(menu.defaultCaption, "Download Mage (Default)");
    std::vector<std::string> enabled, captions;
    for (const ReRouteMenuItem& item : menu.items) {
        captions.push_back(item.caption + (item.separatorBefore ? " |" : ""));
        if (item.enabled) enabled.push_back(item.id);
    }
    EXPECT_EQ(captions,
              (Calls{"Free Download Manager", "DLExpert", "Download Express", "WinGet",
                     "WackGet v1.1 (millweed.com)", "WackGet v1.2.2 (millweed.com)",
                     "Download Accelerator Plus -DAP", "Download Mage", "Flashget (former JetCar)",
                     "Mass Downloader", "Net Transport", "Net Vampire", "aria2 |", "uGet"}));
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(enabled, (Calls{"fdm", "flashget"}));
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(zmRlistBuild, AnUnknownDefaultReadsNone) {
    for (const char* id : {"", "fdnl", "gone"}) {
        test::MainFixture f;
        AppSettings().ReRouteDefaultId = id;
        f.main->ShowMainWindow();
        EXPECT_EQ(f.main->zmR().defaultCaption, "none (Default)") << id;
    }
}

TEST(zmRopt, TheTwoOptionsToggleAndAreWrittenAtOnce) {
    test::MainFixture f;
    f.main->ShowMainWindow();
    f.main->zmRopt_Click(zmRopt_AutoClose);
    EXPECT_TRUE(f.main->zmRopt_Checked(zmRopt_AutoClose));
    EXPECT_NE(f.home.Read("ravlet.ini").find("\r\nReRouteAutoClose=1\r\nReRouteAuto=0\r\n"),
              std::string::npos);
    f.main->zmRopt_Click(zmRopt_Auto);
    f.main->zmRopt_Click(zmRopt_AutoClose);
    EXPECT_NE(f.home.Read("ravlet.ini").find("\r\nReRouteAutoClose=0\r\nReRouteAuto=1\r\n"),
              std::string::npos);
}

}  // namespace ravlet
