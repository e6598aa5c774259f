#include "net/RvNetGet.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>

#include "net/WriteAsking.h"
#include "support/FileSizeLimit.h"
#include "support/RowName.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

using test::Page;
using test::TestResponse;

// A generated body of size bytes, with or without its Content-Length.
TestResponse Generated(std::int64_t size, bool sendLength = true) {
    TestResponse r;
    r.generatedSize = size;
    r.sendLength = sendLength;
    return r;
}

// A transfer, the loopback server it reads from and its read.
class NetRead : public testing::Test {
  protected:
    // The read's ok, which starts as the opposite of what the test expects: a read that never
    // sets it fails the test.
    bool Read(bool expected, bool toFile = false, std::int64_t limit = -1) {
        bool ok = !expected;
        get.NetUrlRead(toFile, limit, ok);
        return ok;
    }
    test::ScriptedUi ui;
    test::TestHttpServer server;
    RvNetGet get;
};

class RvNetGetHttp : public NetRead {
  protected:
    void SetUp() override {
        get.NetInit("ravlet-test", 0, "");
        get.Timeout(3000);
    }
    bool Open(const std::string& path, const std::string& head = "accept: */html\r\n") {
        bool ok = false;
        get.NetUrlOpen(server.Url(path), head, ok);
        return ok;
    }
};

TEST_F(RvNetGetHttp, OpenReadsHeadStatusTypeAndBody) {
    server.Route("/a.html", Page("<a href=x>x</a>", "text/html; charset=utf-8"));
    ASSERT_TRUE(Open("/a.html"));
    EXPECT_EQ(get.StatusCode(), 200);
    EXPECT_EQ(get.NetUrlHeader(2), "200");
    EXPECT_EQ(get.NetUrlHeader(3), "text/html");
    EXPECT_EQ(get.NetUrlHeader(4), "15");
    EXPECT_EQ(get.NetUrlHeaderByName(" content-LENGTH "), "15");
    EXPECT_EQ(get.NetUrlHeaderByName("X-None"), "");
    EXPECT_EQ(get.ResponseHead().rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
    EXPECT_TRUE(Read(true));
    EXPECT_EQ(get.DataText(), "<a href=x>x</a>");
    EXPECT_EQ(get.Status(), "reading url: 15 bytes read (100%) " +
                                get.Status().substr(get.Status().rfind(' ') + 1));
    EXPECT_EQ(get.StatusPer(), 100);
    ASSERT_FALSE(server.Received().empty());
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "accept: */html", server.Received()[0].head);
    EXPECT_TRUE(get.NetUrlClose());
}

// The speed in the status text is the bytes over the time of the read: its second half comes
// 300 ms after the first, so it is above nothing and, as long as the open returns within 250 ms
// of the head, at most 2,048 bytes over 50 ms (bytes a second would be a thousand times more).
TEST_F(RvNetGetHttp, StatusTextSpeedIsTheBytesOverTheReadsTime) {
    TestResponse slow;
    slow.body = std::string(2048, 'x');
    slow.stallAfter = 1024;
    slow.resumeAfterMs = 300;
    server.Route("/slow", slow);
    ASSERT_TRUE(Open("/slow"));
    EXPECT_TRUE(Read(true));
    const std::string status = get.Status();
    ASSERT_EQ(status.rfind("reading url: 2048 bytes read (100%) ", 0), 0u) << status;
    ASSERT_EQ(status.back(), 'k') << status;
    const double speed = std::stod(status.substr(status.rfind(' ') + 1));
    EXPECT_GT(speed, 0) << status;
    EXPECT_LE(speed, 2048 / 50.0 * 0.9765625 + 0.05) << status;
}

TEST_F(RvNetGetHttp, RedirectionGivesTheFinalAddressAndAStatusIsNoFailure) {
    ASSERT_TRUE(Open("/missing"));
    EXPECT_EQ(get.StatusCode(), 404);
    server.Redirect("/old", "/new/file.zip");
    server.Route("/new/file.zip", Page("zip", "application/zip"));
    ASSERT_TRUE(Open("/old"));
    EXPECT_EQ(get.StatusCode(), 200);
    EXPECT_EQ(get.NetUrlHeaderRequestName(), server.Url("/new/file.zip"));
    EXPECT_PRED_FORMAT2(testing::IsNotSubstring, "Location", get.ResponseHead());
}

TEST_F(RvNetGetHttp, LimitStopsAfterTheChunkBeyondIt) {
    server.Route("/big", Generated(5000));
    ASSERT_TRUE(Open("/big"));
    EXPECT_TRUE(Read(true, false, 1000));
    EXPECT_EQ(get.DataText().size(), 1024u);
}

TEST_F(RvNetGetHttp, StopDuringTheThirdChunk) {
    server.Route("/big", Generated(100000));
    ASSERT_TRUE(Open("/big"));
    int chunks = 0;
    get.StatusChanged = [&] {
        if (++chunks == 3) get.NetUrlReadStop();
    };
    EXPECT_FALSE(Read(false));
    EXPECT_EQ(get.DataText().size(), 3u * 256u);
    EXPECT_EQ(get.NetError(), RvNetGet::TranslateErrorCode(12017));
}

TEST_F(RvNetGetHttp, APageReadStopsAtItsBound) {
    server.Route("/endless", Generated(3 << 20, false));
    get.PageBound(1 << 20);
    ASSERT_TRUE(Open("/endless"));
    EXPECT_FALSE(Read(false));
    EXPECT_TRUE(get.OverBound());
    EXPECT_EQ(get.NetError(), "The page is larger than 1 MB; reading stopped.");
    EXPECT_LE(get.DataText().size(), std::size_t(1 << 20));
    // A page within the bound, and a file, are read whole.
    server.Route("/small", Generated(1 << 20));
    ASSERT_TRUE(Open("/small"));
    EXPECT_TRUE(Read(true));
    EXPECT_FALSE(get.OverBound());
    EXPECT_EQ(get.DataText().size(), std::size_t(1 << 20));
    test::TempHome home;
    ASSERT_TRUE(Open("/endless"));
    get.DataFilename(home.File("whole.bin"));
    EXPECT_TRUE(Read(true, true));
    EXPECT_EQ(home.Read("whole.bin").size(), std::size_t(3 << 20));
}

TEST_F(RvNetGetHttp, AFileReadStopsAtItsBound) {
    server.Route("/endless", Generated(1 << 20, false));
    test::TempHome home;
    get.FileBound(5000);
    ASSERT_TRUE(Open("/endless"));
    get.DataFilename(home.File("cut.bin"));
    EXPECT_FALSE(Read(false, true));
    EXPECT_TRUE(get.OverBound());
    EXPECT_EQ(get.NetError(), "The file is larger than 5000 bytes; reading stopped.");
    EXPECT_LE(home.Read("cut.bin").size(), 5000u);
}

TEST_F(RvNetGetHttp, UnknownLengthShowsQuestionMarks) {
    server.Route("/nolen", Generated(300, false));
    ASSERT_TRUE(Open("/nolen"));
    EXPECT_EQ(get.UrlContentLength(), 0);
    EXPECT_TRUE(Read(true));
    EXPECT_EQ(get.DataText().size(), 300u);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "(??%)", get.Status());
    EXPECT_EQ(get.StatusPer(), 0);
}

TEST_F(RvNetGetHttp, ServerClosingMidBodyIsAFailure) {
    TestResponse r = Generated(100000);
    r.closeAfter = 1000;
    server.Route("/cut", r);
    ASSERT_TRUE(Open("/cut"));
    EXPECT_FALSE(Read(false));
    EXPECT_FALSE(get.NetError().empty());
}

// Waiting for the head serves events until the time-out ends it.
TEST_F(RvNetGetHttp, ServerThatNeverAnswersTimesOut) {
    TestResponse r;
    r.neverAnswer = true;
    server.Route("/stall", r);
    get.Timeout(300);
    EXPECT_FALSE(Open("/stall"));
    EXPECT_EQ(get.NetError(), "The request has timed out.");
    EXPECT_GT(ui.serveCount, 0);
}

TEST_F(RvNetGetHttp, RefusedPortCannotConnect) {
    int port = 0;
    {
        test::TestHttpServer gone;
        port = gone.Port();
    }
    bool ok = true;
    get.NetUrlOpen("http://127.0.0.1:" + std::to_string(port) + "/", "", ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(get.NetError(), "The attempt to connect to the server failed.");
}

TEST_F(RvNetGetHttp, TransfersOfOneSessionShareOneConnection) {
    server.Route("/1", Page("one"));
    server.Route("/2", Page("two"));
    for (const char* path : {"/1", "/2", "/1", "/2"}) {
        ASSERT_TRUE(Open(path));
        EXPECT_TRUE(Read(true));
        get.NetUrlClose();
    }
    EXPECT_EQ(server.Requests(), 4);
    EXPECT_EQ(server.Connections(), 1);
}

TEST_F(RvNetGetHttp, FileModeTruncatesTheOldFile) {
    test::TempHome home;
    home.Write("out.bin", std::string(10000, 'o'));
    server.Route("/f", Page("new", "application/octet-stream"));
    ASSERT_TRUE(Open("/f"));
    get.DataFilename(home.File("out.bin"));
    EXPECT_TRUE(Read(true, true));
    EXPECT_EQ(home.Read("out.bin"), "new");
}

TEST_F(RvNetGetHttp, DataFileThatCannotBeCreated) {
    server.Route("/f", Page("new"));
    ASSERT_TRUE(Open("/f"));
    get.DataFilename("/nonexistent-folder/x/out.bin");
    EXPECT_FALSE(Read(false, true));
    EXPECT_EQ(get.NetError(), "Can't create File /nonexistent-folder/x/out.bin.");
}

TEST_F(RvNetGetHttp, WriteErrorAsksAbortRetryIgnore) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    server.Route("/big", Generated(200000));
    ASSERT_TRUE(Open("/big"));
    get.DataFilename("/dev/full");
    ui.answers.push_back(MsgAnswer::Abort);
    EXPECT_FALSE(Read(false, true));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages[0].text.rfind("While saving the file, an error occured:\r\n", 0), 0u);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::AbortRetryIgnore);
}

// A head line's value: the name in any case, blanks after the colon left out, the first line
// of the whole name answering, never a line whose name only begins with it; the address a
// request head asked for, from its request line and Host.
TEST(NetHeaders, ValuesAndTheRequestedAddressAreReadFromTheirLines) {
    const std::string head =
        "HTTP/1.1 200 OK\r\nETAG:   \"v1\"\r\nX-Empty:   \r\nLast-Modified: a\r\n"
        "last-modified: b\r\nContent-Disposition-Note: filename=evil.zip\r\n"
        "Content-Type-Hint: text/html\r\nContent-Type: application/zip\r\nContent-Length: 5";
    const struct {
        const char* name;
        const char* value;
    } rows[] = {{"ETag", "\"v1\""},
                {" etag ", "\"v1\""},
                {"X-Empty", ""},
                {"Last-Modified", "a"},
                {"Content-Length", "5"},
                {"Content-Len", ""},
                {"Content-disposition", ""},
                {"Content-Type", "application/zip"},
                {"Content-Disposition-NOTE", "filename=evil.zip"},
                {"HTTP/1.1 200 OK", ""},
                {"", ""}};
    for (const auto& row : rows) EXPECT_EQ(HeadLineValue(head, row.name), row.value) << row.name;

    using namespace std::string_literals;
    EXPECT_EQ(RequestedAddress("GET /a%20b.zip HTTP/1.1\0HOST: h:8080\0Accept: */*"s, "https://"),
              "https://h:8080/a%20b.zip");
    EXPECT_EQ(RequestedAddress("GET http://p/x HTTP/1.1\0Host: q"s, "http://"), "http://p/x");
    EXPECT_EQ(RequestedAddress("HEAD /x HTTP/1.1\0\0Host: q"s, "http://"), "q");
    EXPECT_EQ(RequestedAddress("", "http://"), "");
}

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

// Hostile and broken answers each fail with a text that says what happened.
class HostileReply : public RvNetGetHttp, public testing::WithParamInterface<ReplyRow> {
  protected:
    void SetUp() override {
        RvNetGetHttp::SetUp();
        get.Timeout(5000);
        // A chain that comes back to where it started, and one that goes on for ever.
        server.Redirect("/loop/a", "/loop/b");
        server.Redirect("/loop/b", "/loop/a");
        for (int i = 0; i < 30; ++i)
            server.Redirect("/far/" + std::to_string(i), "/far/" + std::to_string(i + 1));
        server.Route("/reply", GetParam().answer);
    }
};

TEST_P(HostileReply, FailsWithItsOwnText) {
    std::string path = "/reply";
    const std::string what = GetParam().what;
    if (what == "redirect loop") path = "/loop/a";
    if (what == "more than 20 redirections") path = "/far/0";
    EXPECT_FALSE(Open(path, "") && Read(false));
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

TEST_F(RvNetGetHttp, TwentyRedirectionsAreFollowed) {
    for (int i = 0; i < 20; ++i)
        server.Redirect("/hop/" + std::to_string(i), "/hop/" + std::to_string(i + 1));
    server.Route("/hop/20", test::Typed("end", ""));
    ASSERT_TRUE(Open("/hop/0", "")) << get.NetError();
    EXPECT_EQ(get.NetUrlHeaderRequestName(), server.Url("/hop/20"));
}

using Clock = std::chrono::steady_clock;

// Long enough that only the stop can end a wait; a stop must act well within it.
constexpr int kLongTimeout = 10000;
constexpr auto kStopBound = std::chrono::milliseconds(1500);

// The waits of a transfer serve events, and a stop or a close served there ends them.
class NetWait : public RvNetGetHttp {
  protected:
    void SetUp() override {
        RvNetGetHttp::SetUp();
        get.Timeout(kLongTimeout);
        TestResponse silent, stalls = Generated(10 << 20);
        silent.neverAnswer = true;
        stalls.stallAfter = 1000;
        server.Route("/silent", silent);
        server.Route("/stalls", stalls);
        server.Route("/page", test::Typed("<a href=x>x</a>", ""));
    }
    // act runs inside the wait, once, after the wait has served a few events.
    void During(std::function<void()> act) {
        ui.onServeEvents = [this, act] {
            if (++serves == 3) act();
        };
    }
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
    EXPECT_TRUE(Read(true));
    EXPECT_EQ(get.DataText(), "<a href=x>x</a>");
}

TEST_F(NetWait, StopEndsAReadThatWaitsForTheBody) {
    ASSERT_TRUE(Open("/stalls"));
    // The first 1000 bytes come; then the read waits for the rest, serving events.
    ui.onServeEvents = [this] {
        if (get.DataText().size() == 1000 && ++serves == 3) get.NetUrlReadStop();
    };
    const auto start = Clock::now();
    EXPECT_FALSE(Read(false));
    EXPECT_LT(Clock::now() - start, kStopBound);
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
    EXPECT_FALSE(Read(false));
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

// Closing a transfer unread: a short rest is read so the next address takes the same
// connection; a long one is left and the connection dropped; a rest that never comes keeps
// the close waiting a second at most.
struct NetCloseCase {
    const char* what;
    std::int64_t size;
    std::int64_t stallAfter;
    int resumeAfterMs;
    int connections;
};

class NetClose : public RvNetGetHttp, public testing::WithParamInterface<NetCloseCase> {};

TEST_P(NetClose, UnreadRest) {
    const NetCloseCase& c = GetParam();
    TestResponse file = Generated(c.size);
    file.stallAfter = c.stallAfter;
    file.resumeAfterMs = c.resumeAfterMs;
    server.Route("/file", file);
    server.Route("/page", test::Typed("<a href=x>x</a>", ""));
    get.Timeout(kLongTimeout);
    ASSERT_TRUE(Open("/file", ""));
    const Clock::time_point closing = Clock::now();
    get.NetUrlClose();
    EXPECT_LT(Clock::now() - closing, kStopBound);
    ASSERT_TRUE(Open("/page", ""));
    EXPECT_TRUE(Read(true));
    EXPECT_EQ(get.TakeDataText(), "<a href=x>x</a>");
    EXPECT_EQ(server.Connections(), c.connections);
}

INSTANTIATE_TEST_SUITE_P(Rests, NetClose,
                         testing::Values(NetCloseCase{"ShortRestRead", 60000, 1000, 50, 1},
                                         NetCloseCase{"LongRestDropped", 20 << 20, 1000, 50, 2},
                                         NetCloseCase{"RestThatNeverComes", 60000, 1000, 0, 2}),
                         [](const auto& info) { return std::string(info.param.what); });

// A write that stops half-way (the disk fills) has stored part of the block: the retry the
// user asks for writes only the rest, so no byte lands in the file twice.
TEST(WriteAsking, ARetryAfterAHalfWriteStoresEveryByteOnce) {
    test::ScriptedUi ui;
    test::TempHome home;
    std::string data;
    for (int i = 0; i < 3000; ++i) data += static_cast<char>('a' + i % 26);
    std::FILE* file = std::fopen(home.File("out.bin").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::setvbuf(file, nullptr, _IONBF, 0);
    std::optional<test::FileSizeLimit> full(std::in_place, 1000);
    ui.answers.push_back(MsgAnswer::Retry);
    ui.onMessage = [&] { full.reset(); };
    std::string error;
    EXPECT_TRUE(WriteAsking(file, data.data(), data.size(), error));
    std::fclose(file);
    EXPECT_EQ(ui.messages.size(), 1u);
    const std::string stored = home.Read("out.bin");
    EXPECT_EQ(stored.size(), data.size());
    EXPECT_TRUE(stored == data);
}

TEST(RvNetGet, NoSessionFailsTheOpenAndACloseAfterInitIsReady) {
    RvNetGet none, open;
    none.NetInit("ua", 2, "");
    EXPECT_EQ(none.Status(), "ready");
    bool ok = true;
    none.NetUrlOpen("http://127.0.0.1:1/", "", ok);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(none.NetClose());
    open.NetInit("ua", 0, "");
    EXPECT_TRUE(open.NetClose());
    EXPECT_EQ(open.Status(), "Ready");
    EXPECT_EQ(open.NetError(), "");
}

// Codes of the platform's own table keep their texts; the new ones are beyond it.
TEST(RvNetGet, TranslateErrorCode) {
    const std::pair<int, const char*> rows[] = {
        {12002, "The request has timed out."},
        {12011, "The request option can not be set, only queried. "},
        {12017,
         "The operation was canceled, usually because the handle on which the request was "
         "operating was closed before the operation completed."},
        {12001, "No more handles could be generated at this time"},
        {12006, "The URL scheme could not be recognized, or is not supported."},
        {12999, "Error details not available (12999)."},
        {12156, "Error details not available (12156)."},
        {6, "The Url is not valid (RvNetGet/6)"}};
    for (const auto& [code, text] : rows)
        EXPECT_EQ(RvNetGet::TranslateErrorCode(code), text) << code;
}

class RvNetGetLocal : public NetRead {
  protected:
    bool Open(const std::string& path) {
        bool ok = false;
        get.NetUrlOpen("file://" + path, "", ok);
        return ok;
    }
    std::string ReadAll() {
        EXPECT_TRUE(Read(true));
        return get.DataText();
    }
    test::TempHome home;
};

TEST_F(RvNetGetLocal, ExistingFile) {
    home.Write("a.htm", "<a href=b.htm>b</a>");
    ASSERT_TRUE(Open(home.File("a.htm")));
    EXPECT_EQ(get.StatusCode(), 200);
    EXPECT_EQ(get.ContentType(), "RvNetGetFile/file");
    EXPECT_EQ(get.UrlSize(), 19);
    EXPECT_EQ(get.ResponseHead().rfind("HTTP/1.0 200 OK\r\nVia: FILE/1.0 RvNetGet "
                                       "(FILE-PROTOCOL-HANDLER)\r\nDate: ",
                                       0),
              0u);
    EXPECT_PRED_FORMAT2(testing::IsSubstring,
                        "\r\nServer: Filesystem (Windows/DOS)\r\nContent-Type: "
                        "RvNetGetFile/file\r\nContent-Length: 19\r\n",
                        get.ResponseHead());
    EXPECT_EQ(get.RequestHead(), "GET file://" + home.File("a.htm") + " HTTP/1.0");
    EXPECT_EQ(ReadAll(), "<a href=b.htm>b</a>");
}

// A local file is read a chunk at a time: the limit ends the read, as for a transfer.
TEST_F(RvNetGetLocal, ALimitedReadStopsAfterTheChunkBeyondIt) {
    home.Write("big.bin", std::string(5000, 'b'));
    ASSERT_TRUE(Open(home.File("big.bin")));
    EXPECT_TRUE(Read(true, false, 1000));
    EXPECT_EQ(get.DataText().size(), 1024u);
}

TEST_F(RvNetGetLocal, MissingFileIsA404ThatOpens) {
    ASSERT_TRUE(Open(home.File("none.htm")));
    EXPECT_EQ(get.StatusCode(), 404);
    EXPECT_EQ(get.ContentType(), "RvNetGetFile/unknown");
    EXPECT_EQ(get.ResponseHead().rfind("HTTP/1.0 404 Not Found\r\n", 0), 0u);
    EXPECT_FALSE(Read(false));
}

TEST_F(RvNetGetLocal, FolderPageInChunks) {
    std::filesystem::create_directory(home.File("sub"));
    home.Write("x.txt", "x");
    home.Write("q\"<b>.txt", "q");
    ASSERT_TRUE(Open(home.path() + "/"));
    EXPECT_EQ(get.ContentType(), "text/html");
    const std::string page = ReadAll();
    EXPECT_EQ(static_cast<std::int64_t>(page.size()), get.UrlSize());
    EXPECT_EQ(page.rfind("<html><head><title>RvNetGet Directoryfile</title><meta "
                         "name=\"generator\" value=\"RvNetGet\"></head><body>\r\n<h1>Index of " +
                             home.path() + "/</h1><a href=\"../\">..</a><br />\r\n",
                         0),
              0u)
        << page;
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "<a href=\"sub/\">sub</a><br />\r\n", page);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "<a href=\"x.txt\">x.txt</a><br />\r\n", page);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "<a href=\"q%22<b>.txt\">q\"&lt;b&gt;.txt</a>", page);
    EXPECT_PRED_FORMAT2(testing::IsNotSubstring, "href=\"./\"", page);
    EXPECT_EQ(page.substr(page.size() - 16), "</body></html>\r\n");
}

TEST_F(RvNetGetLocal, EmptyFileIsAFolderPageWithOneLink) {
    home.Write("empty.txt", "");
    ASSERT_TRUE(Open(home.File("empty.txt")));
    EXPECT_EQ(get.ContentType(), "text/html");
    const std::string page = ReadAll();
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "<a href=\"empty.txt\">empty.txt</a>", page);
}

// Root passes every permission check by its capabilities: the open runs in a child process
// that gives them up first, so the case holds for every user.
void DropPermissionOverride() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2] = {};
    if (::syscall(SYS_capget, &header, data) != 0) return;
    const std::uint32_t overrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    data[0].effective &= ~overrides;
    data[0].permitted &= ~overrides;
    ::syscall(SYS_capset, &header, data);
}

TEST_F(RvNetGetLocal, UnreadableFileIsForbidden) {
    home.Write("secret", "s");
    std::filesystem::permissions(home.File("secret"), std::filesystem::perms::none);
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        DropPermissionOverride();
        bool ok = false;
        get.NetUrlOpen("file://" + home.File("secret"), "", ok);
        const int status = ok ? get.StatusCode() : -1;
        const bool written = ::write(report[1], &status, sizeof status) == sizeof status;
        get.NetUrlRead(false, -1, ok);
        const char read = ok ? 'y' : 'n';
        _exit(written && ::write(report[1], &read, 1) == 1 ? 0 : 1);
    }
    ::close(report[1]);
    int status = 0;
    char read = '?';
    EXPECT_EQ(::read(report[0], &status, sizeof status), ssize_t(sizeof status));
    EXPECT_EQ(::read(report[0], &read, 1), 1);
    ::close(report[0]);
    int exitStatus = 0;
    ::waitpid(child, &exitStatus, 0);
    EXPECT_TRUE(WIFEXITED(exitStatus) && WEXITSTATUS(exitStatus) == 0);
    EXPECT_EQ(status, 403);
    EXPECT_EQ(read, 'n') << "the first chunk of a file that cannot be opened fails";
}

}  // namespace
}  // namespace ravlet
