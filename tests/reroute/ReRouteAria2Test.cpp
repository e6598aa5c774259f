#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "net/ravlet_url.h"
#include "reroute/ReRoute.h"
#include "support/Aria2Daemon.h"
#include "support/FakeReRouteHost.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {

namespace {

struct Aria2World {
    test::TempHome home;
    test::ScriptedUi ui;
    std::vector<std::string> log;
    Aria2World() {
        UrlSchemesInit();
        SettingsSetDefaults(AppSettings());
        SetLogHandler([this](const std::string& t, bool) { log.push_back(t); });
    }
    ~Aria2World() {
        SetLogHandler(nullptr);
        SettingsSetDefaults(AppSettings());
    }
    std::string Message() const { return ui.messages.empty() ? "" : ui.messages.back().text; }
};

}  // namespace

TEST(Aria2HandOff, TheWholeListArrivesWithTheReferrer) {
    Aria2World w;
    test::TestHttpServer server;
    server.Route("/dir/one.bin", test::Typed("first file", "application/octet-stream"));
    server.Route("/two.bin", test::Typed("second", "application/octet-stream"));
    const std::string folder = w.home.File("aria2");
    std::filesystem::create_directory(folder);
    test::Aria2Daemon aria2(folder);
    ASSERT_TRUE(aria2.Running()) << aria2.Why();
    AppSettings().ReRouteAria2Rpc = aria2.Rpc();
    AppSettings().ReRouteAria2Secret = aria2.Secret();

    test::FakeReRouteHost host;
    host.page = server.Url("/dir/page.html");
    // Quotes, backslashes, control characters, UTF-8 and a byte of the system's code page.
    host.rows = {"one.bin",  server.Url("/two.bin"), "q\"uote", "back\\slash",
                 "ctl\x01x", "caf\xC3\xA9",          "lat\xE9"};
    EXPECT_EQ(ReRoute(host, "aria2", "", ""), 1) << "available";
    EXPECT_EQ(ReRouteRows(host, "aria2", host.page), 2);
    EXPECT_TRUE(w.ui.messages.empty()) << w.Message();

    std::vector<std::string> uris = aria2.Uris(host.rows.size());
    std::sort(uris.begin(), uris.end());
    const std::string dir = server.Url("/dir/");
    std::vector<std::string> expected = {
        dir + "one.bin", server.Url("/two.bin"), dir + "q%22uote", dir + "back\\slash",
        dir + "ctl%01x", dir + "caf%C3%A9",      dir + "lat%C3%A9"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(uris, expected);
    EXPECT_EQ(test::ReadFile(folder + "/one.bin"), "first file");
    EXPECT_EQ(test::ReadFile(folder + "/two.bin"), "second");
    int withReferrer = 0;
    for (const test::TestRequest& r : server.Received())
        if (r.head.find("Referer: " + host.page + "\r\n") != std::string::npos) ++withReferrer;
    EXPECT_GE(withReferrer, 2);
}

TEST(Aria2HandOff, AWrongSecretIsRefusedAndSaidSo) {
    Aria2World w;
    test::Aria2Daemon aria2(w.home.path());
    ASSERT_TRUE(aria2.Running()) << aria2.Why();
    AppSettings().ReRouteAria2Rpc = aria2.Rpc();
    AppSettings().ReRouteAria2Secret = "wrong";
    test::FakeReRouteHost host;
    host.rows = {"http://127.0.0.1:1/a"};
    EXPECT_EQ(ReRoute(host, "aria2", "", ""), 0);
    EXPECT_EQ(ReRoute(host, "aria2", host.rows[0], ""), 0);
    EXPECT_EQ(w.Message(),
              "aria2 did not take the list: it refused every address (Unauthorized; see the log)");
}

TEST(Aria2HandOff, EachAnswerGetsItsResult) {
    const auto json = [](const std::string& body) { return test::Typed(body, "application/json"); };
    test::TestResponse stall;
    stall.neverAnswer = true;
    const struct {
        const char* what;
        test::TestResponse answer;
        int result;
        const char* message;  // the start of the message
        const char* logged = nullptr;
    } rows[] = {
        {"both taken", json(R"({"result":[["1"],["2"]]})"), 2, ""},
        {"one refused is logged", json(R"({"result":[["1"],{"code":1,"message":"No"}]})"), 2, "",
         "aria2 refused: No Url: http://127.0.0.1:1/b"},
        {"all refused", json(R"({"result":[{"code":1},{"code":1}]})"), 0,
         "aria2 did not take the list: it refused every address (no reason given; see"},
        {"an error object", json(R"({"error":{"code":1,"message":"boom"}})"), 0,
         "aria2 did not take the list: aria2 answered with an error: boom"},
        {"garbage", test::Typed("<html>hello</html>", "text/html"), 0,
         "aria2 did not take the list: http://127.0.0.1:"},
        {"too few results", json(R"({"result":[["1"]]})"), 0,
         "aria2 did not take the list: http://127.0.0.1:"},
        {"a result that is no list", json(R"({"result":"OK"})"), 0,
         "aria2 did not take the list: http://127.0.0.1:"},
        {"a stall ends at the time-out", stall, 0, "aria2 did not take the list: no answer from"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Aria2World w;
        test::TestHttpServer server;
        server.Route("/jsonrpc", row.answer);
        AppSettings().ReRouteAria2Rpc = server.Url("/jsonrpc");
        AppSettings().nettimeout = 500;
        test::FakeReRouteHost host;
        host.rows = {"http://127.0.0.1:1/a", "http://127.0.0.1:1/b"};
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(ReRoute(host, "aria2", host.rows[0], ""), row.result);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
        EXPECT_EQ(w.Message().substr(0, std::string(row.message).size()), row.message)
            << w.Message();
        if (row.logged) {
            EXPECT_NE(std::find(w.log.begin(), w.log.end(), row.logged), w.log.end());
        }
    }
}

TEST(Aria2HandOff, NoAddressNoNetwork) {
    Aria2World w;
    AppSettings().ReRouteAria2Rpc.clear();
    test::FakeReRouteHost host;
    host.rows = {"a"};
    EXPECT_EQ(ReRoute(host, "aria2", "", ""), 0);
    EXPECT_TRUE(w.ui.messages.empty());
    EXPECT_EQ(ReRoute(host, "aria2", "http://h/a", ""), 0);
    EXPECT_EQ(w.Message(), "aria2 not installed / found, can't add");
}

}  // namespace ravlet
