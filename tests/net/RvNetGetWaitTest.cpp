// The waits of a transfer serve events, and a stop or a close served there ends them.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>

#include "net/RvNetGet.h"
#include "support/ScriptedUi.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

using test::TestResponse;
using Clock = std::chrono::steady_clock;

// Long enough that only the stop can end a wait; a stop must act well within it.
constexpr int kLongTimeout = 10000;
constexpr auto kStopBound = std::chrono::milliseconds(1500);

TestResponse Silent() {
    TestResponse r;
    r.neverAnswer = true;
    return r;
}

TestResponse StallsAfter(std::int64_t bytes) {
    TestResponse r;
    r.generatedSize = 10 << 20;
    r.stallAfter = bytes;
    return r;
}

class NetWait : public testing::Test {
  protected:
    void SetUp() override {
        get.NetInit("ravlet-test", 0, "");
        get.Timeout(kLongTimeout);
        server.Route("/silent", Silent());
        server.Route("/stalls", StallsAfter(1000));
        TestResponse page;
        page.body = "<a href=x>x</a>";
        server.Route("/page", page);
    }
    // act runs inside the wait, once, after the wait has served a few events.
    void During(std::function<void()> act) {
        ui.onServeEvents = [this, act] {
            if (++serves == 3) act();
        };
    }
    bool Open(const std::string& path) {
        bool ok = false;
        get.NetUrlOpen(server.Url(path), "", ok);
        return ok;
    }
    test::ScriptedUi ui;
    test::TestHttpServer server;
    RvNetGet get;
    int serves = 0;
};

TEST_F(NetWait, StopEndsAnOpenThatWaitsForTheHead) {
    During([this] { get.NetUrlReadStop(); });
    const auto start = Clock::now();
    EXPECT_FALSE(Open("/silent"));
    EXPECT_LT(Clock::now() - start, kStopBound);
    EXPECT_GE(serves, 3);
    EXPECT_EQ(get.NetError(), RvNetGet::TranslateErrorCode(12017));
    // The object goes on working.
    EXPECT_TRUE(Open("/page"));
    bool ok = false;
    get.NetUrlRead(false, -1, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(get.DataText(), "<a href=x>x</a>");
}

TEST_F(NetWait, StopEndsAReadThatWaitsForTheBody) {
    ASSERT_TRUE(Open("/stalls"));
    // The first 1000 bytes come; then the read waits for the rest, serving events.
    ui.onServeEvents = [this] {
        if (get.DataText().size() == 1000 && ++serves == 3) get.NetUrlReadStop();
    };
    const auto start = Clock::now();
    bool ok = true;
    get.NetUrlRead(false, -1, ok);
    EXPECT_LT(Clock::now() - start, kStopBound);
    EXPECT_FALSE(ok);
    EXPECT_EQ(get.DataText().size(), 1000u);
    EXPECT_EQ(get.NetError(), RvNetGet::TranslateErrorCode(12017));
}

TEST_F(NetWait, ACloseDuringTheOpenEndsItAndHappensAfterIt) {
    During([this] { get.NetUrlClose(); });
    const auto start = Clock::now();
    EXPECT_FALSE(Open("/silent"));
    EXPECT_LT(Clock::now() - start, kStopBound);
    EXPECT_EQ(get.NetError(), RvNetGet::TranslateErrorCode(12017));
    EXPECT_FALSE(get.NetUrlClose());
}

TEST_F(NetWait, ClosingTheSessionDuringARead) {
    ASSERT_TRUE(Open("/stalls"));
    ui.onServeEvents = [this] {
        if (get.DataText().size() == 1000 && ++serves == 3) {
            EXPECT_TRUE(get.NetClose());
        }
    };
    bool ok = true;
    get.NetUrlRead(false, -1, ok);
    EXPECT_FALSE(ok);
    // The session was closed after the read: a new open needs a new session.
    EXPECT_FALSE(Open("/page"));
    EXPECT_EQ(get.NetError(), RvNetGet::TranslateErrorCode(6));
    get.NetInit("ravlet-test", 0, "");
    EXPECT_TRUE(Open("/page"));
}

TEST_F(NetWait, OtherCallsDuringAWaitAreRefused) {
    bool innerOk = true;
    std::string innerError;
    During([&] {
        get.NetUrlOpen(server.Url("/page"), "", innerOk);
        innerError = get.NetError();
        get.NetInit("other", 0, "");
        get.NetUrlReadStop();
    });
    EXPECT_FALSE(Open("/silent"));
    EXPECT_FALSE(innerOk);
    EXPECT_EQ(innerError, RvNetGet::TranslateErrorCode(12019));
    EXPECT_EQ(server.Received().size(), 1u);
    EXPECT_EQ(get.NetError(), RvNetGet::TranslateErrorCode(12017));
}

TEST_F(NetWait, AStopBeforeTheOpenDoesNotCancelIt) {
    get.NetUrlReadStop();
    EXPECT_TRUE(Open("/page"));
}

TEST_F(NetWait, TheTimeOutStillEndsASilentServer) {
    get.Timeout(300);
    EXPECT_FALSE(Open("/silent"));
    EXPECT_EQ(get.NetError(), "The request has timed out.");
    EXPECT_GT(ui.serveCount, 0);
}

}  // namespace
}  // namespace ravlet

namespace ravlet {
namespace {

// Closing a transfer unread: a short rest is read so the next address takes the same
// connection; a long one is left and the connection dropped; a rest that never comes keeps
// the close waiting a second at most.
struct CloseCase {
    const char* what;
    std::int64_t size;
    std::int64_t stallAfter;
    int resumeAfterMs;
    int connections;
};

class NetClose : public testing::TestWithParam<CloseCase> {};

TEST_P(NetClose, UnreadRest) {
    const CloseCase& c = GetParam();
    test::ScriptedUi ui;
    test::TestHttpServer server;
    TestResponse file;
    file.generatedSize = c.size;
    file.stallAfter = c.stallAfter;
    file.resumeAfterMs = c.resumeAfterMs;
    server.Route("/file", file);
    TestResponse page;
    page.body = "<a href=x>x</a>";
    server.Route("/page", page);
    RvNetGet get;
    get.NetInit("ravlet-test", 0, "");
    get.Timeout(kLongTimeout);
    bool ok = false;
    get.NetUrlOpen(server.Url("/file"), "", ok);
    ASSERT_TRUE(ok);
    const Clock::time_point closing = Clock::now();
    get.NetUrlClose();
    EXPECT_LT(Clock::now() - closing, kStopBound);
    get.NetUrlOpen(server.Url("/page"), "", ok);
    ASSERT_TRUE(ok);
    get.NetUrlRead(false, -1, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(get.TakeDataText(), "<a href=x>x</a>");
    EXPECT_EQ(server.Connections(), c.connections);
}

INSTANTIATE_TEST_SUITE_P(Rests, NetClose,
                         testing::Values(CloseCase{"ShortRestRead", 60000, 1000, 50, 1},
                                         CloseCase{"LongRestDropped", 20 << 20, 1000, 50, 2},
                                         CloseCase{"RestThatNeverComes", 60000, 1000, 0, 2}),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace ravlet
