// The URL info window against a loopback server: the request's headers, the result text,
// the fields kept between openings, Apply, and servers that misbehave.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "main/MainInfoHost.h"
#include "support/MainFixture.h"
#include "support/TestHttpServer.h"
#include "tools/frmInfo.h"

namespace ravlet {
namespace {

using Rows = std::vector<std::string>;

struct InfoScene {
    InfoScene() {
        server.Route("/d/a.txt", test::Typed("the body", "text/plain"));
        info.Close = [this] { ++closes; };
    }
    test::MainFixture f;
    test::TestHttpServer server;
    MainInfoHost host{*f.main};
    frmInfo info{host};
    int closes = 0;
};

TEST(Info, TheRequestCarriesTheRefererOnlyWhenGivenAndAlwaysAcceptsAll) {
    for (const std::string referrer : {"http://ref/p", ""}) {
        SCOPED_TRACE(referrer);
        InfoScene s;
        AppSettings().user_agent = "ravlet-info/1";
        s.info.ShowInfo(s.server.Url("/d/a.txt"), referrer);
        EXPECT_TRUE(s.info.GetInfo());
        const auto received = s.server.Received();
        ASSERT_EQ(received.size(), 1u);
        EXPECT_EQ(received[0].method, "GET");
        EXPECT_EQ(test::HeaderOf(received[0], "Referer"), referrer);
        EXPECT_EQ(received[0].head.find("Referer:") != std::string::npos, !referrer.empty());
        EXPECT_EQ(test::HeaderOf(received[0], "accept"), "*/*");
        EXPECT_EQ(test::HeaderOf(received[0], "User-Agent"), "ravlet-info/1");
    }
}

TEST(Info, TheResultShowsTheStatusAndBothHeadsButNeverTheBody) {
    InfoScene s;
    s.info.ShowInfo(s.server.Url("/d/a.txt"), "http://ref/");
    s.f.main->StatusBar.Caption("before");
    s.info.StatusLbl.Caption("mine");
    std::vector<std::string> captions;
    s.info.StatusLbl.OnRedraw([&] { captions.push_back(s.info.StatusLbl.Caption()); });
    ASSERT_TRUE(s.info.GetInfo());
    const std::string& t = s.info.txt;
    ASSERT_EQ(t.rfind("Status:200\r\nRaw:\r\nHTTP/1.1 200 OK\r\n", 0), 0u) << t;
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "Content-Type: text/plain\r\n", t);
    const std::size_t request = t.find("\r\nRequest:\r\nGET /d/a.txt HTTP/1.1\r\n");
    ASSERT_NE(request, std::string::npos) << t;
    EXPECT_NE(t.find("Referer: http://ref/\r\naccept: */*", request), std::string::npos) << t;
    EXPECT_EQ(t.find('\0'), std::string::npos);
    EXPECT_EQ(t.substr(t.size() - 2), "\r\n");
    EXPECT_PRED_FORMAT2(testing::IsNotSubstring, "the body", t);
    ASSERT_FALSE(captions.empty());
    EXPECT_EQ(captions.front(), "Getting Info... :" + s.server.Url("/d/a.txt"));
    EXPECT_EQ(s.info.StatusLbl.Caption(), "mine") << "the caption comes back";
    EXPECT_EQ(s.f.main->StatusBar.Caption(), "before") << "the main window's is not used";
    EXPECT_FALSE(s.f.ui.busy());
}

TEST(Info, ARelativeAddressIsAskedAfterTheBaseAsItStands) {
    InfoScene s;
    s.info.ShowInfo("a.txt", "", s.server.Url("/d/"));
    ASSERT_TRUE(s.info.GetInfo());
    ASSERT_EQ(s.server.Received().size(), 1u);
    EXPECT_EQ(s.server.Received()[0].path, "/d/a.txt");
}

TEST(Info, MisbehavingServersGiveAResultOrAnErrorWithTheAddressInTime) {
    InfoScene s;
    AppSettings().nettimeout = 1000;
    test::TestResponse stall;
    stall.neverAnswer = true;
    s.server.Route("/stall", stall);
    s.server.Redirect("/loop", "/loop");
    test::TestResponse big;
    for (int i = 0; i < 1000; ++i)
        big.headers.push_back({"X-Filler-" + std::to_string(i), std::string(100, 'v')});
    s.server.Route("/big", big);
    std::string refused;  // a port that was just free: nothing listens there
    {
        test::TestHttpServer gone;
        refused = gone.Url("/x");
    }
    for (const std::string& url :
         {refused, s.server.Url("/stall"), s.server.Url("/loop"), s.server.Url("/big")}) {
        SCOPED_TRACE(url);
        s.info.ShowInfo(url);
        const auto start = std::chrono::steady_clock::now();
        const bool ok = s.info.GetInfo();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
        if (url == s.server.Url("/big")) {
            EXPECT_TRUE(ok) << s.info.txt;
            EXPECT_GT(s.info.txt.size(), 100000u);
        } else {
            EXPECT_FALSE(ok);
            EXPECT_EQ(s.info.txt.rfind("Error: ", 0), 0u) << s.info.txt;
            EXPECT_EQ(s.info.txt.substr(s.info.txt.find("\r\n")), "\r\n Url: " + url);
        }
    }
}

TEST(Info, ASecondOpeningKeepsTheReferrerAndBaseAndRemembersTheRow) {
    InfoScene s;
    s.f.Rows({"a", "b", "c"});
    s.f.main->ListLinks().Current(1);
    s.info.ShowInfo("http://h/b", "http://ref/1", "http://base/1/");
    s.f.main->ListLinks().Current(2);
    s.info.ShowInfo("http://h/c", "http://ref/2", "http://base/2/");
    EXPECT_EQ(s.info.txtUrl, "http://h/c");
    EXPECT_EQ(s.info.txtRef, "http://ref/1");
    EXPECT_EQ(s.info.txtBase, "http://base/1/");
    EXPECT_EQ(s.info.Row(), 2);
    s.info.txtRef.clear();
    s.info.ShowInfo("http://h/c", "http://ref/3");
    EXPECT_EQ(s.info.txtRef, "http://ref/3") << "an emptied field takes the new one";
}

TEST(Info, ApplyWritesTheAddressIntoItsRowWhileTheRowExists) {
    InfoScene s;
    s.f.Rows({"a", "b", "c"});
    s.f.main->State(2);
    s.f.main->ListLinks().Current(2);
    s.info.ShowInfo("c");
    s.info.txtUrl = "edited";
    s.info.cmd_Click(2);
    EXPECT_EQ(s.f.Rows(), (Rows{"a", "b", "edited"}));
    EXPECT_EQ(s.closes, 1);

    s.f.main->ListLinks().Remove(2);  // the row is gone
    s.info.txtUrl = "again";
    s.info.cmd_Click(2);
    EXPECT_EQ(s.f.Rows(), (Rows{"a", "b"}));
    EXPECT_EQ(s.closes, 2) << "only closes";

    s.f.main->ListLinks().Current(0);
    s.info.ShowInfo("a");
    s.info.txtUrl = "during a download";
    s.f.main->State(3);
    s.info.cmd_Click(2);
    EXPECT_EQ(s.f.Rows(), (Rows{"a", "b"})) << "no rewrite under a running task";
}

TEST(Info, TheButtonsRestWhileTheRequestRuns) {
    InfoScene s;
    s.info.ShowInfo(s.server.Url("/d/a.txt"));
    std::vector<bool> enabled;
    s.f.ui.onServeEvents = [&] {
        for (int i = 0; i < 4; ++i) enabled.push_back(s.info.CmdEnabled(i));
        s.info.cmd_Click(3);  // a close under the request waits
    };
    s.info.cmd_Click(0);
    ASSERT_GE(enabled.size(), 4u);
    EXPECT_EQ(std::vector<bool>(enabled.begin(), enabled.begin() + 4),
              (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(s.closes, 0);
    EXPECT_TRUE(s.info.CmdEnabled(0));
    EXPECT_EQ(s.info.txt.rfind("Status:200", 0), 0u);
}

}  // namespace
}  // namespace ravlet
