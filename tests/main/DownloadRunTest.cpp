#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/DoEvents.h"
#include "support/RowName.h"
#include "support/RunFixture.h"

namespace ravlet {
namespace {

namespace fs = std::filesystem;
using test::TestResponse;

TestResponse Body(const std::string& body, const std::string& type = "application/octet-stream") {
    return test::Typed(body, type);
}

class Download : public test::RunFixture {
  protected:
    Download() {
        settings.fileexistsdo = 0;
        settings.netResume = false;  // the resume's own tests turn it on
    }
    ~Download() override { DoEventsEveryCall(false); }

    void List(const std::vector<std::string>& entries) {
        for (const std::string& e : entries) host.list.Add(e);
    }
    // Every entry of a folder (not below it), sorted.
    static Names Entries(const std::string& folder) {
        Names names;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(folder, ec))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

// One link against the server: what it answers, what the settings say, what is logged ("{U}"
// is the address, "{ANY}" any text). A link that logs nothing is stored under "f.bin"; one that
// logs a skip is not, yet succeeds; one that logs an error fails.
struct LinkRow {
    const char* what;
    TestResponse response;
    std::function<void(Settings&)> settings;
    std::string logged;
};

class DownloadLinkRows : public Download, public ::testing::WithParamInterface<LinkRow> {};

TEST_P(DownloadLinkRows, ChecksInOrder) {
    const LinkRow& row = GetParam();
    server.Route("/f.bin", row.response);
    if (row.settings) row.settings(settings);
    const std::string U = server.Url("/f.bin");
    host.net.NetInit("ravlet-test", 0, "");
    const bool stored = row.logged.empty();
    EXPECT_EQ(run.DownloadLink(U), row.logged.rfind("Error: ", 0) != 0);
    if (row.logged.empty()) {
        EXPECT_EQ(log, Names{});
    } else {
        ASSERT_EQ(log.size(), 1u);
        std::string want = row.logged;
        want.replace(want.find("{U}"), 3, U);
        const std::size_t any = want.find("{ANY}");
        if (any == std::string::npos) {
            EXPECT_EQ(log[0], want);
        } else {
            const std::string head = want.substr(0, any), tail = want.substr(any + 5);
            EXPECT_EQ(log[0].substr(0, head.size()), head) << log[0];
            ASSERT_GE(log[0].size(), head.size() + tail.size() + 1) << log[0];
            EXPECT_EQ(log[0].substr(log[0].size() - tail.size()), tail) << log[0];
        }
    }
    EXPECT_EQ(Files(), stored ? Names{"f.bin"} : Names{});
    if (stored) {
        const TestResponse& r = row.response;
        EXPECT_EQ(Content("f.bin").size(),
                  r.generatedSize >= 0 ? std::size_t(r.generatedSize) : r.body.size());
        if (r.generatedSize < 0) {
            EXPECT_EQ(Content("f.bin"), r.body);
        }
    }
}

TestResponse Status(int code) {
    TestResponse r = Body("<h1>no</h1>", "text/html");
    r.status = code;
    r.reason = "Whatever";
    return r;
}

TestResponse Sized(std::int64_t size, bool sendLength = true) {
    TestResponse r;
    r.generatedSize = size;
    r.sendLength = sendLength;
    r.headers.push_back({"Content-Type", "application/zip"});
    return r;
}

TestResponse Cut(std::int64_t size, std::int64_t after) {
    TestResponse r = Sized(size);
    r.closeAfter = after;
    return r;
}

auto Sizes(int min, int max, bool null = false) {
    return [=](Settings& s) {
        s.netsizeforce = true;
        s.netsizemin = min;
        s.netsizemax = max;
        s.netsizenull = null;
    };
}

auto Types(const std::string& types) {
    return [=](Settings& s) {
        s.netmimetypeforce = true;
        s.netsizemimetype = types;
    };
}

auto IgnoreText(Settings& s) {
    s.netdownloadignoretext = true;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DownloadLinkRows,
    ::testing::ValuesIn(std::vector<LinkRow>{
        {"plain download", Body("hello"), {}, ""},
        {"empty body", Body(""), {}, ""},
        {"not found", Status(404), nullptr, "Error: Http Code not OK (200):404 - Url: {U}"},
        {"server error", Status(500), nullptr, "Error: Http Code not OK (200):500 - Url: {U}"},
        {"html skipped", Body("<p>", "text/html"), IgnoreText, "skipping: is text/html - Url: {U}"},
        {"html with charset skipped", Body("<p>", "text/html; charset=utf-8"), IgnoreText,
         "skipping: is text/html - Url: {U}"},
        {"html in capitals skipped", Body("<p>", "TEXT/HTML; charset=utf-8"), IgnoreText,
         "skipping: is text/html - Url: {U}"},
        {"html taken unless ignored", Body("<p>", "text/html"), {}, ""},
        {"plain text not html", Body("x", "text/plain"), IgnoreText, ""},
        {"below the minimum", Sized(500), Sizes(1000, 0), "skipping: wrong size (500) - Url: {U}"},
        {"above the minimum", Sized(5000), Sizes(1000, 0), ""},
        {"at the minimum", Sized(1000), Sizes(1000, 0), ""},
        {"no length skipped", Sized(5000, false), Sizes(1000, 0),
         "skipping: wrong size (0) - Url: {U}"},
        {"no length taken when allowed", Sized(5000, false), Sizes(1000, 0, true), ""},
        {"above the maximum", Sized(5000), Sizes(0, 4000),
         "skipping: wrong size (5000) - Url: {U}"},
        {"at the maximum", Sized(4000), Sizes(0, 4000), ""},
        {"no length, more bytes than the maximum", Sized(1 << 20, false), Sizes(0, 100000, true),
         "skipping: wrong size (more than 100000 bytes received) - Url: {U}"},
        {"no length, bytes within the maximum", Sized(100000, false), Sizes(0, 100000, true), ""},
        {"limits unused unless forced", Sized(10), [](Settings& s) { s.netsizemin = 1000; }, ""},
        {"type prefix ignores case", Body("j", "Image/JPEG"), Types("image/"), ""},
        {"no types skip everything", Body("j", "image/jpeg"), Types(""),
         "skipping: is not , is: image/jpeg - Url: {U}"},
        {"a closing separator lets all pass", Body("z", "application/zip"), Types("text/;"), ""},
        {"stars and blanks do not count", Body("z", "application/zip"),
         Types("* image/* ; application/*"), ""},
        {"types quoted as stored", Body("t", "text/plain"), Types("* image/* ; application/*"),
         "skipping: is not * image/* ; application/*, is: text/plain - Url: {U}"},
        {"closed in the middle of the body", Cut(5000, 1000), nullptr, "Error: {ANY} - Url: {U}"}}),
    test::RowName{});

TEST_F(Download, RelativeEntriesResolveAgainstThePage) {
    server.Route("/d/a.zip", Body("A"));
    server.Route("/page.html", Body("<a href=a.zip>", "text/html"));
    host.page = server.Url("/d/page.html");
    List({"a.zip"});
    run.doSuck();
    EXPECT_EQ(log, Names{});
    EXPECT_EQ(Content("a.zip"), "A");
    ASSERT_EQ(server.Received().size(), 1u);
    // The page is the referrer of every link.
    EXPECT_NE(server.Received()[0].head.find("Referer: " + host.page), std::string::npos);
}

TEST_F(Download, RunWritesSettingsFirstThenCountsErrorsAndEndsIdle) {
    server.Route("/a.zip", Body("A"));
    List({server.Url("/a.zip"), server.Url("/missing"), "x"});
    int requestsWhenWritten = -1;
    host.onWriteSettings = [&] { requestsWhenWritten = server.Requests(); };
    host.refinerOpen = true;
    settings.Refiner_AutoHide = true;
    run.doSuck();
    EXPECT_EQ(host.settingsWrites, 1);
    EXPECT_EQ(requestsWhenWritten, 0);
    EXPECT_EQ(host.refinerCloses, 1);
    EXPECT_EQ(host.states, (std::vector<int>{3, 0}));
    EXPECT_EQ(host.rows, (std::vector<long>{0, 1, 2}));
    EXPECT_EQ(host.bar.Steps(), 3);
    EXPECT_EQ(host.bar.Mode(), 0);
    EXPECT_EQ(run.Errors(), 2);
    EXPECT_EQ(log, (Names{"Error: Http Code not OK (200):404 - Url: " + server.Url("/missing"),
                          "Error: Invalid Url (probably base is missing) Url: x"}));
    EXPECT_EQ(host.status, "download finished. 2 error(s)");
    EXPECT_NE(std::find(host.statuses.begin(), host.statuses.end(), "File downloaded."),
              host.statuses.end());
    EXPECT_NE(std::find(host.statuses.begin(), host.statuses.end(),
                        server.Url("/a.zip") + " -> " + Saved("a.zip")),
              host.statuses.end());
    for (const test::TestRequest& r : server.Received())
        EXPECT_EQ(LCase(r.head).find("referer:"), std::string::npos) << "no page, no referrer";
}

TEST_F(Download, RefinerStaysWithoutAutoHide) {
    host.refinerOpen = true;
    List({"x"});
    run.doSuck();
    EXPECT_EQ(host.refinerCloses, 0);
}

TEST_F(Download, TransferProgressReachesTheStatusBar) {
    server.Route("/a.zip", Sized(64 * 256 * 3));
    List({server.Url("/a.zip")});
    run.doSuck();
    EXPECT_EQ(host.bar.Percent(), 100);
    // Every 64th of the 192 chunks and the last reports show the transfer's status text,
    // not every chunk.
    EXPECT_GE(host.readingStatuses, 3);
    EXPECT_LE(host.readingStatuses, 6);
    // The run's listeners are gone afterwards.
    EXPECT_FALSE(host.net.StatusChanged);
}

TEST_F(Download, RedirectNamesTheFileAfterTheFinalAddress) {
    server.Route("/files/final-name.zip", Body("F"));
    server.Redirect("/get/1", "/files/final-name.zip");
    List({server.Url("/get/1")});
    run.doSuck();
    EXPECT_EQ(log, Names{});
    EXPECT_EQ(Files(), Names{"final-name.zip"});
}

// The name a server gives in Content-Disposition, end to end; how the header is read is
// NamingTest's table.
struct DispositionRow {
    const char* what;
    std::string header;
    int rule;
    std::string file;  // the one file below the download folder
};

class ServerNamed : public Download, public ::testing::WithParamInterface<DispositionRow> {};

TEST_P(ServerNamed, StaysInsideTheFolder) {
    TestResponse r = Body("D");
    r.headers.push_back({"Content-Disposition", GetParam().header});
    server.Route("/d/get.php?id=7", r);
    settings.filenaming = GetParam().rule;
    List({server.Url("/d/get.php?id=7")});
    run.doSuck();
    EXPECT_EQ(log, Names{});
    EXPECT_EQ(Files(), Names{GetParam().file});
    // Nothing was written beside the download folder.
    EXPECT_EQ(Entries(home.path()), Names{"dl"});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ServerNamed,
    ::testing::ValuesIn(std::vector<DispositionRow>{
        {"quoted name with blank", "attachment; filename=\"my file.zip\"", 1, "my file.zip"},
        {"terminal escapes in the name",
         "attachment; filename=\"a\x1b]0;x\x07\x7f"
         "b.txt\"",
         1, "a_]0;x__b.txt"},
        {"rebuilt folders", "attachment; filename=r.pdf", 3, "127.0.0.1/d/r.pdf"},
        {"dot dots with backslashes", "attachment; filename=\"..\\..\\evil.sh\"", 1, "_/_/evil.sh"},
        {"dot dots with slashes rebuilt", "attachment; filename=\"../../evil.sh\"", 3,
         "127.0.0.1/d/_/_/evil.sh"},
        {"absolute path", "attachment; filename=\"/etc/evil\"", 3, "127.0.0.1/d/etc/evil"},
        {"no name keeps the address's", "inline", 1, "get.php_id=7"}}),
    test::RowName{});

TEST_F(Download, AddressWithoutFileNameCannotBeCreated) {
    server.Route("/dir/", Body("index"));
    List({server.Url("/dir/")});
    run.doSuck();
    EXPECT_EQ(log, Names{"Error: FS: Can't create File (Is a directory) - File: " +
                         settings.savedir + " - Url: " + server.Url("/dir/")});
    EXPECT_EQ(server.Requests(), 0);
    EXPECT_EQ(run.Errors(), 1);
}

TEST_F(Download, UncreatableFolderFailsEveryLinkAndTheRunGoesOn) {
    home.Write("plain-file", "x");
    settings.savedir = home.File("plain-file") + "/dl/";
    server.Route("/a.zip", Body("A"));
    server.Route("/b.zip", Body("B"));
    List({server.Url("/a.zip"), server.Url("/b.zip")});
    run.doSuck();
    EXPECT_EQ(log,
              (Names{"Error: FS: Can't create File (Not a directory) - File: " + Saved("a.zip") +
                         " - Url: " + server.Url("/a.zip"),
                     "Error: FS: Can't create File (Not a directory) - File: " + Saved("b.zip") +
                         " - Url: " + server.Url("/b.zip")}));
    EXPECT_EQ(host.status, "download finished. 2 error(s)");
}

TEST_F(Download, NumberedNamesFollowTheRows) {
    server.Route("/a/x.gif", Body("1"));
    server.Route("/b/x.gif", Body("2"));
    settings.filenaming = 4;
    List({server.Url("/a/x.gif"), server.Url("/b/x.gif")});
    run.doSuck();
    EXPECT_EQ(Files(), (Names{"0001_x.gif", "0002_x.gif"}));
    EXPECT_EQ(Content("0002_x.gif"), "2");
}

TEST_F(Download, LocalFilesDownloadThroughTheFileHandler) {
    home.Write("source.txt", "local");
    List({"file://" + home.File("source.txt"), "file://" + home.File("missing.txt")});
    run.doSuck();
    // The handler's status passes the check like a server's: 200 for a file, 404 without.
    EXPECT_EQ(log,
              Names{"Error: Http Code not OK (200):404 - Url: file://" + home.File("missing.txt")});
    EXPECT_EQ(Content("source.txt"), "local");
    EXPECT_EQ(Files(), Names{"source.txt"});
}

// A page from the network cannot make the run copy local files; a local page can.
TEST_F(Download, LocalLinksOfARemotePageAreRefused) {
    home.Write("secret.txt", "local");
    server.Route("/public.zip", Body("P"));
    const std::string local = "file://" + home.File("secret.txt");
    host.page = server.Url("/page.html");
    List({local, server.Url("/public.zip")});
    run.doSuck();
    EXPECT_EQ(log, Names{"Error: a local address in a remote page - Url: " + local});
    EXPECT_EQ(Files(), Names{"public.zip"});
    EXPECT_EQ(run.Errors(), 1);

    log.clear();
    host.page = "file://" + home.File("page.html");
    run.doSuck();
    EXPECT_EQ(Content("secret.txt"), "local");
}

// A folder inside the download folder that is a link to elsewhere is not followed.
TEST_F(Download, ALinkedFolderDoesNotLeadOutOfTheDownloadFolder) {
    server.Route("/a.zip", Body("A"));
    settings.filenaming = 2;  // host, then the file name
    fs::create_directories(home.File("elsewhere"));
    fs::create_directories(settings.savedir);
    fs::create_directory_symlink(home.File("elsewhere"), settings.savedir + "127.0.0.1");
    List({server.Url("/a.zip")});
    run.doSuck();
    EXPECT_FALSE(fs::exists(home.File("elsewhere/a.zip")));
    EXPECT_TRUE(fs::is_empty(home.File("elsewhere")));
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "Error: a link leads out of the download folder - File: " + settings.savedir +
                          "127.0.0.1/a.zip - Url: " + server.Url("/a.zip"));
    EXPECT_EQ(run.Errors(), 1);

    // Deeper folders are not created through the link either.
    log.clear();
    settings.filenaming = 3;
    server.Route("/d/e/b.zip", Body("B"));
    host.list.Clear();
    List({server.Url("/d/e/b.zip")});
    run.doSuck();
    EXPECT_TRUE(fs::is_empty(home.File("elsewhere")));
    EXPECT_EQ(run.Errors(), 1);
}

// A download folder that is itself a link is where the files go.
TEST_F(Download, ADownloadFolderThatIsALinkIsUsed) {
    server.Route("/a.zip", Body("A"));
    fs::create_directories(home.File("real"));
    fs::create_directory_symlink(home.File("real"), home.File("dl"));
    List({server.Url("/a.zip")});
    run.doSuck();
    EXPECT_EQ(log, Names{});
    EXPECT_EQ(home.Read("real/a.zip"), "A");
}

// The existing-file rules over whole runs.
TEST_F(Download, OverwriteAllHoldsForTheRestOfTheRunOnly) {
    for (const char* n : {"/a.txt", "/b.txt", "/c.txt"}) server.Route(n, Body("new"));
    for (const char* n : {"a.txt", "b.txt", "c.txt"}) Existing(n, "old!");
    List({server.Url("/a.txt"), server.Url("/b.txt")});
    host.overwrite.answers.push_back({Ow_OverwriteAll, Saved("a.txt")});
    run.doSuck();
    EXPECT_EQ(host.overwrite.shown.size(), 1u);
    EXPECT_EQ(host.overwrite.shown[0].info, "Current:\r\n4 bytes\r\nNew:\r\n3 bytes");
    EXPECT_EQ(Content("a.txt"), "new");
    EXPECT_EQ(Content("b.txt"), "new");
    EXPECT_EQ(settings.fileexistsdo, 0);
    // The next run asks again.
    host.list.Clear();
    List({server.Url("/c.txt")});
    run.doSuck();
    EXPECT_EQ(host.overwrite.shown.size(), 2u);
    EXPECT_EQ(Content("c.txt"), "old!");  // the window was closed: skipped
    EXPECT_EQ(run.Errors(), 0);
}

TEST_F(Download, SkipAllSkipsTheRestWithoutErrors) {
    for (const char* n : {"/a.txt", "/b.txt", "/c.txt"}) server.Route(n, Body("new"));
    for (const char* n : {"a.txt", "b.txt"}) Existing(n, "old");
    List({server.Url("/a.txt"), server.Url("/b.txt"), server.Url("/c.txt")});
    host.overwrite.answers.push_back({Ow_SkipAll, Saved("a.txt")});
    run.doSuck();
    EXPECT_EQ(host.overwrite.shown.size(), 1u);
    EXPECT_EQ(Content("a.txt"), "old");
    EXPECT_EQ(Content("b.txt"), "old");
    EXPECT_EQ(Content("c.txt"), "new");
    EXPECT_EQ(run.Errors(), 0);
    EXPECT_EQ(run.RunRule(), 2);
    EXPECT_EQ(settings.fileexistsdo, 0);
}

TEST_F(Download, RenameAnswerWritesTheNewName) {
    server.Route("/a.txt", Body("new"));
    Existing("a.txt", "old");
    host.overwrite.answers.push_back({Ow_Rename, Saved("a (2).txt")});
    host.overwrite.during = [](frmOverwrite& f) { f.cCmdNaming_Click(1); };
    List({server.Url("/a.txt")});
    run.doSuck();
    EXPECT_EQ(Content("a.txt"), "old");
    EXPECT_EQ(Content("a (2).txt"), "new");
    EXPECT_EQ(host.namingMenus, 1);
}

TEST_F(Download, SmallerRuleComparesTheAnnouncedSize) {
    server.Route("/same.bin", Body("12345"));
    server.Route("/bigger.bin", Body("1234567"));
    Existing("same.bin", "abcde");
    Existing("bigger.bin", "abcde");
    settings.fileexistsdo = 3;
    List({server.Url("/same.bin"), server.Url("/bigger.bin")});
    run.doSuck();
    EXPECT_EQ(host.overwrite.shown.size(), 0u);
    EXPECT_EQ(Content("same.bin"), "abcde");
    EXPECT_EQ(Content("bigger.bin"), "1234567");
}

TEST_F(Download, FailedOverwriteKeepsTheOldFile) {
    server.Route("/a.bin", Cut(5000, 1000));
    Existing("a.bin", "old content");
    settings.fileexistsdo = 1;
    List({server.Url("/a.bin")});
    run.doSuck();
    EXPECT_EQ(run.Errors(), 1);
    EXPECT_EQ(Content("a.bin"), "old content");
    EXPECT_EQ(Files(), Names{"a.bin"});  // no part file left
}

TEST_F(Download, FailedDownloadLeavesNothingUnderTheName) {
    server.Route("/a.bin", Cut(5000, 1000));
    List({server.Url("/a.bin")});
    run.doSuck();
    EXPECT_EQ(Files(), Names{});
    // A later run with "Skip existing Files" fetches it again.
    server.Route("/a.bin", Body("whole"));
    settings.fileexistsdo = 2;
    log.clear();
    run.doSuck();
    EXPECT_EQ(log, Names{});
    EXPECT_EQ(Content("a.bin"), "whole");
}

TEST_F(Download, TakenPartNameIsNotTouched) {
    server.Route("/a.bin", Body("new"));
    Existing("a.bin.part", "someone's file");
    List({server.Url("/a.bin")});
    run.doSuck();
    EXPECT_EQ(Content("a.bin"), "new");
    EXPECT_EQ(Content("a.bin.part"), "someone's file");
    EXPECT_EQ(Files(), (Names{"a.bin", "a.bin.part"}));
}

// Pause, continue and stop, through State as the buttons set it.
TEST_F(Download, PauseWaitsAfterTheCurrentLinkAndContinueGoesOn) {
    for (const char* n : {"/1", "/2", "/3"}) server.Route(n, Body(n));
    List({server.Url("/1"), server.Url("/2"), server.Url("/3")});
    int requestsAtPause = -1;
    int pausedEvents = 0;
    ui.onServeEvents = [&] {
        if (host.state == 3 && server.Requests() == 1 && requestsAtPause < 0) {
            run.DownloadControl(1);
        } else if (host.state == 5) {
            if (requestsAtPause < 0) requestsAtPause = server.Requests();
            EXPECT_EQ(server.Requests(), requestsAtPause) << "nothing is fetched while paused";
            // The user waits a while, then continues.
            if (++pausedEvents == 20) run.DownloadControl(0);
        }
    };
    run.doSuck();
    EXPECT_EQ(requestsAtPause, 1) << "the current link is finished before the pause";
    // Every look at State while paused followed a wait for events: the run did not spin.
    EXPECT_EQ(ui.waitCount, 20);
    EXPECT_EQ(host.states, (std::vector<int>{3, 4, 5, 3, 0}));
    EXPECT_EQ(Files(), (Names{"1", "2", "3"})) << "continue goes on with the next link";
}

TEST_F(Download, StopWhilePausedEndsTheRunWithoutAnotherLink) {
    server.Route("/1", Body("1"));
    server.Route("/2", Body("2"));
    List({server.Url("/1"), server.Url("/2")});
    ui.answers.push_back(MsgAnswer::Yes);
    bool stopped = false;
    ui.onServeEvents = [&] {
        if (host.state == 3 && server.Requests() == 1) {
            run.DownloadControl(1);
        } else if (host.state == 5 && !stopped) {
            stopped = true;
            run.DownloadControl(2);
        }
    };
    run.doSuck();
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(run.Stopped());
    EXPECT_EQ(host.states, (std::vector<int>{3, 4, 5, 6, 7, 0}));
    EXPECT_EQ(server.Requests(), 1) << "the run ends where it waited";
    EXPECT_EQ(Files(), Names{"1"});
}

TEST_F(Download, StopAbortsTheTransferEndsTheRunAndSuppressesTheClose) {
    server.Route("/big", Sized(4 << 20));
    server.Route("/next", Body("n"));
    List({server.Url("/big"), server.Url("/next")});
    settings.Auto_Close = 3;
    DoEventsEveryCall(true);
    ui.answers.push_back(MsgAnswer::Yes);
    ui.onServeEvents = [&] {
        if (host.state == 3 && host.status.rfind("reading url: ", 0) == 0) run.DownloadControl(2);
    };
    run.doSuck();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Do you want to stop your current Download ?");
    EXPECT_EQ(ui.messages[0].title, "Stop pressed");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(run.Stopped());
    EXPECT_EQ(log, Names{"Error: " + RvNetGet::TranslateErrorCode(12017) +
                         " - Url: " + server.Url("/big")});
    EXPECT_EQ(host.states, (std::vector<int>{3, 6, 7, 0}));
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(Files(), Names{});
    EXPECT_EQ(host.autoCloses, 0);
    EXPECT_EQ(host.status, "download finished. 1 error(s)");
}

// Stop acts while the transfer waits for a silent server, without the time-out's help.
TEST_F(Download, StopEndsAWaitForASilentServer) {
    TestResponse silent;
    silent.neverAnswer = true;
    server.Route("/silent", silent);
    server.Route("/stalls", [] {
        TestResponse r = Sized(10 << 20, false);
        r.stallAfter = 5000;
        return r;
    }());
    for (const char* path : {"/silent", "/stalls"}) {
        SCOPED_TRACE(path);
        host.list.Clear();
        log.clear();
        host.states.clear();
        List({server.Url(path), server.Url("/never-asked")});
        // Only the stop can end the wait within the test's bound.
        settings.nettimeout = 10000;
        ui.answers.push_back(MsgAnswer::Yes);
        // Well after the first bytes: the transfer is waiting for the server.
        int serves = 0;
        std::chrono::steady_clock::time_point stopAt;
        ui.onServeEvents = [&] {
            if (host.state != 3 || ++serves != 60) return;
            stopAt = std::chrono::steady_clock::now();
            run.DownloadControl(2);
        };
        run.doSuck();
        EXPECT_LT(std::chrono::steady_clock::now() - stopAt, std::chrono::milliseconds(1000));
        EXPECT_TRUE(run.Stopped());
        EXPECT_EQ(log, Names{"Error: " + RvNetGet::TranslateErrorCode(12017) +
                             " - Url: " + server.Url(path)});
        EXPECT_EQ(host.states, (std::vector<int>{3, 6, 7, 0}));
        EXPECT_EQ(Files(), Names{});
    }
    EXPECT_EQ(server.Requests(), 2);
}

TEST_F(Download, TimeOutFailsTheLinkAndTheRunGoesOn) {
    TestResponse silent;
    silent.neverAnswer = true;
    server.Route("/silent", silent);
    server.Route("/next.bin", Body("next"));
    settings.nettimeout = 300;
    List({server.Url("/silent"), server.Url("/next.bin")});
    run.doSuck();
    EXPECT_EQ(log, Names{"Error: The request has timed out. - Url: " + server.Url("/silent")});
    EXPECT_EQ(Files(), Names{"next.bin"});
    EXPECT_EQ(host.status, "download finished. 1 error(s)");
}

TEST_F(Download, StopQuestionAnsweredNoGoesOn) {
    server.Route("/1", Body("1"));
    server.Route("/2", Body("2"));
    List({server.Url("/1"), server.Url("/2")});
    ui.answers.push_back(MsgAnswer::No);
    bool asked = false;
    ui.onServeEvents = [&] {
        if (!asked && host.state == 3) {
            asked = true;
            run.DownloadControl(2);
        }
    };
    run.doSuck();
    EXPECT_FALSE(run.Stopped());
    EXPECT_EQ(Files(), (Names{"1", "2"}));
}

TEST_F(Download, ButtonsWithoutARunChangeNothing) {
    List({"http://127.0.0.1:1/x"});
    run.DownloadControl(2);
    run.DownloadControl(1);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(host.states, std::vector<int>{});
    host.list.Clear();
    run.DownloadButton(0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text,
              "There are no links to be downloaded ! You first have to get an URL before "
              "downloading.");
    EXPECT_EQ(host.settingsWrites, 0);
}

struct CloseRow {
    const char* what;
    int autoClose;
    bool withError;
    bool closes;
};

class AutoCloseRows : public Download, public ::testing::WithParamInterface<CloseRow> {};

TEST_P(AutoCloseRows, ClosesByTheBits) {
    server.Route("/a", Body("a"));
    settings.Auto_Close = GetParam().autoClose;
    List({server.Url("/a")});
    if (GetParam().withError) List({server.Url("/missing")});
    run.doSuck();
    EXPECT_EQ(host.autoCloses, GetParam().closes ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, AutoCloseRows,
                         ::testing::ValuesIn(std::vector<CloseRow>{
                             {"off", 0, false, false},
                             {"close after success", 1, false, true},
                             {"no close after an error", 1, true, false},
                             {"close despite errors", 3, true, true},
                             {"ignore errors alone does nothing", 2, true, false}}),
                         test::RowName{});

TEST_F(Download, DryRunJudgesEveryLinkAndWritesNothing) {
    server.Route("/a.zip", Body("A"));
    server.Route("/page.html", Body("<p>", "text/html"));
    server.Route("/exists.zip", Body("E"));
    settings.netdownloadignoretext = true;
    settings.filenaming = 3;
    MakePathFor(Saved("127.0.0.1/exists.zip"));
    home.Write("dl/127.0.0.1/exists.zip", "old");
    std::vector<LinkOutcome> outcomes;
    run.OnLinkDone = [&](const LinkOutcome& o) { outcomes.push_back(o); };
    run.DryRun(true);
    List({server.Url("/a.zip"), server.Url("/page.html"), server.Url("/missing"),
          server.Url("/exists.zip")});
    run.doSuck();
    ASSERT_EQ(outcomes.size(), 4u);
    EXPECT_EQ(outcomes[0].verdict, LinkVerdict::WouldDownload);
    EXPECT_EQ(outcomes[0].path, Saved("127.0.0.1/a.zip"));
    EXPECT_EQ(outcomes[1].verdict, LinkVerdict::Skipped);
    EXPECT_EQ(outcomes[1].reason, "skipping: is text/html - Url: " + server.Url("/page.html"));
    EXPECT_EQ(outcomes[2].verdict, LinkVerdict::Failed);
    EXPECT_EQ(outcomes[3].verdict, LinkVerdict::WouldAsk);
    EXPECT_TRUE(host.overwrite.shown.empty());
    EXPECT_EQ(Files(), Names{"127.0.0.1/exists.zip"});
    EXPECT_EQ(Content("127.0.0.1/exists.zip"), "old");
}

}  // namespace
}  // namespace ravlet
