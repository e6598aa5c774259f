// Hostile and broken answers each fail with a text that says what happened.
#include <gtest/gtest.h>

#include <string>

#include "net/RvNetGet.h"
#include "support/RowName.h"
#include "support/ScriptedUi.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

using test::TestResponse;

TestResponse Raw(const std::string& bytes) {
    TestResponse r;
    r.raw = bytes;
    return r;
}

std::string ManyHeaderLines(int lines) {
    std::string head = "HTTP/1.1 200 OK\r\n";
    for (int i = 0; i < lines; ++i)
        head += "X-Filler-" + std::to_string(i) + ": " + std::string(90, 'f') + "\r\n";
    return head + "Content-Length: 2\r\n\r\nok";
}

struct ReplyRow {
    const char* what;
    TestResponse answer;
    std::string error;
};

class HostileReply : public testing::TestWithParam<ReplyRow> {
  protected:
    void SetUp() override {
        get.NetInit("ravlet-test", 0, "");
        get.Timeout(5000);
        // A chain that comes back to where it started, and one that goes on for ever.
        server.Redirect("/loop/a", "/loop/b");
        server.Redirect("/loop/b", "/loop/a");
        for (int i = 0; i < 30; ++i)
            server.Redirect("/far/" + std::to_string(i), "/far/" + std::to_string(i + 1));
        server.Route("/reply", GetParam().answer);
    }
    test::ScriptedUi ui;
    test::TestHttpServer server;
    RvNetGet get;
};

TEST_P(HostileReply, FailsWithItsOwnText) {
    std::string path = "/reply";
    const std::string what = GetParam().what;
    if (what == "redirect loop") path = "/loop/a";
    if (what == "more than 20 redirections") path = "/far/0";
    bool ok = true;
    get.NetUrlOpen(server.Url(path), "", ok);
    if (ok) get.NetUrlRead(false, -1, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(get.NetError(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HostileReply,
    testing::Values(
        ReplyRow{"redirect loop", {}, "The server's redirections run in a loop."},
        ReplyRow{"more than 20 redirections", {}, "The server redirected more than 20 times."},
        ReplyRow{"head of many lines", Raw(ManyHeaderLines(3000)),
                 "The server's response head, or a line of it, is too large."},
        ReplyRow{"one huge header line",
                 Raw("HTTP/1.1 200 OK\r\nX-Huge: " + std::string(200 * 1024, 'h') +
                     "\r\nContent-Length: 2\r\n\r\nok"),
                 "The server's response head, or a line of it, is too large."},
        ReplyRow{"another protocol", Raw("SSH-2.0-OpenSSH_9.2\r\n"),
                 "The server's answer is not HTTP."},
        ReplyRow{"binary bytes", Raw(std::string("\x16\x03\x01\x00\xa5\x01\x00\x00", 8)),
                 "The server's answer is not HTTP."},
        ReplyRow{"length of letters",
                 Raw("HTTP/1.1 200 OK\r\nContent-Length: ten\r\n\r\n0123456789"),
                 "The server sent a bad Content-Length."},
        ReplyRow{"negative length", Raw("HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\nabc"),
                 "The server sent a bad Content-Length."},
        ReplyRow{"length beyond any file",
                 Raw("HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999999\r\n\r\nabc"),
                 "The server sent a bad Content-Length."}),
    test::RowName{});

TEST(HostileReplyLimits, TwentyRedirectionsAreFollowed) {
    test::ScriptedUi ui;
    test::TestHttpServer server;
    for (int i = 0; i < 20; ++i)
        server.Redirect("/hop/" + std::to_string(i), "/hop/" + std::to_string(i + 1));
    TestResponse end;
    end.body = "end";
    server.Route("/hop/20", end);
    RvNetGet get;
    get.NetInit("ravlet-test", 0, "");
    get.Timeout(5000);
    bool ok = false;
    get.NetUrlOpen(server.Url("/hop/0"), "", ok);
    ASSERT_TRUE(ok) << get.NetError();
    EXPECT_EQ(get.NetUrlHeaderRequestName(), server.Url("/hop/20"));
}

TEST(HostileReplyLimits, TheTableKeepsItsTexts) {
    // Codes of the platform's own table keep their texts; the new ones are beyond it.
    EXPECT_EQ(RvNetGet::TranslateErrorCode(12017),
              "The operation was canceled, usually because the handle on which the request was "
              "operating was closed before the operation completed.");
    EXPECT_EQ(RvNetGet::TranslateErrorCode(12001),
              "No more handles could be generated at this time");
    EXPECT_EQ(RvNetGet::TranslateErrorCode(12006),
              "The URL scheme could not be recognized, or is not supported.");
    EXPECT_EQ(RvNetGet::TranslateErrorCode(12156), "Error details not available (12156).");
}

}  // namespace
}  // namespace ravlet
