#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "app/CommandLine.h"
#include "app/Settings.h"
#include "support/Joined.h"
#include "support/MainFixture.h"
#include "support/TestHttpServer.h"

namespace ravlet {

namespace {

using Rows = std::vector<std::string>;

using test::Page;

const char kTwoLinks[] = "<a href=\"one.html\">1</a> <a href=two.html>2</a>";

// A main window and a local server with a few pages.
struct Get {
    Get() {
        server.Route("/page.html", Page(kTwoLinks, "text/html; charset=utf-8"));
        server.Route("/more.html", Page("<a href=two.html> <a href=three.html>"));
        server.Route("/none.html", Page("no links at all"));
        server.Route("/data.bin", Page("<a href=in-binary.html>", "application/octet-stream"));
        server.Route("/caps.html", Page(kTwoLinks, "TEXT/HTML"));
        test::TestResponse broken = Page(std::string(kTwoLinks) + std::string(5000, ' '));
        broken.closeAfter = 10;
        server.Route("/broken.html", broken);
        f.main->ShowMainWindow();  // opens the network session
        f.main->txtUrl.text.clear();
    }
    void Press(const std::string& address) {
        f.main->txtUrl.text = address;
        f.main->cGo_Click();
    }
    test::MainFixture f;
    test::TestHttpServer server;
};

class GetTask : public ::testing::Test, protected Get {};

}  // namespace

TEST_F(GetTask, FillsTheListAndMarksItReady) {
    Press(server.Url("/page.html"));
    EXPECT_EQ(f.Rows(), (Rows{"one.html", "two.html"}));
    EXPECT_EQ(f.main->State(), 2);
    EXPECT_EQ(f.main->StatusBar.Caption(), "Ready (2 Links)");
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_EQ(f.refiner.ResetList(), (Rows{"one.html", "two.html"}));
    EXPECT_EQ(f.refiner.shows, 1) << "Refiner_AutoShow is on by default";
    EXPECT_EQ(f.home.Read("ravlet.hst"), server.Url("/page.html") + "\r\n");
}

TEST_F(GetTask, SendsTheUserAgentAndAccept) {
    AppSettings().user_agent = "ravlet-test/1";
    Press(server.Url("/page.html"));
    const auto received = server.Received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_NE(received[0].head.find("User-Agent: ravlet-test/1\r\n"), std::string::npos);
    EXPECT_NE(received[0].head.find("ccept: */html"), std::string::npos) << received[0].head;
}

TEST_F(GetTask, TrimsAndCompletesTheAddress) {
    const std::string address = server.Url("/page.html");
    Press("   " + address.substr(7));  // no scheme, leading blanks
    EXPECT_EQ(f.main->txtUrl.text, address);
    EXPECT_EQ(f.Rows().size(), 2u);
}

// The Ctrl key as the platform reports it when the get starts decides, not the last key
// event the window saw: its release may have gone to the refiner.
TEST_F(GetTask, AddModeFollowsTheCtrlKeyReallyHeld) {
    Press(server.Url("/page.html"));
    f.main->Form_KeyDown({Key_Control, false, true, false});  // release never seen
    Press(server.Url("/more.html"));
    EXPECT_EQ(f.Rows(), (Rows{"two.html", "three.html"})) << "Ctrl is up: the list is replaced";
    EXPECT_EQ(f.main->GetCaption(), "&Get");
    f.ui.controlHeld = true;
    Press(server.Url("/page.html"));
    EXPECT_EQ(f.Rows(), (Rows{"two.html", "three.html", "one.html"}))
        << "Ctrl held without a key event seen: the links are added";
}

TEST_F(GetTask, NonHtmlAskedAndDeclinedLeavesTheList) {
    f.Rows({"kept"});
    Press(server.Url("/data.bin"));
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text,
              "This file does not seem to be HTML!\r\n\r\nDo you want to continue ?\r\n\r\n"
              "File info:\r\nMimetype:application/octet-stream\r\nSize:23");
    EXPECT_EQ(f.ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(f.Rows(), Rows{"kept"});
    EXPECT_EQ(f.main->State(), 2);
    EXPECT_EQ(f.home.Read("ravlet.hst"), "") << "a declined page is not recorded";
}

// An error page's links are not the page's: the list stays, the status bar and the log say
// why.
TEST_F(GetTask, APageWithAnErrorStatusIsNotParsed) {
    test::TestResponse gone = Page("<a href=help.html>help</a>");
    gone.status = 404;
    gone.reason = "Not Found";
    server.Route("/gone.html", gone);
    f.Rows({"kept"});
    Press(server.Url("/gone.html"));
    EXPECT_EQ(f.Rows(), Rows{"kept"});
    const std::string line = "Error: Http Code not OK (200):404 - Url: " + server.Url("/gone.html");
    EXPECT_EQ(f.main->StatusBar.Caption(), line);
    EXPECT_NE(f.main->Log().txtLog().find(line), std::string::npos) << f.main->Log().txtLog();
    EXPECT_EQ(f.main->State(), 0);
    EXPECT_EQ(f.home.Read("ravlet.hst"), "") << "an error page is not recorded";

    // The local handler's 404 counts as well.
    Press("file://" + f.home.File("missing.html"));
    EXPECT_EQ(f.Rows(), Rows{"kept"});
    EXPECT_EQ(f.main->StatusBar.Caption().rfind("Error: Http Code not OK (200):404", 0), 0u);
}

TEST_F(GetTask, NotInteractiveAnswersWithTheFlag) {
    f.main->txtUrl.text = server.Url("/data.bin");
    f.main->GetPage(false, false, true);
    EXPECT_EQ(f.Rows(), Rows{"in-binary.html"});
    f.main->txtUrl.text = server.Url("/data.bin");
    f.Rows({"kept"});
    f.main->GetPage(false, false, false);
    EXPECT_EQ(f.Rows(), Rows{"kept"});
    EXPECT_TRUE(f.ui.messages.empty());
}

// One get of an address, over a list holding "kept" unless the row says otherwise: the list, State
// and the messages after it ("|" between rows and messages; a message ending in "*" is its
// beginning).
TEST(GetTaskRows, ListStateAndMessages) {
    const auto path = [](const std::string& p) { return [p](Get& g) { return g.server.Url(p); }; };
    const struct {
        const char* what;
        std::function<std::string(Get&)> address;
        const char* rows;
        int state;
        const char* messages;
        bool answerYes = false;
        const char* before = "kept";
    } rows[] = {
        {"content type in capitals is html", path("/caps.html"), "one.html|two.html", 2, ""},
        {"non html accepted is parsed", path("/data.bin"), "in-binary.html", 2,
         "This file does not seem to be HTML!*", true},
        {"a page without links says so", path("/none.html"), "", 0,
         "Error: no links/references on page were found.", false, ""},
        {"a page without links in add mode keeps the list ready",
         [](Get& g) {
             g.f.main->AddMode(true);
             return g.server.Url("/none.html");
         },
         "kept", 2, ""},
        {"a failed fetch leaves the list", path("/broken.html"), "kept", 0, "Error: *"},
        {"an unreachable server says so",
         [](Get&) {
             test::TestHttpServer gone;  // its port is free again once it is gone
             return gone.Url("/x.html");
         },
         "kept", 0, "Error: *"},
        {"a huge address is no problem",
         [](Get&) { return "http://127.0.0.1:1/" + std::string(100 * 1024, 'a'); }, "kept", 0, "*"},
        {"a page that never ends stops at the bound",
         [](Get& g) {
             test::TestResponse endless;
             endless.headers.push_back({"Content-Type", "text/html"});
             endless.generatedSize = 4 << 20;
             endless.sendLength = false;
             g.server.Route("/endless.html", endless);
             g.f.main->objRvGet.PageBound(1 << 20);
             return g.server.Url("/endless.html");
         },
         "kept", 0, "Error: The page is larger than 1 MB; reading stopped."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Get g;
        g.f.Rows(test::Split(row.before));
        if (row.answerYes) g.f.ui.answers.push_back(MsgAnswer::Yes);
        g.Press(row.address(g));
        EXPECT_EQ(g.f.Rows(), test::Split(row.rows));
        EXPECT_EQ(g.f.main->State(), row.state);
        const std::vector<std::string> want = test::Split(row.messages), got = g.f.MessageTexts();
        EXPECT_EQ(got.size(), want.size()) << test::Joined(got);
        for (std::size_t i = 0; i < std::min(want.size(), got.size()); ++i) {
            if (!want[i].empty() && want[i].back() == '*') {
                EXPECT_EQ(got[i].rfind(want[i].substr(0, want[i].size() - 1), 0), 0u) << got[i];
            } else {
                EXPECT_EQ(got[i], want[i]);
            }
        }
    }
}

// While the page is awaited the window goes on answering, and a stop served there (or a close
// of the window answered Yes, which stops the get and keeps ravlet) ends the wait at once,
// without the time-out's help.
TEST(GetTaskStop, TheWaitForASilentServerServesEventsAndEndsAtAStop) {
    for (const bool byClose : {false, true}) {
        SCOPED_TRACE(byClose ? "close" : "stop");
        Get g;
        test::TestResponse silent;
        silent.neverAnswer = true;
        g.server.Route("/silent.html", silent);
        AppSettings().nettimeout = 10000;  // only the stop ends the wait within the bound
        g.f.ui.answers.push_back(MsgAnswer::Yes);
        int servesWhileBusy = 0;
        bool closed = false;
        std::chrono::steady_clock::time_point stopAt;
        g.f.ui.onServeEvents = [&] {
            if (g.f.main->State() != 1 || ++servesWhileBusy != 10) return;
            stopAt = std::chrono::steady_clock::now();
            if (byClose)
                closed = g.f.main->Form_QueryUnload(false);
            else
                g.f.main->objRvGet.NetUrlReadStop();
        };
        g.Press(g.server.Url("/silent.html"));
        EXPECT_LT(std::chrono::steady_clock::now() - stopAt, std::chrono::milliseconds(1000));
        EXPECT_EQ(servesWhileBusy, 10);
        EXPECT_FALSE(closed) << "ravlet stays; only the task stops";
        EXPECT_EQ(g.f.main->State(), 0);
        std::vector<std::string> messages{"Error: " + RvNetGet::TranslateErrorCode(12017)};
        if (byClose) messages.insert(messages.begin(), "Do you want to stop getting the page ?");
        EXPECT_EQ(g.f.MessageTexts(), messages);
    }
}

TEST_F(GetTask, AutoLeechStartsTheDownloadOnlyAfterLinks) {
    AppSettings().Auto_Leech = 1;
    Press(server.Url("/none.html"));
    EXPECT_TRUE(f.download.buttons.empty());
    Press(server.Url("/page.html"));
    EXPECT_EQ(f.download.buttons, std::vector<int>{0});
}

TEST_F(GetTask, BuildsTheBaseAndAppliesTheFiltersWhenAsked) {
    AppSettings().Auto_BuildBase = 2;
    AppSettings().Refiner_AutoApply = true;
    AppSettings().Refiner_AutoShow = false;
    Press(server.Url("/page.html"));
    EXPECT_EQ(f.main->txtUrlBase, server.Url("/"));
    EXPECT_EQ(f.refiner.commands, std::vector<int>{3000});
    EXPECT_EQ(f.refiner.shows, 0);
}

TEST_F(GetTask, ACommandLineAddressIsFetched) {
    HandleCommandLine(*f.main, server.Url("/page.html") + " ignored words");
    EXPECT_EQ(f.Rows(), (Rows{"one.html", "two.html"}));
}

}  // namespace ravlet
