#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/RowName.h"
#include "support/RunCli.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

const char kLinksPage[] =
    "<html><head><link href=\"style.css\"></head>\r\n"
    "<body background=\"bg.gif\">\r\n"
    "<a href=\"b.html\">B</a> <A HREF=\"B.HTML\">again</A> <a href = \"c.html?x=1&amp;y=2\">\r\n"
    "<img src=\"i.png\"> <script src=\"j.js\"></script> <input value=\"go\">\r\n"
    "see hxxp://h/x or https://s/y\r\n";
// Every link of kLinksPage, in the scanner's order.
const char kLinksAll[] =
    "b.html\nc.html?x=1&y=2\nstyle.css\ni.png\nbg.gif\nj.js\ngo\nhttp://h/x\nhttps://s/y\n";

// The pages in the program folder and on a loopback server that the runs read.
struct LinksSite {
    LinksSite() {
        home.Write("page.html", kLinksPage);
        home.Write("binary.html", std::string("\0\x01\xff binary", 10));
        // A link holding terminal escapes is printed with them written out.
        home.Write("escape.html",
                   "<a href=\"a\x1b]0;owned\x07"
                   "b.zip\">x</a>");
        server.Route("/page.html", test::Page(kLinksPage));
        server.Route("/new/", test::Typed("<a href=\"moved.html\">", ""));
        server.Redirect("/old", "/new/", 301);
        // An error page's links are not the page's.
        test::TestResponse notFound =
            test::Page("<a href=\"help.html\">help</a> <a href=\"home.html\">home</a>");
        notFound.status = 404;
        notFound.reason = "Not Found";
        server.Route("/gone.html", notFound);
        test::TestHttpServer gone;  // a port that surely was free and is closed again
        refused = gone.Url("/page.html");
    }
    // "{url}" stands for the server, "{home}" for the program folder, "{refused}" for an
    // address where nothing listens.
    std::string Expand(std::string text) const {
        for (const auto& [key, value] :
             {std::pair<std::string, std::string>{"{url}", server.Url("")},
              {"{home}", home.path()},
              {"{refused}", refused}})
            for (std::size_t p; (p = text.find(key)) != std::string::npos;)
                text.replace(p, key.size(), value);
        return text;
    }
    test::TempHome home;
    test::TestHttpServer server;
    std::string refused;
};

// One run: its settings file, command line, status, whole output and a piece of the errors.
struct LinksRow {
    const char* what;
    std::string ini, args;
    int status;
    std::string out, err = "";
};

class CliLinks : public ::testing::TestWithParam<LinksRow> {};

TEST_P(CliLinks, PrintsTheListInTheScannersOrderOrFailsWithAReason) {
    const LinksRow& row = GetParam();
    LinksSite site;
    if (!row.ini.empty()) site.home.Write("ravlet.ini", row.ini);
    const test::CliResult r = test::RunCli(site.Expand(row.args));
    EXPECT_EQ(r.status, row.status) << r.err;
    EXPECT_EQ(r.out, row.out);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, row.err, r.err);
}

const char kRefs[] = "b.html\nc.html?x=1&y=2\nstyle.css\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, CliLinks,
    ::testing::Values(
        LinksRow{"the settings choose references only", "", "links {home}/page.html", 0, kRefs},
        LinksRow{"images", "", "links --images {home}/page.html", 0, "i.png\nbg.gif\n"},
        LinksRow{"wild", "", "links --wild {home}/page.html", 0, "i.png\nj.js\ngo\n"},
        LinksRow{"plain", "", "links --plain {home}/page.html", 0, "http://h/x\nhttps://s/y\n"},
        LinksRow{"all four", "", "links --mode 15 {home}/page.html", 0, kLinksAll},
        LinksRow{"options add up", "", "links --links --mode=2 {home}/page.html", 0,
                 std::string(kRefs) + "i.png\nbg.gif\n"},
        LinksRow{"the settings scan keys are the default", "scanlink=0\r\nscanimg=1\r\n",
                 "links {home}/page.html", 0, "i.png\nbg.gif\n"},
        LinksRow{"a page without links prints nothing", "", "links {home}/binary.html", 0, "",
                 "no links/references on page were found."},
        LinksRow{"control bytes are printed escaped", "", "links '{home}/escape.html'", 0,
                 "a\\x1b]0;owned\\x07b.zip\n"},
        LinksRow{"a redirection is followed", "", "links {url}/old", 0, "moved.html\n"},
        LinksRow{"a failed fetch ends with the error text", "", "links {refused}", 1, "",
                 "Error: "},
        LinksRow{"an error page is not parsed", "", "links {url}/gone.html", 1, "",
                 "HTTP status 404"},
        LinksRow{"nor the local handler's 404", "", "links file://{home}/missing.html", 1, "",
                 "HTTP status 404"},
        LinksRow{"missing file", "", "links missing.html", 1, "", "missing.html"},
        LinksRow{"a folder", "", "links .", 1, "", "cannot read"},
        LinksRow{"no page", "", "links", 2, "", "which page?"},
        LinksRow{"two pages", "", "links a b", 2, "", "one page at a time"},
        LinksRow{"mode zero", "", "links --mode 0 a", 2, "", "1 to 15"},
        LinksRow{"mode not a number", "", "links --mode x a", 2, "", "1 to 15"},
        LinksRow{"mode too big", "", "links --mode 16 a", 2, "", "1 to 15"},
        LinksRow{"unknown option", "", "links --frames a", 2, "", "unknown option"}),
    test::RowName());

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

TEST(CliLinksFetch, FetchesThePageLikeTheGetTask) {
    LinksSite site;
    site.home.Write("ravlet.ini", "user-agent=ravlet-test/1\r\n");
    const test::CliResult r = test::RunCli("links --mode 15 " + site.server.Url("/page.html"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kLinksAll);
    const std::vector<test::TestRequest> received = site.server.Received();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "User-Agent: ravlet-test/1\r\n", received[0].head);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "\r\naccept: */html", received[0].head);
}

TEST(CliLinksFetch, AFileAddressOfAFolderGivesItsIndexPage) {
    test::TempHome home;
    home.Write("a.html", "x");
    home.Write("b.html", "y");
    const test::CliResult r = test::RunCli("links file://" + home.path() + "/");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "a.html\n", r.out);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "b.html\n", r.out);
}

}  // namespace
}  // namespace ravlet
