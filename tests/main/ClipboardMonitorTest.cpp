#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "app/Settings.h"
#include "platform/Timer.h"
#include "support/MainFixture.h"
#include "support/TestHttpServer.h"

namespace ravlet {

// What one look at the clipboard puts into the page address box (which holds "http://box/").
TEST(ClipboardCheck, TakesAnAddressFromTheFirstLine) {
    const struct {
        const char* name;
        std::string clipboard, box;
        std::size_t padding = 0;  // megabytes of this byte follow the text
        char pad = ' ';
    } cases[] = {
        {"Address", "http://new/a.html", "http://new/a.html"},
        {"FirstLineCrLf", "http://new/\r\nhttp://second/", "http://new/"},
        {"FirstLineLf", "ftp://files/x\nmore", "ftp://files/x"},
        {"FirstLineCr", "http://new/\rmore", "http://new/"},
        {"NoScheme", "www.example.org", "http://box/"},
        {"SchemeOnSecondLine", "see\r\nhttp://x/", "http://box/"},
        {"TooShort", "ab", "http://box/"},
        {"Binary", std::string("\x00\x01\xff http://x/", 12), "http://box/"},
        {"MegabytesWithoutAddress", "", "http://box/", 3 << 20, 'x'},
        {"MegabytesAfterAnAddress", "http://big/\r\n", "http://big/", 2 << 20, 'y'},
    };
    for (const auto& c : cases) {
        test::MainFixture f;
        f.main->txtUrl.text = "http://box/";
        f.Clip(c.clipboard + std::string(c.padding, c.pad));
        f.main->CheckClipboardUrl(true);
        EXPECT_EQ(f.main->txtUrl.text, c.box) << c.name;
    }
}

TEST(ClipboardCheck, ALockedClipboardIsIgnored) {
    test::MainFixture f;
    f.Clip("http://new/");
    f.clipboard.locked = true;
    f.main->CheckClipboardUrl(true);
    EXPECT_EQ(f.main->txtUrl.text, "");
    f.clipboard.locked = false;
    f.main->CheckClipboardUrl(true);
    EXPECT_EQ(f.main->txtUrl.text, "http://new/");
}

// A look at the load (or any look told not to fetch) takes the address even with
// Auto_CBmonitor_GetChange, and fetches nothing.
TEST(ClipboardCheck, TheWindowLoadTakesTheAddressWithoutFetching) {
    test::MainFixture f;
    AppSettings().Auto_CBmonitor_GetChange = true;
    f.Clip("http://127.0.0.1:1/never-fetched");
    f.main->ShowMainWindow();
    EXPECT_EQ(f.main->txtUrl.text, "http://127.0.0.1:1/never-fetched");
    f.Clip("file:///nonexistent-ravlet/page.html");
    f.main->CheckClipboardUrl(true);
    EXPECT_EQ(f.main->txtUrl.text, "file:///nonexistent-ravlet/page.html");
    EXPECT_EQ(f.main->State(), 0);
    EXPECT_TRUE(f.ui.messages.empty()) << "no get was started";
}

TEST(ClipboardCheck, TheWindowLoadPutsABlankAndHttpIntoAnEmptyBox) {
    test::MainFixture f;
    f.main->ShowMainWindow();
    EXPECT_EQ(f.main->txtUrl.text, " http://");
}

class ClipboardMonitor : public ::testing::Test {
  protected:
    ClipboardMonitor() {
        AppSettings().Auto_CBmonitor = true;
        f.main->ShowMainWindow();
        f.main->txtUrl.text = "http://box/";
    }
    // Copies an address and lets the clock run for ms.
    std::string After(long ms, const std::string& copied = "http://copied/") {
        f.Clip(copied);
        f.clock.Advance(ms);
        return f.main->txtUrl.text;
    }
    test::MainFixture f;
};

TEST_F(ClipboardMonitor, LooksOncePerSecond) {
    EXPECT_TRUE(f.main->ClipboardTimer().Running());
    const int before = f.clipboard.reads;
    EXPECT_EQ(After(999), "http://box/");
    EXPECT_EQ(f.clipboard.reads, before);
    EXPECT_EQ(After(1), "http://copied/");
    f.clock.Advance(3000);
    EXPECT_EQ(f.clipboard.reads, before + 4);
}

// The monitor is off, or the user works in the address area or the preferences: no look.
TEST_F(ClipboardMonitor, NotWhileOffOrTheUserWorksElsewhere) {
    const std::pair<const char*, std::function<void(frmMain&, bool)>> blocks[] = {
        {"off", [](frmMain&, bool on) { AppSettings().Auto_CBmonitor = !on; }},
        {"area", [](frmMain& m, bool on) { m.AddressAreaActive(on); }},
        {"prefs", [](frmMain& m, bool on) { m.PreferencesOpen(on); }},
    };
    for (const auto& [what, block] : blocks) {
        f.main->txtUrl.text = "http://box/";
        block(*f.main, true);
        EXPECT_EQ(After(2000, std::string("http://") + what + "/"), "http://box/") << what;
        block(*f.main, false);
        EXPECT_EQ(After(1000, std::string("http://") + what + "/"),
                  std::string("http://") + what + "/")
            << what;
    }
}

TEST_F(ClipboardMonitor, AClickIntoTheBoxMarksTheClipboardAsSeen) {
    f.Clip("http://seen/");
    f.main->txtUrl_Click();
    EXPECT_EQ(After(1000, "http://seen/"), "http://box/");
    EXPECT_EQ(After(1000, "http://fresh/"), "http://fresh/");
}

TEST_F(ClipboardMonitor, TakesAnAddressOnceEvenWhenTheUserTypesAnother) {
    EXPECT_EQ(After(1000), "http://copied/");
    f.main->txtUrl.text = "http://typed/";
    EXPECT_EQ(After(3000), "http://typed/");
}

TEST_F(ClipboardMonitor, TheSameAddressAsTheBoxStartsNoGet) {
    AppSettings().Auto_CBmonitor_GetChange = true;
    f.main->txtUrl.text = "http://127.0.0.1:1/same";
    EXPECT_EQ(After(1000, "http://127.0.0.1:1/same"), "http://127.0.0.1:1/same");
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.main->State(), 0);
}

// With Auto_CBmonitor_GetChange a copied address is fetched at the next look: one request,
// and the page's links fill the list. The same clipboard is not fetched again.
TEST_F(ClipboardMonitor, FetchesACopiedAddressWhenAskedTo) {
    test::TestHttpServer server;
    server.Route("/copied.html", test::Page("<a href=one.html> <a href=two.html>"));
    AppSettings().Auto_CBmonitor_GetChange = true;
    EXPECT_EQ(After(999, server.Url("/copied.html")), "http://box/");
    EXPECT_EQ(server.Requests(), 0);
    EXPECT_EQ(After(1, server.Url("/copied.html")), server.Url("/copied.html"));
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(f.Rows(), (std::vector<std::string>{"one.html", "two.html"}));
    EXPECT_EQ(f.main->State(), 2);
    f.clock.Advance(5000);
    EXPECT_EQ(server.Requests(), 1) << "one request for one copy";
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST_F(ClipboardMonitor, StopsWhenTheWindowCloses) {
    AppSettings().confirmclose = false;
    ASSERT_TRUE(f.main->Form_QueryUnload());
    EXPECT_FALSE(f.main->ClipboardTimer().Running());
}

}  // namespace ravlet
