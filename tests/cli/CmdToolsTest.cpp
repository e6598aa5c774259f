// ravlet-cli import-map, export, gen and info.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/RowName.h"
#include "support/RunCli.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

std::string Quote(const std::string& s) {
    return "'" + s + "'";
}

// The README's examples run on the sample site's files.
TEST(CliImportMap, PrintsTheSampleSitesMapInListOrder) {
    test::TempHome home;
    const test::CliResult r =
        test::RunCli("import-map " + Quote(std::string(RAVLET_SOURCE_DIR) + "/examples/site.map"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "http://127.0.0.1:8000/index.html\nhttp://127.0.0.1:8000/gallery.html\n"
              "http://127.0.0.1:8000/docs/about.html\nhttp://127.0.0.1:8000/docs/notes.txt\n"
              "http://127.0.0.1:8000/images/red.png\nhttp://127.0.0.1:8000/images/green.png\n"
              "http://127.0.0.1:8000/images/blue.png\nhttp://example.invalid/\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliImportMap, WarnsFailsAndReadsStandardInput) {
    test::TempHome home;
    const std::string noSignature = "x\r\nEXTRALINK##a\r\nEXTRALINK##A\r\n";
    test::CliResult r = test::RunCli("import-map -", &noSignature);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "a\n");
    EXPECT_EQ(r.err, "ravlet-cli import-map: Not an Intellitemper Map File maybe\n");
    r = test::RunCli("import-map " + Quote(home.File("none.map")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "ravlet-cli import-map: Failed to open " + home.File("none.map") +
                         ": No such file or directory\n");
    EXPECT_EQ(test::RunCli("import-map " + Quote(home.path())).status, 1);
    EXPECT_EQ(test::RunCli("import-map").status, 2);
    EXPECT_EQ(test::RunCli("import-map a b").status, 2);
}

TEST(CliExport, WritesThePageAsTheWindowDoes) {
    test::TempHome home;
    home.Write("list.wls", "a.jpg\r\nhttp://o/b?c&d\r\n<x>\r\n");
    const test::CliResult r = test::RunCli(
        "export --base http://h/p/ --headline --description 'D & E' --new-window "
        "--title 'T<1>' " +
        Quote(home.File("list.wls")) + " -o " + Quote(home.File("out.html")));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(home.Read("out.html"),
              "<html>\r\n<head><title>T&lt;1&gt;</title></head>\r\n<body>\r\n"
              "<h1>T&lt;1&gt;</h1>\r\n<p>D &amp; E</p>\r\n"
              "<a href=\"http://h/p/a.jpg\" target=\"_blank\">a.jpg</a><br />\r\n"
              "<a href=\"http://o/b?c&amp;d\" target=\"_blank\">http://o/b?c&amp;d</a><br />\r\n"
              "<a href=\"http://h/p/&lt;x&gt;\" target=\"_blank\">&lt;x&gt;</a><br />\r\n"
              "</body>\r\n</html>\r\n");
}

TEST(CliExport, ThePageAddressIsTheFirstAddressOfTheListWithoutBase) {
    test::TempHome home;
    home.Write("ravlet.ini", "webhomepage=http://home.example/\r\n");
    const std::string list = "rel.html\nhttp://h/d/page.html\n";
    const test::CliResult r = test::RunCli("export --promote -o -", &list);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "<title>http://h/d/page.html</title>", r.out);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "<a href=\"http://h/d/rel.html\">rel.html</a>",
                        r.out);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "<a href=\"http://home.example/\" >", r.out);
}

TEST(CliExport, AFailedWriteSaysSoAndLeavesNothingHalfWritten) {
    test::TempHome home;
    std::filesystem::create_directory(home.File("dir.html"));
    const std::string list = "a\n";
    test::CliResult r = test::RunCli("export - -o " + Quote(home.File("dir.html")), &list);
    EXPECT_EQ(r.status, 1);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "could not be written", r.err);
    r = test::RunCli("export - -o /dev/full/x.html", &list);
    EXPECT_EQ(r.status, 1);
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(home.path()))
        left.push_back(e.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"dir.html"});
    EXPECT_EQ(test::RunCli("export a.wls").status, 2) << "no -o";
    EXPECT_EQ(test::RunCli("export --title").status, 2);
}

struct GenRow {
    const char* what;
    std::string args;
    std::string input;
    int status;
    std::string out;
};

class CliGen : public ::testing::TestWithParam<GenRow> {};

TEST_P(CliGen, PrintsTheNames) {
    test::TempHome home;
    const test::CliResult r = test::RunCli("gen " + GetParam().args, &GetParam().input);
    EXPECT_EQ(r.status, GetParam().status) << r.err;
    EXPECT_EQ(r.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliGen,
    ::testing::Values(
        GenRow{"format", "--format http://host/img 8-12 .jpg", "", 0,
               "http://host/img08.jpg\nhttp://host/img09.jpg\nhttp://host/img10.jpg\n"
               "http://host/img11.jpg\nhttp://host/img12.jpg\n"},
        GenRow{"no format", "p 9-10 ''", "", 0, "p9\np10\n"},
        GenRow{"empty range", "p 5- s", "", 0, ""},
        GenRow{"add in front", "--add front - n 5-100 _", "x\r\ny\r\n", 0, "n5_x\nn6_y\n"},
        GenRow{"add at the end", "--format --add end - _ 5-100 ''", "x\n\ny\n", 0,
               "x_005\n_006\ny_007\n"},
        GenRow{"no dash", "a 12 b", "", 2, ""},
        GenRow{"too many digits", "a 999999999999999999999-1 b", "", 2, ""},
        GenRow{"two words", "a 1-2", "", 2, ""}, GenRow{"add without list", "--add end", "", 2, ""},
        GenRow{"add somewhere else", "--add middle - a 1-2 b", "", 2, ""},
        GenRow{"more than a million refused without a terminal", "a 1-1000001 b", "", 1, ""}),
    test::RowName());

TEST(CliGenLarge, YesGoesOnAboveAMillion) {
    test::TempHome home;
    const test::CliResult r = test::RunCli("gen --yes '' 1-1000001 '' | tail -n 1");
    EXPECT_EQ(r.out, "1000001\n");
}

TEST(CliInfo, PrintsTheHeadsAndFailsWhenTheRequestFails) {
    test::TempHome home;
    test::TestHttpServer server;
    server.Route("/d/p.html", test::Page("<html>body</html>"));
    test::CliResult r =
        test::RunCli("info --referer http://ref/ --base " + Quote(server.Url("/d/")) + " p.html");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Status:200\nRaw:\nHTTP/1.1 200 OK\n", 0), 0u) << r.out;
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "\nRequest:\nGET /d/p.html HTTP/1.1\n", r.out);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "Referer: http://ref/\naccept: */*\n", r.out);
    EXPECT_PRED_FORMAT2(testing::IsNotSubstring, "body", r.out);

    std::string refused;
    {
        test::TestHttpServer gone;
        refused = gone.Url("/x");
    }
    r = test::RunCli("info " + Quote(refused));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind("Error: ", 0), 0u);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "\n Url: " + refused + "\n", r.out);
    EXPECT_EQ(test::RunCli("info").status, 2);
    EXPECT_EQ(test::RunCli("info --bogus x").status, 2);
}

}  // namespace
}  // namespace ravlet
