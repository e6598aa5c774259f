// The examples the README gives for ravlet-cli, run as it gives them: each test first checks
// that the README still shows the command, so the two cannot drift apart.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/RunCli.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

namespace fs = std::filesystem;

std::string Readme() {
    return test::ReadFile(std::string(RAVLET_SOURCE_DIR) + "/README.md");
}

// Every regular file below folder (part files included).
std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::recursive_directory_iterator(folder, ec))
        if (e.is_regular_file()) names.push_back(e.path().string());
    return names;
}

TEST(ReadmeExamples, TheFilterExampleKeepsTheArchiveAndTheSong) {
    const std::string readme = Readme();
    const std::string input = "a.zip#top\\nA.ZIP\\nmailto:me@example.com\\nb.mp3\\nc.html\\n";
    ASSERT_NE(readme.find("printf '" + input +
                          "' |\n"
                          "        ravlet-cli filter --pad examples/pads/archives-and-music.rvp"),
              std::string::npos)
        << "the README no longer shows the filter example";
    ASSERT_NE(readme.find("prints `A.ZIP` and `b.mp3`."), std::string::npos);

    test::TempHome home;
    const std::string list = "a.zip#top\nA.ZIP\nmailto:me@example.com\nb.mp3\nc.html\n";
    const auto r = test::RunCli("filter --pad '" + std::string(RAVLET_SOURCE_DIR) +
                                    "/examples/pads/archives-and-music.rvp'",
                                &list);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "A.ZIP\nb.mp3\n");
}

TEST(ReadmeExamples, TheDryRunJudgesEveryLinkAndTransfersNoBody) {
    ASSERT_NE(Readme().find("ravlet-cli get --dry-run --skip-html --min-size 10k "
                            "http://127.0.0.1:8000/\n"),
              std::string::npos)
        << "the README no longer shows the dry run";

    test::TempHome home;
    test::TestHttpServer server;
    server.Route("/", test::Page("<a href=\"big.zip\">big</a> <a href=\"small.zip\">small</a> "
                                 "<a href=\"page.html\">page</a>"));
    // A body that would never end in a test's time: reading it would hang the run.
    test::TestResponse big = test::Typed("", "application/zip"), html = test::Page("");
    big.generatedSize = std::int64_t(1) << 40;
    html.generatedSize = 20000;
    server.Route("/big.zip", big);
    server.Route("/small.zip", test::Typed("tiny", "application/zip"));
    server.Route("/page.html", html);

    // As the README runs it: the scan modes and the download folder of the settings.
    const std::string dir = home.File("tmp");
    const auto r = test::RunCli("get --dry-run --skip-html --min-size 10k " + server.Url("/"));
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string big_ = server.Url("/big.zip"), small_ = server.Url("/small.zip"),
                      page_ = server.Url("/page.html");
    EXPECT_PRED_FORMAT2(testing::IsSubstring, big_ + " -> " + dir + "/big.zip: download\n", r.out);
    EXPECT_NE(r.out.find(small_ + " -> " + dir +
                         "/small.zip: skip (skipping: wrong size (4) - Url: " + small_ + ")\n"),
              std::string::npos)
        << r.out;
    EXPECT_PRED_FORMAT2(
        testing::IsSubstring,
        page_ + " -> " + dir + "/page.html: skip (skipping: is text/html - Url: " + page_ + ")\n",
        r.out);
    EXPECT_PRED_FORMAT2(testing::IsNotSubstring, "downloaded:", r.out);
    // Nothing was written: no file anywhere in the program folder, part files included.
    EXPECT_EQ(FilesBelow(home.path()), std::vector<std::string>{});
    // The page and each of the three links were asked for once.
    EXPECT_EQ(server.Requests(), 4);
}

}  // namespace
}  // namespace ravlet
