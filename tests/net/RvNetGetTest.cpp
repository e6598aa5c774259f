#include "net/RvNetGet.h"

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

#include "net/WriteAsking.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

using test::TestResponse;

using test::Page;

class RvNetGetHttp : public testing::Test {
  protected:
    void SetUp() override {
        get.NetInit("ravlet-test", 0, "");
        get.Timeout(3000);
    }
    bool Open(const std::string& path) {
        bool ok = false;
        get.NetUrlOpen(server.Url(path), "accept: */html\r\n", ok);
        return ok;
    }
    test::ScriptedUi ui;
    test::TestHttpServer server;
    RvNetGet get;
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
    bool ok = false;
    get.NetUrlRead(false, -1, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(get.DataText(), "<a href=x>x</a>");
    EXPECT_EQ(get.Status(), "reading url: 15 bytes read (100%) " +
                                get.Status().substr(get.Status().rfind(' ') + 1));
    EXPECT_EQ(get.StatusPer(), 100);
    ASSERT_FALSE(server.Received().empty());
    EXPECT_NE(server.Received()[0].head.find("accept: */html"), std::string::npos);
    EXPECT_TRUE(get.NetUrlClose());
}

TEST_F(RvNetGetHttp, RedirectionGivesTheFinalAddressAndAStatusIsNoFailure) {
    ASSERT_TRUE(Open("/missing"));
    EXPECT_EQ(get.StatusCode(), 404);
    server.Redirect("/old", "/new/file.zip");
    server.Route("/new/file.zip", Page("zip", "application/zip"));
    ASSERT_TRUE(Open("/old"));
    EXPECT_EQ(get.StatusCode(), 200);
    EXPECT_EQ(get.NetUrlHeaderRequestName(), server.Url("/new/file.zip"));
    EXPECT_EQ(get.ResponseHead().find("Location"), std::string::npos);
}

TEST_F(RvNetGetHttp, LimitStopsAfterTheChunkBeyondIt) {
    TestResponse big;
    big.generatedSize = 5000;
    server.Route("/big", big);
    ASSERT_TRUE(Open("/big"));
    bool ok = false;
    get.NetUrlRead(false, 1000, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(get.DataText().size(), 1024u);
}

TEST_F(RvNetGetHttp, StopDuringTheThirdChunk) {
    TestResponse big;
    big.generatedSize = 100000;
    server.Route("/big", big);
    ASSERT_TRUE(Open("/big"));
    int chunks = 0;
    get.StatusChanged = [&] {
        if (++chunks == 3) get.NetUrlReadStop();
    };
    bool ok = true;
    get.NetUrlRead(false, -1, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(get.DataText().size(), 3u * 256u);
    EXPECT_EQ(get.NetError(), RvNetGet::TranslateErrorCode(12017));
}

TEST_F(RvNetGetHttp, APageReadStopsAtItsBound) {
    TestResponse endless;
    endless.generatedSize = 3 << 20;
    endless.sendLength = false;
    server.Route("/endless", endless);
    get.PageBound(1 << 20);
    ASSERT_TRUE(Open("/endless"));
    bool ok = true;
    get.NetUrlRead(false, -1, ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(get.OverBound());
    EXPECT_EQ(get.NetError(), "The page is larger than 1 MB; reading stopped.");
    EXPECT_LE(get.DataText().size(), std::size_t(1 << 20));
    // A page within the bound, and a file, are read whole.
    TestResponse small;
    small.generatedSize = 1 << 20;
    server.Route("/small", small);
    ASSERT_TRUE(Open("/small"));
    get.NetUrlRead(false, -1, ok);
    EXPECT_TRUE(ok);
    EXPECT_FALSE(get.OverBound());
    EXPECT_EQ(get.DataText().size(), std::size_t(1 << 20));
    test::TempHome home;
    ASSERT_TRUE(Open("/endless"));
    get.DataFilename(home.File("whole.bin"));
    get.NetUrlRead(true, -1, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(home.Read("whole.bin").size(), std::size_t(3 << 20));
}

TEST_F(RvNetGetHttp, AFileReadStopsAtItsBound) {
    TestResponse endless;
    endless.generatedSize = 1 << 20;
    endless.sendLength = false;
    server.Route("/endless", endless);
    test::TempHome home;
    get.FileBound(5000);
    ASSERT_TRUE(Open("/endless"));
    get.DataFilename(home.File("cut.bin"));
    bool ok = true;
    get.NetUrlRead(true, -1, ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(get.OverBound());
    EXPECT_EQ(get.NetError(), "The file is larger than 5000 bytes; reading stopped.");
    EXPECT_LE(home.Read("cut.bin").size(), 5000u);
}

TEST_F(RvNetGetHttp, UnknownLengthShowsQuestionMarks) {
    TestResponse r;
    r.generatedSize = 300;
    r.sendLength = false;
    server.Route("/nolen", r);
    ASSERT_TRUE(Open("/nolen"));
    EXPECT_EQ(get.UrlContentLength(), 0);
    bool ok = false;
    get.NetUrlRead(false, -1, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(get.DataText().size(), 300u);
    EXPECT_NE(get.Status().find("(??%)"), std::string::npos);
    EXPECT_EQ(get.StatusPer(), 0);
}

TEST_F(RvNetGetHttp, ServerClosingMidBodyIsAFailure) {
    TestResponse r;
    r.generatedSize = 100000;
    r.closeAfter = 1000;
    server.Route("/cut", r);
    ASSERT_TRUE(Open("/cut"));
    bool ok = true;
    get.NetUrlRead(false, -1, ok);
    EXPECT_FALSE(ok);
    EXPECT_FALSE(get.NetError().empty());
}

TEST_F(RvNetGetHttp, ServerThatNeverAnswersTimesOut) {
    TestResponse r;
    r.neverAnswer = true;
    server.Route("/stall", r);
    get.Timeout(300);
    EXPECT_FALSE(Open("/stall"));
    EXPECT_EQ(get.NetError(), "The request has timed out.");
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
        bool ok = false;
        get.NetUrlRead(false, -1, ok);
        EXPECT_TRUE(ok);
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
    bool ok = false;
    get.NetUrlRead(true, -1, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(home.Read("out.bin"), "new");
}

TEST_F(RvNetGetHttp, DataFileThatCannotBeCreated) {
    server.Route("/f", Page("new"));
    ASSERT_TRUE(Open("/f"));
    get.DataFilename("/nonexistent-folder/x/out.bin");
    bool ok = true;
    get.NetUrlRead(true, -1, ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(get.NetError(), "Can't create File /nonexistent-folder/x/out.bin.");
}

TEST_F(RvNetGetHttp, WriteErrorAsksAbortRetryIgnore) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    TestResponse big;
    big.generatedSize = 200000;
    server.Route("/big", big);
    ASSERT_TRUE(Open("/big"));
    get.DataFilename("/dev/full");
    ui.answers.push_back(MsgAnswer::Abort);
    bool ok = true;
    get.NetUrlRead(true, -1, ok);
    EXPECT_FALSE(ok);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages[0].text.rfind("While saving the file, an error occured:\r\n", 0), 0u);
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::AbortRetryIgnore);
}

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

TEST(RvNetGet, TranslateErrorCode) {
    EXPECT_EQ(RvNetGet::TranslateErrorCode(12002), "The request has timed out.");
    EXPECT_EQ(RvNetGet::TranslateErrorCode(12011),
              "The request option can not be set, only queried. ");
    EXPECT_EQ(RvNetGet::TranslateErrorCode(12999), "Error details not available (12999).");
    EXPECT_EQ(RvNetGet::TranslateErrorCode(6), "The Url is not valid (RvNetGet/6)");
}

class RvNetGetLocal : public testing::Test {
  protected:
    bool Open(const std::string& path) {
        bool ok = false;
        get.NetUrlOpen("file://" + path, "", ok);
        return ok;
    }
    std::string ReadAll() {
        bool ok = false;
        get.NetUrlRead(false, -1, ok);
        EXPECT_TRUE(ok);
        return get.DataText();
    }
    test::TempHome home;
    RvNetGet get;
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
    EXPECT_NE(get.ResponseHead().find("\r\nServer: Filesystem (Windows/DOS)\r\nContent-Type: "
                                      "RvNetGetFile/file\r\nContent-Length: 19\r\n"),
              std::string::npos);
    EXPECT_EQ(get.RequestHead(), "GET file://" + home.File("a.htm") + " HTTP/1.0");
    EXPECT_EQ(ReadAll(), "<a href=b.htm>b</a>");
}

// A local file is read a chunk at a time: the limit ends the read, as for a transfer.
TEST_F(RvNetGetLocal, ALimitedReadStopsAfterTheChunkBeyondIt) {
    home.Write("big.bin", std::string(5000, 'b'));
    ASSERT_TRUE(Open(home.File("big.bin")));
    bool ok = false;
    get.NetUrlRead(false, 1000, ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(get.DataText().size(), 1024u);
}

TEST_F(RvNetGetLocal, MissingFileIsA404ThatOpens) {
    ASSERT_TRUE(Open(home.File("none.htm")));
    EXPECT_EQ(get.StatusCode(), 404);
    EXPECT_EQ(get.ContentType(), "RvNetGetFile/unknown");
    EXPECT_EQ(get.ResponseHead().rfind("HTTP/1.0 404 Not Found\r\n", 0), 0u);
    bool ok = true;
    get.NetUrlRead(false, -1, ok);
    EXPECT_FALSE(ok);
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
    EXPECT_NE(page.find("<a href=\"sub/\">sub</a><br />\r\n"), std::string::npos);
    EXPECT_NE(page.find("<a href=\"x.txt\">x.txt</a><br />\r\n"), std::string::npos);
    EXPECT_NE(page.find("<a href=\"q%22<b>.txt\">q\"&lt;b&gt;.txt</a>"), std::string::npos);
    EXPECT_EQ(page.find("href=\"./\""), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 16), "</body></html>\r\n");
}

TEST_F(RvNetGetLocal, EmptyFileIsAFolderPageWithOneLink) {
    home.Write("empty.txt", "");
    ASSERT_TRUE(Open(home.File("empty.txt")));
    EXPECT_EQ(get.ContentType(), "text/html");
    const std::string page = ReadAll();
    EXPECT_NE(page.find("<a href=\"empty.txt\">empty.txt</a>"), std::string::npos);
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
