#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/Joined.h"
#include "support/RowName.h"
#include "support/RunCli.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

namespace fs = std::filesystem;
using test::TestResponse;

// The site every run fetches from, the program folder and the download folder "out".
class Site {
  protected:
    Site() {
        server.Route("/site/index.html",
                     test::Typed("<html><body><a href=\"a.zip\">a</a> <a href='sub/b.txt'>b</a>"
                                 "<img src=\"pic.png\"><a href=\"gone.zip\">gone</a></body></html>",
                                 "text/html"));
        server.Route("/site/a.zip", test::Typed("zip bytes", "application/zip"));
        server.Route("/site/sub/b.txt", test::Typed("text bytes", "text/plain"));
        server.Route("/site/pic.png", test::Typed("png bytes", "image/png"));
        TestResponse big, endless;
        big.generatedSize = 3000;
        server.Route("/big.bin", big);
        endless.generatedSize = 8 << 20;
        endless.sendLength = false;
        server.Route("/endless.bin", endless);
        home.Write("page.html", "<a href=\"data.txt\">d</a>");
        home.Write("data.txt", "local data");
        home.Write("my.ini", "filenaming=0\r\n");
    }
    // "{url}" stands for the server's address, "{home}" for the program folder.
    std::string Expand(std::string text) const {
        for (const auto& [key, value] :
             {std::pair<std::string, std::string>{"{url}", server.Url("")},
              {"{home}", home.path()},
              {"{port}", std::to_string(server.Port())}})
            for (std::size_t p; (p = text.find(key)) != std::string::npos;)
                text.replace(p, key.size(), value);
        return text;
    }
    std::string Dir() const { return home.File("out"); }
    bool Exists(const std::string& name) const { return fs::exists(Dir() + "/" + name); }
    test::CliResult Cli(const std::string& args, const std::string* input = nullptr) {
        return test::RunCli(args + " -o '" + Dir() + "'", input);
    }

    test::TempHome home;
    test::TestHttpServer server;
};

class CliDownload : public Site, public ::testing::Test {};

// One run: its command line and list, the status, the files it leaves in "out" and those it
// must not ("|" between names), and a piece of its output and of its errors.
struct RunRow {
    const char* what;
    std::string args, list;
    int status;
    std::string present, absent, out, err = "";
};

class CliDownloadRun : public Site, public ::testing::TestWithParam<RunRow> {};

TEST_P(CliDownloadRun, LeavesItsFiles) {
    const RunRow& row = GetParam();
    const std::string list = Expand(row.list);
    const auto r = Cli(Expand(row.args), &list);
    EXPECT_EQ(r.status, row.status) << r.out << r.err;
    for (const std::string& name : test::Split(Expand(row.present)))
        EXPECT_TRUE(Exists(name)) << name << "\n" << r.out;
    for (const std::string& name : test::Split(row.absent))
        EXPECT_FALSE(Exists(name)) << name << "\n" << r.out;
    EXPECT_PRED_FORMAT2(testing::IsSubstring, Expand(row.out), r.out);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, row.err, r.err);
}

const char kZip[] = "{url}/site/a.zip\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, CliDownloadRun,
    ::testing::Values(
        RunRow{"rebuilt folders and a type filter",
               "get --links --images --naming 3 --types 'image/;application/' "
               "{url}/site/index.html",
               "", 1, "127.0.0.1/site/a.zip|127.0.0.1/site/pic.png", "127.0.0.1/site/sub/b.txt",
               "skipping: is not image/;application/, is: text/plain - Url: "},
        RunRow{"base resolves relative rows", "download --base {url}/site/ -",
               "a.zip\nsub/b.txt\n../site/pic.png\n", 0, "a.zip|b.txt|pic.png", "", ""},
        RunRow{
            "max size holds for the bytes received", "download --max-size 1m --set netsizenull=1 -",
            "{url}/endless.bin\n" + std::string(kZip), 0, "a.zip", "endless.bin|endless.bin.part",
            "skipping: wrong size (more than 1048576 bytes received) - Url: {url}/endless.bin\n"},
        RunRow{"size limits in units", "download --min-size 2k --max-size 0.5m -",
               "{url}/big.bin\n" + std::string(kZip), 0, "big.bin", "a.zip",
               "skipping: wrong size (9) - Url: "},
        RunRow{"a file of exactly the smallest size is taken", "download --min-size 9 -", kZip, 0,
               "a.zip", "", ""},
        RunRow{"a settings file", "download --settings '{home}/my.ini' -", kZip, 0,
               "127.0.0.1_{port}_site_a.zip", "", ""},
        RunRow{"set lines", "download --set filenaming=4 -", kZip, 0, "0001_a.zip", "", ""},
        RunRow{"a local page", "get '{home}/page.html'", "", 0, "data.txt", "", ""},
        RunRow{"a page that cannot be fetched", "get {url}/nothing.html", "", 2, "", "", "", "404"},
        RunRow{"a page where nothing listens", "get http://127.0.0.1:1/", "", 2, "", "", "",
               "Error: "}),
    test::RowName());

TEST_F(CliDownload, GetDownloadsThePagesLinks) {
    const auto r = Cli("get --links --images " + server.Url("/site/index.html"));
    EXPECT_EQ(r.status, 1) << r.err;  // gone.zip is missing
    EXPECT_EQ(home.Read("out/a.zip"), "zip bytes");
    EXPECT_EQ(home.Read("out/b.txt"), "text bytes");
    EXPECT_EQ(home.Read("out/pic.png"), "png bytes");
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "Ready (4 Links)\n", r.out);
    EXPECT_PRED_FORMAT2(
        testing::IsSubstring,
        "Error: Http Code not OK (200):404 - Url: " + server.Url("/site/gone.zip") + "\n", r.out);
    EXPECT_PRED_FORMAT2(
        testing::IsSubstring,
        "downloaded: " + Dir() + "/a.zip (9 bytes) - Url: " + server.Url("/site/a.zip") + "\n",
        r.out);
    EXPECT_EQ(r.out.substr(r.out.size() - 31), "\ndownload finished. 1 error(s)\n");
}

TEST_F(CliDownload, DryRunPrintsVerdictsAndWritesNothing) {
    const auto r = Cli("get --links --dry-run --skip-html " + server.Url("/site/index.html"));
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_FALSE(fs::exists(Dir()));
    EXPECT_PRED_FORMAT2(testing::IsSubstring,
                        server.Url("/site/a.zip") + " -> " + Dir() + "/a.zip: download\n", r.out);
    EXPECT_PRED_FORMAT2(testing::IsSubstring,
                        server.Url("/site/gone.zip") + " -> " + Dir() +
                            "/gone.zip: error (Error: Http Code not OK (200):404 - Url: " +
                            server.Url("/site/gone.zip") + ")\n",
                        r.out);
}

TEST_F(CliDownload, ExistingFilesFollowTheRuleOfTheCommandLine) {
    fs::create_directories(Dir());
    home.Write("out/a.zip", "old");
    const std::string list = server.Url("/site/a.zip") + "\n";
    auto r = Cli("download --exists skip -", &list);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(home.Read("out/a.zip"), "old");
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "skipping: file exists - File: " + Dir() + "/a.zip",
                        r.out);
    // Asking without a terminal skips.
    r = Cli("download --exists ask -", &list);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(home.Read("out/a.zip"), "old");
    r = Cli("download --exists overwrite -", &list);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(home.Read("out/a.zip"), "zip bytes");
}

TEST_F(CliDownload, DownloadListWithBadEntriesGoesOn) {
    const std::string list =
        "\n" + server.Url("/site/a.zip") + "\nnot an address\nhttp://127.0.0.1:1/refused\n" +
        server.Url("/site/A.ZIP") + "\n" + server.Url("/site/pic.png") + "\r\n";
    const auto r = Cli("download -", &list);
    EXPECT_EQ(r.status, 1);
    EXPECT_PRED_FORMAT2(testing::IsSubstring,
                        "Error: Invalid Url (probably base is missing) Url: not an address\n",
                        r.out);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "download finished. 2 error(s)", r.out);
    EXPECT_TRUE(Exists("a.zip"));
    EXPECT_TRUE(Exists("pic.png"));
    // The duplicate in other letter case was dropped as the link list drops it.
    EXPECT_EQ(server.Requests(), 2);
}

TEST_F(CliDownload, UserAgentReachesTheServer) {
    const std::string list = server.Url("/site/a.zip") + "\n";
    const auto r = Cli("download --user-agent 'ravlet-probe/2.0 (test)' -", &list);
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(server.Received().size(), 1u);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "\r\nUser-Agent: ravlet-probe/2.0 (test)\r\n",
                        server.Received()[0].head);
}

// The proxy is a loopback server that answers the absolute address it is asked for; the
// address's own host is never looked up.
TEST_F(CliDownload, ProxyCarriesTheRequests) {
    test::TestHttpServer proxy;
    proxy.Route("http://files.ravlet.invalid/dist/tool.zip",
                test::Typed("via proxy", "application/zip"));
    const std::string list = "http://files.ravlet.invalid/dist/tool.zip\n";
    const auto r = Cli("download --proxy 127.0.0.1:" + std::to_string(proxy.Port()) + " -", &list);
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(home.Read("out/tool.zip"), "via proxy");
    ASSERT_EQ(proxy.Received().size(), 1u);
    EXPECT_EQ(proxy.Received()[0].method, "GET");
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "\r\nHost: files.ravlet.invalid\r\n",
                        proxy.Received()[0].head);
    EXPECT_EQ(server.Requests(), 0);
}

TEST_F(CliDownload, SettingsAreWrittenOnlyWhenAsked) {
    home.Write("ravlet.ini", "filenaming=3\r\n");
    const std::string list = server.Url("/site/a.zip") + "\n";
    auto r = Cli("download --naming 1 -", &list);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(home.Read("ravlet.ini"), "filenaming=3\r\n");
    EXPECT_TRUE(Exists("a.zip"));
    r = Cli("download --naming 2 --save-settings -", &list);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(home.Read("ravlet.ini").find("\r\nfilenaming=2\r\n"), std::string::npos);
    EXPECT_TRUE(Exists("127.0.0.1/a.zip"));
}

TEST_F(CliDownload, PadRefinesTheListBeforeTheRun) {
    home.Write(
        "zips.rvp",
        "<filterravpad selected=\"0\">\r\n"
        "\t<filter type=\"OneWildcard*\" caption=\"zips\" enabled=\"1\" collapsed=\"0\" >\r\n"
        "\t\t<data name=\"action\" value=\"3\" />\r\n"
        "\t\t<data name=\"mask\" value=\"*.zip\" />\r\n"
        "\t</filter>\r\n"
        "</filterravpad>\r\n");
    const std::string pad = " --pad '" + home.File("zips.rvp") + "' ";
    auto r = Cli("get --links --images" + pad + server.Url("/site/index.html"));
    EXPECT_EQ(r.status, 1) << r.err;  // gone.zip is still in the list
    EXPECT_PRED_FORMAT2(testing::IsSubstring, ": 2 of 4 Links\nReady (2 Links)\n", r.out);
    EXPECT_TRUE(Exists("a.zip"));
    EXPECT_FALSE(Exists("b.txt"));
    EXPECT_FALSE(Exists("pic.png"));

    const std::string list = server.Url("/site/pic.png") + "\n" + server.Url("/site/a.zip") + "\n";
    fs::remove_all(Dir());
    r = Cli("download" + pad + "-", &list);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Exists("a.zip"));
    EXPECT_FALSE(Exists("pic.png"));

    // A pad that cannot be read stops the run before anything is fetched.
    home.Write("cut.rvp", "<filterravpad selected=\"0\"><filter type=\"Clea");
    const int before = server.Requests();
    r = Cli("get --pad '" + home.File("cut.rvp") + "' " + server.Url("/site/index.html"));
    EXPECT_EQ(r.status, 2);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "cannot use the pad", r.err);
    EXPECT_EQ(server.Requests(), before);
}

// Names and addresses from servers reach the terminal with their control bytes written out.
TEST_F(CliDownload, ControlBytesNeverReachTheTerminal) {
    TestResponse named = test::Typed("N", "application/zip");
    named.headers.push_back({"Content-Disposition", "attachment; filename=\"x\x1b[2Jy.zip\""});
    server.Route("/named", named);
    const std::string list = server.Url("/named") + "\n" + server.Url("/gone\x1b[2J.zip") + "\n";
    const auto r = Cli("download -", &list);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_TRUE(Exists("x_[2Jy.zip"));
    EXPECT_EQ(r.out.find('\x1b'), std::string::npos) << r.out;
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "gone\\x1b[2J.zip", r.out);
}

// The page address is sent as it was given: escapes stay escapes.
TEST_F(CliDownload, GetSendsThePageAddressAsGiven) {
    server.Route("/a%20b.html", test::Typed("<a href=\"a.zip\">a</a>", "text/html"));
    server.Route("/s?q=rock%26roll", test::Typed("<a href=\"b.zip\">b</a>", "text/html"));
    auto r = Cli("get --dry-run '" + server.Url("/a%20b.html") + "'");
    EXPECT_EQ(r.status, 1) << r.err;  // a.zip is not there
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "Ready (1 Links)", r.out);
    r = Cli("get --dry-run '" + server.Url("/s?q=rock%26roll") + "'");
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "Ready (1 Links)", r.out);
    const auto received = server.Received();
    ASSERT_GE(received.size(), 2u);
    EXPECT_EQ(received[0].path, "/a%20b.html");
    bool query = false;
    for (const auto& q : received) query = query || q.path == "/s?q=rock%26roll";
    EXPECT_TRUE(query);
}

struct UsageRow {
    const char* what;
    std::string args;
    std::string quoted = "";  // the refused value, which the reason quotes
};

class CliDownloadUsage : public ::testing::TestWithParam<UsageRow> {};

TEST_P(CliDownloadUsage, IsStatusTwo) {
    test::TempHome home;
    const auto r = test::RunCli(GetParam().args + " </dev/null");
    EXPECT_EQ(r.status, 2) << r.out;
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "usage: ravlet-cli ", r.err);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, GetParam().quoted, r.err);
    EXPECT_EQ(home.Read("ravlet.ini"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliDownloadUsage,
    ::testing::Values(UsageRow{"get without address", "get"},
                      UsageRow{"download without list", "download"},
                      UsageRow{"unknown option", "get --fast http://127.0.0.1:1/"},
                      UsageRow{"size that is none", "download --min-size lots -", "lots"},
                      UsageRow{"size beyond a setting", "download --max-size 3g -", "3g"},
                      UsageRow{"time that is none", "download --timeout never -", "never"},
                      UsageRow{"time of glued pieces", "download --timeout 1h5 -", "1h5"},
                      UsageRow{"set without value", "download --set filenaming -"},
                      UsageRow{"set of an unknown key", "download --set nokey=1 -"},
                      UsageRow{"two pages", "get http://127.0.0.1:1/ http://127.0.0.1:2/"},
                      UsageRow{"missing settings file", "download --settings /no/such.ini -"}),
    test::RowName{});

TEST_F(CliDownload, CookiesAreSentFromOneFileAndSavedToAnother) {
    const std::string in = "127.0.0.1\tFALSE\t/\tFALSE\t0\tsid\tabc\n";
    home.Write("in.txt", in);
    test::TestResponse r = test::Typed("zip bytes", "application/zip");
    r.headers.push_back({"Set-Cookie", "fresh=1; Path=/"});
    server.Route("/site/a.zip", r);
    const std::string list = server.Url("/site/a.zip") + "\n";
    const auto got = Cli("download --cookies '" + home.File("in.txt") + "' --save-cookies '" +
                             home.File("out.txt") + "' --tries 1 -",
                         &list);
    EXPECT_EQ(got.status, 0) << got.err;
    ASSERT_EQ(server.Received().size(), 1u);
    EXPECT_EQ(test::HeaderOf(server.Received()[0], "Cookie"), "sid=abc");
    EXPECT_EQ(home.Read("in.txt"), in) << "the cookie file is only read";
    const std::string saved = home.Read("out.txt");
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "\tsid\tabc", saved);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "\tfresh\t1", saved);
}

TEST_F(CliDownload, LinksOfACompressedPage) {
    server.Route("/gz.html", [](const test::TestRequest& request) {
        // Sent compressed only to a client that asks for it.
        if (test::HeaderOf(request, "Accept-Encoding").find("gzip") == std::string::npos)
            return test::Typed("<html>plain</html>", "text/html");
        test::TestResponse r = test::Typed(
            std::string("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\xff\xb3\x49\x54\xc8\x28\x4a"
                        "\x4d\xb3\x55\xca\xcf\x4b\xd5\x4b\xca\xcc\x53\xb2\x33\xb4\xd1\x4f"
                        "\xb4\x03\x00\x41\x21\x3b\x66\x17\x00\x00\x00",
                        43),
            "text/html");
        r.headers.push_back({"Content-Encoding", "gzip"});
        return r;
    });
    const auto got = test::RunCli("links " + server.Url("/gz.html"));
    EXPECT_EQ(got.status, 0) << got.err;
    EXPECT_EQ(got.out, "one.bin\n");
}

class CliReport : public CliDownload {};

TEST_F(CliReport, SummaryAndFailedListOfARunFeedTheNextRun) {
    const std::string failed = home.File("failed.txt");
    auto r = Cli("get --links --types application/ --summary --failed-list '" + failed + "' " +
                 server.Url("/site/index.html"));
    EXPECT_EQ(r.status, 1) << r.err;
    const std::string summary =
        "download finished. 1 error(s)\n"
        "Summary: 1 done, 1 skipped, 1 failed, 0 not reached\n"
        "a.zip: done -> " +
        Dir() +
        "/a.zip (9 B)\n"
        "sub/b.txt: skipping: is not application/, is: text/plain\n"
        "gone.zip: Error: Http Code not OK (200):404\n";
    ASSERT_GE(r.out.size(), summary.size());
    EXPECT_EQ(r.out.substr(r.out.size() - summary.size()), summary) << r.out;
    EXPECT_EQ(home.Read("failed.txt"), server.Url("/site/gone.zip") + "\n");

    server.Route("/site/gone.zip", test::Typed("back", "application/zip"));
    r = Cli("download --summary --failed-list '" + failed + "' '" + failed + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_PRED_FORMAT2(testing::IsSubstring,
                        "Summary: 1 done, 0 skipped, 0 failed, 0 not reached\n", r.out);
    EXPECT_EQ(home.Read("out/gone.zip"), "back");
    EXPECT_EQ(home.Read("failed.txt"), "") << "nothing failed this time";
}

TEST_F(CliReport, AFailedListThatCannotBeWrittenIsAnError) {
    fs::create_directories(home.File("taken"));
    const auto r = Cli("get --links --failed-list '" + home.File("taken") + "' " +
                       server.Url("/site/index.html"));
    EXPECT_EQ(r.status, 2);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "cannot write the failed list " + home.File("taken"),
                        r.err);
    EXPECT_TRUE(fs::is_directory(home.File("taken"))) << "the folder stays as it was";
}

}  // namespace
}  // namespace ravlet
