#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/RowName.h"
#include "support/RunCli.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

const char kPage[] =
    "<html><head><link href=\"style.css\"></head>\r\n"
    "<body background=\"bg.gif\">\r\n"
    "<a href=\"b.html\">B</a> <A HREF=\"B.HTML\">again</A> <a href = \"c.html?x=1&amp;y=2\">\r\n"
    "<img src=\"i.png\"> <script src=\"j.js\"></script> <input value=\"go\">\r\n"
    "see hxxp://h/x or https://s/y\r\n";
// Every link of kPage, in the scanner's order.
const char kAll[] =
    "b.html\nc.html?x=1&y=2\nstyle.css\ni.png\nbg.gif\nj.js\ngo\nhttp://h/x\nhttps://s/y\n";

struct LinksRow {
    const char* what;
    std::string options;
    std::string out;
};

class CliLinks : public ::testing::TestWithParam<LinksRow> {};

TEST_P(CliLinks, PrintsTheListInTheScannersOrder) {
    test::TempHome home;
    home.Write("page.html", kPage);
    const test::CliResult r =
        test::RunCli("links " + GetParam().options + " " + home.File("page.html"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Rows, CliLinks,
                         ::testing::Values(LinksRow{"the settings choose references only", "",
                                                    "b.html\nc.html?x=1&y=2\nstyle.css\n"},
                                           LinksRow{"images", "--images", "i.png\nbg.gif\n"},
                                           LinksRow{"wild", "--wild", "i.png\nj.js\ngo\n"},
                                           LinksRow{"plain", "--plain",
                                                    "http://h/x\nhttps://s/y\n"},
                                           LinksRow{"all four", "--mode 15", kAll},
                                           LinksRow{"options add up", "--links --mode=2",
                                                    "b.html\nc.html?x=1&y=2\nstyle.css\n"
                                                    "i.png\nbg.gif\n"}),
                         test::RowName());

TEST(CliLinksInput, TheSettingsScanKeysAreTheDefault) {
    test::TempHome home;
    home.Write("ravlet.ini", "scanlink=0\r\nscanimg=1\r\n");
    home.Write("page.html", kPage);
    EXPECT_EQ(test::RunCli("links " + home.File("page.html")).out, "i.png\nbg.gif\n");
}

// A path is read through a mapping and cleaned into a new text, an address and standard input
// are cleaned where they were read: the three must agree.
TEST(CliLinksInput, APathAFileAddressAndStandardInputGiveOneList) {
    test::TempHome home;
    const std::string page =
        "<a\thref =  \"a b.html\">\n<a href=\"x&amp;y\">\r<a  href=\"z\r\n\">"
        " hxxps://h/p\n<img\tsrc=i.png\r\n" +
        std::string(70000, ' ') + "<a href=end\n>";
    home.Write("page.html", page);
    const std::string expected = "a b.html\nx&y\nz\nend\ni.png\nhttps://h/p\n";
    EXPECT_EQ(test::RunCli("links --mode 11 " + home.File("page.html")).out, expected);
    EXPECT_EQ(test::RunCli("links --mode 11 file://" + home.File("page.html")).out, expected);
    EXPECT_EQ(test::RunCli("links --mode 11 -", &page).out, expected);
}

TEST(CliLinksInput, APageWithoutLinksPrintsNothing) {
    test::TempHome home;
    home.Write("page.html", std::string("\0\x01\xff binary", 10));
    const test::CliResult r = test::RunCli("links " + home.File("page.html"));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("no links/references on page were found."), std::string::npos);
}

TEST(CliLinksFetch, FetchesThePageLikeTheGetTask) {
    test::TempHome home;
    home.Write("ravlet.ini", "user-agent=ravlet-test/1\r\n");
    test::TestHttpServer server;
    test::TestResponse page;
    page.headers = {{"Content-Type", "text/html"}};
    page.body = kPage;
    server.Route("/page.html", page);
    const test::CliResult r = test::RunCli("links --mode 15 " + server.Url("/page.html"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kAll);
    const std::vector<test::TestRequest> received = server.Received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_NE(received[0].head.find("User-Agent: ravlet-test/1\r\n"), std::string::npos)
        << received[0].head;
    EXPECT_NE(received[0].head.find("\r\naccept: */html"), std::string::npos) << received[0].head;
}

TEST(CliLinksFetch, FollowsARedirection) {
    test::TempHome home;
    test::TestHttpServer server;
    test::TestResponse page;
    page.body = "<a href=\"moved.html\">";
    server.Route("/new/", page);
    server.Redirect("/old", "/new/", 301);
    const test::CliResult r = test::RunCli("links " + server.Url("/old"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "moved.html\n");
}

TEST(CliLinksFetch, AFailedFetchEndsWithTheErrorText) {
    test::TempHome home;
    int port;
    {
        test::TestHttpServer gone;  // a port that surely was free and is closed again
        port = gone.Port();
    }
    const test::CliResult r =
        test::RunCli("links http://127.0.0.1:" + std::to_string(port) + "/page.html");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Error: "), std::string::npos) << r.err;
}

// An error page's links are not the page's: no list, status 1 and the reason.
TEST(CliLinksFetch, AnErrorPageIsNotParsed) {
    test::TempHome home;
    test::TestHttpServer server;
    test::TestResponse notFound;
    notFound.status = 404;
    notFound.reason = "Not Found";
    notFound.headers.push_back({"Content-Type", "text/html"});
    notFound.body = "<a href=\"help.html\">help</a> <a href=\"home.html\">home</a>";
    server.Route("/gone.html", notFound);
    test::CliResult r = test::RunCli("links " + server.Url("/gone.html"));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("HTTP status 404"), std::string::npos) << r.err;
    // The local handler's 404 counts as well.
    r = test::RunCli("links file://" + home.path() + "/missing.html");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("HTTP status 404"), std::string::npos) << r.err;
}

// A link holding terminal escapes is printed with them written out.
TEST(CliLinksInput, ControlBytesArePrintedEscaped) {
    test::TempHome home;
    home.Write("page.html",
               "<a href=\"a\x1b]0;owned\x07"
               "b.zip\">x</a>");
    const test::CliResult r = test::RunCli("links '" + home.File("page.html") + "'");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "a\\x1b]0;owned\\x07b.zip\n");
}

TEST(CliLinksFetch, AFileAddressOfAFolderGivesItsIndexPage) {
    test::TempHome home;
    home.Write("a.html", "x");
    home.Write("b.html", "y");
    const test::CliResult r = test::RunCli("links file://" + home.path() + "/");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("a.html\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("b.html\n"), std::string::npos) << r.out;
}

struct FailRow {
    const char* what;
    std::string args;
    int status;
    std::string err;  // a piece of the error text
};

class CliLinksFails : public ::testing::TestWithParam<FailRow> {};

TEST_P(CliLinksFails, WithAStatusAndAReason) {
    test::TempHome home;
    const test::CliResult r = test::RunCli(GetParam().args);
    EXPECT_EQ(r.status, GetParam().status);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().err), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliLinksFails,
    ::testing::Values(FailRow{"missing file", "links missing.html", 1, "missing.html"},
                      FailRow{"a folder", "links .", 1, "cannot read"},
                      FailRow{"no page", "links", 2, "which page?"},
                      FailRow{"two pages", "links a b", 2, "one page at a time"},
                      FailRow{"mode zero", "links --mode 0 a", 2, "1 to 15"},
                      FailRow{"mode not a number", "links --mode x a", 2, "1 to 15"},
                      FailRow{"mode too big", "links --mode 16 a", 2, "1 to 15"},
                      FailRow{"unknown option", "links --frames a", 2, "unknown option"}),
    test::RowName());

}  // namespace
}  // namespace ravlet
