#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "platform/Registry.h"
#include "support/MainFixture.h"
#include "support/RecordingAutomation.h"

namespace ravlet {

namespace {
using Calls = std::vector<std::string>;

// A window with the given managers installed; Fill gives it the list, its page and a base box
// without a scheme, so rows resolve against the page.
struct Managers {
    explicit Managers(std::initializer_list<const char*> installed) {
        for (const char* name : installed) managers.Register(name);
    }
    void Fill() {
        f.main->ShowMainWindow();
        managers.calls.clear();  // the menu asked every manager as the window loaded
        f.Rows({"a.zip", "http://o/b.zip"});
        f.main->txtUrl.text = "http://site/d/p.html";
        f.main->txtUrlBase = "not a base";
    }
    test::MainFixture f;
    test::RecordingAutomation managers;
};
}  // namespace

// A manager of one address gets every row resolved, one of the whole list is called once; an
// empty list hands nothing.
TEST(TaskReRoute, EachManagerGetsTheRowsItsWay) {
    const Calls one = {"create dapie.catcher",
                       R"(call MenuURL("http://site/d/a.zip", "http://site/d/p.html", ""))",
                       "create dapie.catcher",
                       R"(call MenuURL("http://o/b.zip", "http://site/d/p.html", ""))"};
    const Calls whole = {
        "create JetCar.Netscape",
        R"(call AddUrlList(["http://site/d/p.html"|"a.zip"|"Re-Routed by Ravlet"|"http://o/b.zip"|"Re-Routed by Ravlet"]))"};
    const struct {
        const char *installed, *id;
        bool filled;
        Calls calls;
    } cases[] = {{"dapie.catcher", "dap", true, one},
                 {"JetCar.Netscape", "flashget", true, whole},
                 {"dapie.catcher", "dap", false, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        Managers m{c.installed};
        if (c.filled) {
            m.Fill();
        } else {
            m.f.main->ShowMainWindow();
            m.managers.calls.clear();
        }
        m.f.main->Task_ReRoute(c.id);
        EXPECT_EQ(m.managers.calls, c.calls);
        EXPECT_FALSE(m.f.ui.busy());
    }
}

// A hand-off that serves events while a manager works: a second one asked for meanwhile
// (the menu clicked again) does nothing, so no row is handed over twice.
TEST(TaskReRoute, ASecondHandOffDuringTheFirstDoesNothing) {
    Managers m{"dapie.catcher"};
    m.Fill();
    int nested = 0;
    m.managers.onCall = [&] {
        if (nested++ == 0) m.f.main->Task_ReRoute("dap");
    };
    m.f.main->Task_ReRoute("dap");
    EXPECT_EQ(m.managers.calls.size(), 4u) << "two rows, each created and called once";
    m.managers.onCall = nullptr;
    m.managers.calls.clear();
    m.f.main->Task_ReRoute("dap");
    EXPECT_EQ(m.managers.calls.size(), 4u) << "the next hand-off after it works";
}

// The window closes after a hand-off only with the option, and an automatic close asks nothing.
TEST(TaskReRouteClose, ClosesOnlyAfterAHandOff) {
    const struct {
        const char *what, *id;
        bool autoClose, closed;
        std::size_t messages;
    } cases[] = {{"one by one then closed", "dap", true, true, 0},
                 {"whole list then closed", "flashget", true, true, 0},
                 {"no close without the option", "dap", false, false, 0},
                 {"not installed stays open", "winget", true, false, 1},
                 {"no routine stays open", "netvampire", true, false, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Managers m{"dapie.catcher", "JetCar.Netscape"};
        AppSettings().confirmclose = true;
        m.Fill();
        AppSettings().ReRouteAutoClose = c.autoClose;
        m.f.main->Task_ReRoute(c.id);
        EXPECT_EQ(m.f.main->Closed(), c.closed);
        EXPECT_EQ(m.f.ui.messages.size(), c.messages);
    }
}

TEST(TaskReRoute, TheDefaultGoesToTheDefaultManagerOnly) {
    for (const char* id : {"", "none", "dap"}) {
        Managers m{"dapie.catcher"};
        m.Fill();
        AppSettings().ReRouteDefaultId = id;
        m.f.main->Task_ReRoute_Default();
        EXPECT_EQ(m.managers.calls.size(), std::string(id) == "dap" ? 4u : 0u) << id;
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
