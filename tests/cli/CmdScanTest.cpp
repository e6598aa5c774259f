#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "support/RunCli.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

using test::Page;

// index -> a, sub/b, pic.jpg, a foreign address; a -> /sub/c; sub/c -> d.html (missing).
struct ScanSite {
    ScanSite() {
        server.Route("/index.html", Page("<a href=a.html> <a href=sub/b.html> <a href=pic.jpg> "
                                         "<a href=http://elsewhere.invalid/x.html>"));
        server.Route("/a.html", Page("<a href=/sub/c.html>"));
        server.Route("/sub/b.html", Page("<a href=../a.html>"));
        server.Route("/sub/c.html", Page("<a href=d.html>"));
        server.Route("/pic.jpg", Page("JFIF", "image/jpeg"));
    }
    std::string U(const std::string& path) const { return server.Url(path); }
    test::TempHome home;
    test::TestHttpServer server;
};

struct CliScanRow {
    const char* what;
    std::string options;
    std::vector<std::string> out;  // paths of the server, or whole addresses
};

class CliScan : public ::testing::TestWithParam<CliScanRow> {};

TEST_P(CliScan, PrintsTheCollectedList) {
    ScanSite s;
    const test::CliResult r = test::RunCli("scan " + GetParam().options + " " + s.U("/index.html"));
    EXPECT_EQ(r.status, 0) << r.err;
    std::string expected;
    for (const std::string& p : GetParam().out) expected += (p[0] == '/' ? s.U(p) : p) + "\n";
    EXPECT_EQ(r.out, expected) << GetParam().what;
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "Scan finished.", r.err);
}

const char kForeign[] = "http://elsewhere.invalid/x.html";

INSTANTIATE_TEST_SUITE_P(
    Rows, CliScan,
    ::testing::Values(
        CliScanRow{"start page only",
                   "--mode 1",
                   {"/index.html", kForeign, "/pic.jpg", "/a.html", "/sub/b.html"}},
        CliScanRow{"depth one",
                   "--depth 1",
                   {"/index.html", kForeign, "/pic.jpg", "/a.html", "/sub/b.html", "/sub/c.html"}},
        CliScanRow{"only under the base",
                   "--no-collect-all",
                   {"/index.html", "/pic.jpg", "/a.html", "/sub/b.html", "/sub/c.html"}},
        CliScanRow{"scan modes", "--images --mode 1", {"/index.html"}}));

TEST(CliScan, NarrowerBaseCollectsOnlyUnderIt) {
    ScanSite s;
    const test::CliResult r =
        test::RunCli("scan --no-collect-all --base " + s.U("/sub/") + " " + s.U("/sub/b.html"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, s.U("/sub/b.html") + "\n");
}

// Without a level limit: the whole list on standard output, the log lines on standard error.
TEST(CliScan, LogLinesGoToStandardError) {
    ScanSite s;
    const test::CliResult r = test::RunCli("scan " + s.U("/index.html"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, s.U("/index.html") + "\n" + kForeign + "\n" + s.U("/pic.jpg") + "\n" +
                         s.U("/a.html") + "\n" + s.U("/sub/b.html") + "\n" + s.U("/sub/c.html") +
                         "\n");
    EXPECT_PRED_FORMAT2(testing::IsSubstring,
                        "Scanner: Not Found: " + s.U("/sub/d.html") +
                            " [General: URL could have been redirected]\n",
                        r.err);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "Scan finished.", r.err);
}

TEST(CliScan, TakesAListFile) {
    ScanSite s;
    s.home.Write("list.txt", "a.html\r\n" + s.U("/sub/c.html") + "\r\n");
    const test::CliResult r = test::RunCli("scan --mode 1 --take-list " + s.home.File("list.txt") +
                                           " --base " + s.U("/") + " " + s.U("/index.html"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "a.html\n" + s.U("/sub/c.html") + "\n" + s.U("/a.html") + "\n" +
                         s.U("/sub/d.html") + "\n");
}

struct BadRow {
    std::string args;
    std::string err;  // a part of standard error
};

class CliScanBad : public ::testing::TestWithParam<BadRow> {};

TEST_P(CliScanBad, ExitsWithTwo) {
    test::TempHome home;
    const test::CliResult r = test::RunCli("scan " + GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, GetParam().err, r.err);
    EXPECT_EQ(r.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliScanBad,
    ::testing::Values(
        BadRow{"", "which start address?"},
        BadRow{"--mode 3 http://127.0.0.1:1/", "--mode wants 0, 1 or 2"},
        BadRow{"--depth x http://127.0.0.1:1/", "--depth wants a whole number"},
        BadRow{"--depth 1 --mode 0 http://127.0.0.1:1/", "exclude each other"},
        BadRow{"--cache", "--cache needs a value"},
        BadRow{"--bogus http://127.0.0.1:1/", "unknown option '--bogus'"},
        BadRow{"--take-list /nonexistent/list.txt http://127.0.0.1:1/", "cannot read the list"},
        BadRow{"www.example.invalid/",
               "Please supply an URL to start. If you're using ravlets' list, supply this as "
               "Referrer."}));

TEST(CliScan, DownloadsTheCollectedList) {
    ScanSite s;
    const test::CliResult r = test::RunCli("scan --mode 1 --no-collect-all --download -o " +
                                           s.home.File("dl") + " --naming 1 " + s.U("/index.html"));
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out.find(s.U("/index.html") + "\n" + s.U("/pic.jpg") + "\n" + s.U("/a.html") +
                         "\n" + s.U("/sub/b.html") + "\nReady (4 Links)\n"),
              0u)
        << r.out;
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "download finished. 0 error(s)", r.out);
    EXPECT_EQ(s.home.Read("dl/pic.jpg"), "JFIF");
    EXPECT_EQ(s.home.Read("dl/b.html"), "<a href=../a.html>");
}

TEST(CliScan, AnInterruptStopsTheScanAndStillPrints) {
    ScanSite s;
    const std::string pidFile = s.home.File("cli.pid");
    std::string body;
    for (int i = 0; i < 20; ++i) body += "<a href=p" + std::to_string(i) + ".html> ";
    s.server.Route("/many.html", Page(body));
    // The fifth page asked for interrupts the program as Ctrl-C does.
    int asked = 0;
    for (int i = 0; i < 20; ++i)
        s.server.Route("/p" + std::to_string(i) + ".html", [&, pidFile](const test::TestRequest&) {
            if (++asked == 5) {
                long pid = 0;
                for (int wait = 0; wait < 500 && pid <= 0; ++wait) {
                    std::ifstream(pidFile) >> pid;
                    if (pid <= 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
                }
                if (pid > 0) ::kill(static_cast<pid_t>(pid), SIGINT);
            }
            return Page("<a href=many.html>");
        });
    const std::string err = s.home.File("scan.err");
    const test::CliResult r = test::RunCli("scan " + s.U("/many.html") + " 2>'" + err +
                                           "' & echo $! >'" + pidFile + "'; wait $!");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind(s.U("/many.html") + "\n" + s.U("/p0.html") + "\n", 0), 0u) << r.out;
    EXPECT_NE(s.home.Read("scan.err").find("Stopped."), std::string::npos)
        << s.home.Read("scan.err");
    EXPECT_LT(asked, 20) << "the scan ended before the last page";
}

TEST(CliScan, HelpNamesTheOptions) {
    test::TempHome home;
    const test::CliResult r = test::RunCli("scan --help");
    EXPECT_EQ(r.status, 0);
    for (const char* option :
         {"--base", "--depth", "--mode", "--take-list", "--collect-all", "--no-collect-all",
          "--cache", "--foreign-redirects", "--download", "--naming", "--exists"})
        EXPECT_PRED_FORMAT2(testing::IsSubstring, option, r.out);
}

}  // namespace
}  // namespace ravlet
