#include <gtest/gtest.h>

#include <chrono>

#include "app/CommandLine.h"
#include "app/Settings.h"
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

}  // namespace

TEST(GetTask, FillsTheListAndMarksItReady) {
    Get g;
    g.Press(g.server.Url("/page.html"));
    EXPECT_EQ(g.f.Rows(), (Rows{"one.html", "two.html"}));
    EXPECT_EQ(g.f.main->State(), 2);
    EXPECT_EQ(g.f.main->StatusBar.Caption(), "Ready (2 Links)");
    EXPECT_TRUE(g.f.ui.messages.empty());
    EXPECT_EQ(g.f.refiner.ResetList(), (Rows{"one.html", "two.html"}));
    EXPECT_EQ(g.f.refiner.shows, 1) << "Refiner_AutoShow is on by default";
    EXPECT_EQ(g.f.home.Read("ravlet.hst"), g.server.Url("/page.html") + "\r\n");
}

TEST(GetTask, SendsTheUserAgentAndAccept) {
    Get g;
    AppSettings().user_agent = "ravlet-test/1";
    g.Press(g.server.Url("/page.html"));
    const auto received = g.server.Received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_NE(received[0].head.find("User-Agent: ravlet-test/1\r\n"), std::string::npos);
    EXPECT_NE(received[0].head.find("ccept: */html"), std::string::npos) << received[0].head;
}

TEST(GetTask, TrimsAndCompletesTheAddress) {
    Get g;
    const std::string address = g.server.Url("/page.html");
    g.Press("   " + address.substr(7));  // no scheme, leading blanks
    EXPECT_EQ(g.f.main->txtUrl.text, address);
    EXPECT_EQ(g.f.Rows().size(), 2u);
}

TEST(GetTask, AddModeAppendsWithoutDuplicates) {
    Get g;
    g.Press(g.server.Url("/page.html"));
    g.f.main->Form_KeyDown({Key_Control, false, true, false});
    g.f.ui.controlHeld = true;
    g.Press(g.server.Url("/more.html"));
    EXPECT_EQ(g.f.Rows(), (Rows{"one.html", "two.html", "three.html"}));
    g.f.main->Form_KeyUp({Key_Control});
    g.f.ui.controlHeld = false;
    g.Press(g.server.Url("/more.html"));
    EXPECT_EQ(g.f.Rows(), (Rows{"two.html", "three.html"})) << "without Ctrl the list is replaced";
}

// The Ctrl key as the platform reports it when the get starts decides, not the last key
// event the window saw: its release may have gone to the refiner.
TEST(GetTask, AddModeFollowsTheCtrlKeyReallyHeld) {
    Get g;
    g.Press(g.server.Url("/page.html"));
    g.f.main->Form_KeyDown({Key_Control, false, true, false});  // release never seen
    g.Press(g.server.Url("/more.html"));
    EXPECT_EQ(g.f.Rows(), (Rows{"two.html", "three.html"})) << "Ctrl is up: the list is replaced";
    EXPECT_EQ(g.f.main->GetCaption(), "&Get");
    g.f.ui.controlHeld = true;
    g.Press(g.server.Url("/page.html"));
    EXPECT_EQ(g.f.Rows(), (Rows{"two.html", "three.html", "one.html"}))
        << "Ctrl held without a key event seen: the links are added";
}

TEST(GetTask, LosingTheFocusEndsAddMode) {
    test::MainFixture f;
    f.main->State(2);
    f.main->Form_KeyDown({Key_Control, false, true, false});
    EXPECT_EQ(f.main->GetCaption(), "A&dd");
    f.main->Form_Deactivate();
    EXPECT_FALSE(f.main->AddMode());
    EXPECT_EQ(f.main->GetCaption(), "&Get");
}

TEST(GetTask, NonHtmlAskedAndDeclinedLeavesTheList) {
    Get g;
    g.f.Rows({"kept"});
    g.Press(g.server.Url("/data.bin"));
    ASSERT_EQ(g.f.ui.messages.size(), 1u);
    EXPECT_EQ(g.f.ui.messages[0].text,
              "This file does not seem to be HTML!\r\n\r\nDo you want to continue ?\r\n\r\n"
              "File info:\r\nMimetype:application/octet-stream\r\nSize:23");
    EXPECT_EQ(g.f.ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(g.f.Rows(), Rows{"kept"});
    EXPECT_EQ(g.f.main->State(), 2);
    EXPECT_EQ(g.f.home.Read("ravlet.hst"), "") << "a declined page is not recorded";
}

TEST(GetTask, NonHtmlAcceptedIsParsed) {
    Get g;
    g.f.ui.answers.push_back(MsgAnswer::Yes);
    g.Press(g.server.Url("/data.bin"));
    EXPECT_EQ(g.f.Rows(), Rows{"in-binary.html"});
}

TEST(GetTask, ContentTypeInCapitalsIsHtml) {
    Get g;
    g.Press(g.server.Url("/caps.html"));
    EXPECT_TRUE(g.f.ui.messages.empty());
    EXPECT_EQ(g.f.Rows(), (Rows{"one.html", "two.html"}));
}

// An error page's links are not the page's: the list stays, the status bar and the log say
// why.
TEST(GetTask, APageWithAnErrorStatusIsNotParsed) {
    Get g;
    test::TestResponse gone = Page("<a href=help.html>help</a>");
    gone.status = 404;
    gone.reason = "Not Found";
    g.server.Route("/gone.html", gone);
    g.f.Rows({"kept"});
    g.Press(g.server.Url("/gone.html"));
    EXPECT_EQ(g.f.Rows(), Rows{"kept"});
    const std::string line =
        "Error: Http Code not OK (200):404 - Url: " + g.server.Url("/gone.html");
    EXPECT_EQ(g.f.main->StatusBar.Caption(), line);
    EXPECT_NE(g.f.main->Log().txtLog().find(line), std::string::npos) << g.f.main->Log().txtLog();
    EXPECT_EQ(g.f.main->State(), 0);
    EXPECT_EQ(g.f.home.Read("ravlet.hst"), "") << "an error page is not recorded";

    // The local handler's 404 counts as well.
    g.Press("file://" + g.f.home.File("missing.html"));
    EXPECT_EQ(g.f.Rows(), Rows{"kept"});
    EXPECT_EQ(g.f.main->StatusBar.Caption().rfind("Error: Http Code not OK (200):404", 0), 0u);
}

TEST(GetTask, NotInteractiveAnswersWithTheFlag) {
    Get g;
    g.f.main->txtUrl.text = g.server.Url("/data.bin");
    g.f.main->GetPage(false, false, true);
    EXPECT_EQ(g.f.Rows(), Rows{"in-binary.html"});
    g.f.main->txtUrl.text = g.server.Url("/data.bin");
    g.f.Rows({"kept"});
    g.f.main->GetPage(false, false, false);
    EXPECT_EQ(g.f.Rows(), Rows{"kept"});
    EXPECT_TRUE(g.f.ui.messages.empty());
}

TEST(GetTask, APageWithoutLinksSaysSo) {
    Get g;
    g.Press(g.server.Url("/none.html"));
    EXPECT_EQ(g.f.MessageTexts(),
              std::vector<std::string>{"Error: no links/references on page were found."});
    EXPECT_EQ(g.f.main->State(), 0);
}

TEST(GetTask, APageWithoutLinksInAddModeKeepsTheListReady) {
    Get g;
    g.f.Rows({"kept"});
    g.f.main->AddMode(true);
    g.Press(g.server.Url("/none.html"));
    EXPECT_TRUE(g.f.ui.messages.empty());
    EXPECT_EQ(g.f.main->State(), 2);
    EXPECT_EQ(g.f.Rows(), Rows{"kept"});
}

TEST(GetTask, AFailedFetchLeavesTheList) {
    Get g;
    g.f.Rows({"kept"});
    g.Press(g.server.Url("/broken.html"));
    EXPECT_EQ(g.f.Rows(), Rows{"kept"});
    EXPECT_EQ(g.f.main->State(), 0);
    ASSERT_EQ(g.f.ui.messages.size(), 1u);
    EXPECT_EQ(g.f.ui.messages[0].text.rfind("Error: ", 0), 0u);
}

TEST(GetTask, APageThatNeverEndsStopsAtTheBound) {
    Get g;
    test::TestResponse endless;
    endless.headers.push_back({"Content-Type", "text/html"});
    endless.generatedSize = 4 << 20;
    endless.sendLength = false;
    g.server.Route("/endless.html", endless);
    g.f.Rows({"kept"});
    g.f.main->objRvGet.PageBound(1 << 20);
    g.Press(g.server.Url("/endless.html"));
    EXPECT_EQ(g.f.Rows(), Rows{"kept"});
    EXPECT_EQ(g.f.main->State(), 0);
    EXPECT_EQ(g.f.MessageTexts(),
              std::vector<std::string>{"Error: The page is larger than 1 MB; reading stopped."});
}

// While the page is awaited the window goes on answering, and a stop served there ends the
// wait at once, without the time-out's help.
TEST(GetTask, TheWaitForASilentServerServesEventsAndEndsAtAStop) {
    Get g;
    test::TestResponse silent;
    silent.neverAnswer = true;
    g.server.Route("/silent.html", silent);
    AppSettings().nettimeout = 10000;  // only the stop ends the wait within the bound
    int servesWhileBusy = 0;
    std::chrono::steady_clock::time_point stopAt;
    g.f.ui.onServeEvents = [&] {
        if (g.f.main->State() != 1 || ++servesWhileBusy != 10) return;
        stopAt = std::chrono::steady_clock::now();
        g.f.main->objRvGet.NetUrlReadStop();
    };
    g.Press(g.server.Url("/silent.html"));
    EXPECT_LT(std::chrono::steady_clock::now() - stopAt, std::chrono::milliseconds(1000));
    EXPECT_EQ(servesWhileBusy, 10);
    EXPECT_EQ(g.f.main->State(), 0);
    EXPECT_EQ(g.f.MessageTexts(),
              std::vector<std::string>{"Error: " + RvNetGet::TranslateErrorCode(12017)});
}

// A close of the window while the page is awaited asks to stop the get; Yes ends the wait.
TEST(GetTask, ACloseDuringTheWaitStopsTheGet) {
    Get g;
    test::TestResponse silent;
    silent.neverAnswer = true;
    g.server.Route("/silent.html", silent);
    AppSettings().nettimeout = 10000;  // only the stop ends the wait within the bound
    g.f.ui.answers.push_back(MsgAnswer::Yes);
    int servesWhileBusy = 0;
    bool closed = true;
    std::chrono::steady_clock::time_point closeAt;
    g.f.ui.onServeEvents = [&] {
        if (g.f.main->State() != 1 || ++servesWhileBusy != 10) return;
        closeAt = std::chrono::steady_clock::now();
        closed = g.f.main->Form_QueryUnload(false);
    };
    g.Press(g.server.Url("/silent.html"));
    EXPECT_LT(std::chrono::steady_clock::now() - closeAt, std::chrono::milliseconds(1000));
    EXPECT_FALSE(closed) << "ravlet stays; only the task stops";
    EXPECT_EQ(g.f.main->State(), 0);
    EXPECT_EQ(g.f.MessageTexts(),
              (std::vector<std::string>{"Do you want to stop getting the page ?",
                                        "Error: " + RvNetGet::TranslateErrorCode(12017)}));
}

TEST(GetTask, AnUnreachableServerSaysSo) {
    Get g;
    std::string dead;
    {
        test::TestHttpServer gone;  // its port is free again once it is gone
        dead = gone.Url("/x.html");
    }
    g.Press(dead);
    EXPECT_EQ(g.f.main->State(), 0);
    ASSERT_EQ(g.f.ui.messages.size(), 1u);
    EXPECT_EQ(g.f.ui.messages[0].text.rfind("Error: ", 0), 0u);
}

TEST(GetTask, AutoLeechStartsTheDownloadOnlyAfterLinks) {
    Get g;
    AppSettings().Auto_Leech = 1;
    g.Press(g.server.Url("/none.html"));
    EXPECT_TRUE(g.f.download.buttons.empty());
    g.Press(g.server.Url("/page.html"));
    EXPECT_EQ(g.f.download.buttons, std::vector<int>{0});
}

TEST(GetTask, BuildsTheBaseAndAppliesTheFiltersWhenAsked) {
    Get g;
    AppSettings().Auto_BuildBase = 2;
    AppSettings().Refiner_AutoApply = true;
    AppSettings().Refiner_AutoShow = false;
    g.Press(g.server.Url("/page.html"));
    EXPECT_EQ(g.f.main->txtUrlBase, g.server.Url("/"));
    EXPECT_EQ(g.f.refiner.commands, std::vector<int>{3000});
    EXPECT_EQ(g.f.refiner.shows, 0);
}

TEST(GetTask, TheButtonActsOnlyWhenIdleOrListReady) {
    Get g;
    for (int state : {1, 3, 4, 5, 6, 7, 8, 9}) {
        g.f.main->State(state);
        g.Press(g.server.Url("/page.html"));
    }
    EXPECT_EQ(g.server.Requests(), 0);
    EXPECT_TRUE(g.f.Rows().empty());
}

TEST(GetTask, AHugeAddressIsNoProblem) {
    Get g;
    g.Press("http://127.0.0.1:1/" + std::string(100 * 1024, 'a'));
    EXPECT_EQ(g.f.main->State(), 0);
    EXPECT_EQ(g.f.ui.messages.size(), 1u);
}

TEST(GetTask, ACommandLineAddressIsFetched) {
    Get g;
    HandleCommandLine(*g.f.main, g.server.Url("/page.html") + " ignored words");
    EXPECT_EQ(g.f.Rows(), (Rows{"one.html", "two.html"}));
}

}  // namespace ravlet
