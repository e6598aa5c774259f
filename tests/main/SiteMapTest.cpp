// Site-map imports: the records and their order, the file as read, and the menu entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/SiteMap.h"
#include "support/Joined.h"
#include "support/MainFixture.h"

namespace ravlet {
namespace {

using Rows = std::vector<std::string>;

// Record lines after the signature and the links they add, "|" between them.
TEST(SiteMapRecords, AddTheLinksInOrder) {
    const struct {
        const char *what, *lines, *links;
    } rows[] = {
        {"domain folder and file with further columns",
         "DOMAIN##example.com|FOLDER##/pics/|FILE##a.jpg\t2048\t200",
         "http://example.com/pics/a.jpg"},
        {"a file before any folder is just its name", "DOMAIN##h|FILE##a.jpg", "a.jpg"},
        {"a folder before any domain has no host", "FOLDER##/f/|FILE##a", "/f/a"},
        {"a later domain needs a new folder",
         "DOMAIN##a|FOLDER##/x/|DOMAIN##b|FILE##1|FOLDER##/y/|FILE##2",
         "http://a/x/1|http://b/y/2"},
        {"extra links stand alone", "DOMAIN##h|FOLDER##/f/|EXTRALINK##http://other/p\tx",
         "http://other/p"},
        {"keys in small letters are ignored", "domain##h|folder##/f/|file##a|Extralink##http://e/",
         ""},
        {"lines without the mark and unknown keys are ignored", "FILE a|# FILE##x|SIZE##3|FILE#b",
         ""},
        {"duplicates are skipped whatever their letter case",
         "EXTRALINK##http://h/A|EXTRALINK##HTTP://H/a|EXTRALINK##http://h/b",
         "http://h/A|http://h/b"},
        {"blanks are trimmed and empty values add nothing",
         "EXTRALINK##  http://h/x  |EXTRALINK##|FILE##|FILE##\tcol", "http://h/x"},
        {"a file without value adds the folder", "DOMAIN##h|FOLDER##/f/|FILE##", "http://h/f/"},
        {"the value ends at the first tab only", "EXTRALINK##a##b\tc\td", "a##b"},
        {"the key ends at the first mark", "FILE##EXTRALINK##x", "EXTRALINK##x"},
    };
    for (const auto& row : rows) {
        SiteMapPlace place;
        LinkList list;
        for (const std::string& line : test::Split(row.lines)) SiteMapRecord(line, place, list);
        EXPECT_EQ(list.Items(), test::Split(row.links)) << row.what;
    }
}

const std::string kSig = "### SITEMAP1 INTELLITAMPER";

// A file's bytes: the links it adds behind "kept" ("|" between them), whether it is taken for
// no site map ("Not an Intellitemper Map File maybe"), and the record lines counted.
TEST(SiteMapFiles, ReadAsTheyAre) {
    const struct {
        const char* what;
        std::string bytes, links;
        bool warned;
        long lines;
    } rows[] = {
        {"crlf", kSig + "\r\nDOMAIN##h\r\nFOLDER##/\r\nFILE##a\r\n", "http://h/a", false, 3},
        {"cr only", kSig + "\rDOMAIN##h\rFOLDER##/\rFILE##a\r", "http://h/a", false, 3},
        {"lf and no end on the last line", kSig + "\nEXTRALINK##x\nFILE##y", "x|y", false, 2},
        {"no signature: warned, the rest read all the same",
         "EXTRALINK##first\r\nDOMAIN##h\r\nFOLDER##/\r\nFILE##a\r\n", "http://h/a", true, 3},
        {"the signature in small letters is none", "### sitemap1 intellitamper\r\nFILE##a", "a",
         true, 1},
        {"an empty file", "", "", true, 0},
        {"only the signature", kSig, "", false, 0},
        {"nul bytes stay in the value", kSig + "\r\nEXTRALINK##a" + std::string(1, '\0') + "b\r\n",
         std::string("a\0b", 3), false, 1},
        {"binary garbage", std::string("\x89PNG\r\n\x1a\n\0\0\xff\xfe##\x01", 15), "", true, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        test::TempHome home;
        home.Write("site.map", row.bytes);
        LinkList list;
        list.Add("kept");
        bool warned = false;
        long lines = 0;
        SiteMapEvents events;
        events.notSiteMap = [&] { warned = true; };
        events.lineRead = [&](long n) { lines = n; };
        std::string error;
        EXPECT_TRUE(SiteMapImport(home.File("site.map"), list, events, error)) << error;
        EXPECT_EQ(test::Joined(list.Items()), "kept" + (row.links.empty() ? "" : "|" + row.links));
        EXPECT_EQ(warned, row.warned);
        EXPECT_EQ(lines, row.lines);
    }
}

TEST(SiteMapFile, AHundredMegabyteLineIsOneRecord) {
    test::TempHome home;
    std::string bytes = kSig + "\r\nEXTRALINK##";
    bytes += std::string(100u << 20, 'x');
    bytes += "\tmore\r\nEXTRALINK##after\r\n";
    home.Write("big.map", bytes);
    bytes.clear();
    bytes.shrink_to_fit();
    LinkList list;
    std::string error;
    ASSERT_TRUE(SiteMapImport(home.File("big.map"), list, {}, error));
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0).size(), 100u << 20);
    EXPECT_EQ(list.At(1), "after");
}

TEST(SiteMapFile, MissingFilesAndFoldersSayWhy) {
    test::TempHome home;
    LinkList list;
    std::string error;
    EXPECT_FALSE(SiteMapImport(home.File("none.map"), list, {}, error));
    EXPECT_EQ(error, "No such file or directory");
    EXPECT_FALSE(SiteMapImport(home.path(), list, {}, error));
    EXPECT_EQ(error, "Is a directory");
    EXPECT_TRUE(list.Empty());
}

// The menu entry on the main window.
TEST(SiteMapMenu, AppendsCountsLinesAndLeavesTheListReady) {
    test::MainFixture f;
    f.home.Write("site.map", kSig + "\r\nDOMAIN##h\r\nFOLDER##/f/\r\nFILE##a\r\nFILE##b\r\n");
    f.Rows({"http://h/f/a", "old"});
    std::vector<std::string> captions;
    int stateSeen = -1;
    f.ui.onServeEvents = [&] {
        captions.push_back(f.main->StatusBar.Caption());
        stateSeen = f.main->State();
    };
    f.ui.files.push_back(f.home.File("site.map"));
    f.main->ImportSiteMap();
    ASSERT_EQ(f.ui.fileRequests.size(), 1u);
    EXPECT_EQ(f.ui.fileRequests[0].title, "Import Intellitamper Map File");
    EXPECT_EQ(f.ui.fileRequests[0].filter, "Intellitemper Map|*.map|all files|*.*");
    EXPECT_FALSE(f.ui.fileRequests[0].save);
    EXPECT_EQ(f.Rows(), (Rows{"http://h/f/a", "old", "http://h/f/b"}));
    EXPECT_EQ(captions,
              (Rows{"1 Line(s) read.", "2 Line(s) read.", "3 Line(s) read.", "4 Line(s) read."}));
    EXPECT_EQ(stateSeen, 1);
    EXPECT_EQ(f.main->State(), 2);
    EXPECT_EQ(f.refiner.ResetList(), f.Rows());
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_FALSE(f.ui.busy());
}

TEST(SiteMapMenu, WarnsAboutAMissingSignature) {
    test::MainFixture f;
    // The first line is taken as the signature line, whatever it holds.
    f.home.Write("site.map", "EXTRALINK##http://h/first\r\nEXTRALINK##http://h/x\r\n");
    f.ui.files.push_back(f.home.File("site.map"));
    f.main->ImportSiteMap();
    EXPECT_EQ(f.MessageTexts(), Rows{"Not an Intellitemper Map File maybe"});
    EXPECT_EQ(f.Rows(), Rows{"http://h/x"});
}

TEST(SiteMapMenu, AFileThatCannotBeOpenedLeavesTheListAsItWas) {
    test::MainFixture f;
    f.Rows({"a", "A"});
    const std::string path = f.home.File("missing.map");
    f.ui.files.push_back(path);
    f.main->ImportSiteMap();
    EXPECT_EQ(f.MessageTexts(), Rows{"Failed to open " + path + ":\r\nNo such file or directory"});
    EXPECT_EQ(f.Rows(), (Rows{"a", "A"}));
    EXPECT_EQ(f.main->State(), 2);
}

TEST(SiteMapMenu, CancelDoesNothing) {
    test::MainFixture f;
    f.Rows({"a"});
    f.main->ImportSiteMap();
    EXPECT_EQ(f.main->State(), 0);
    EXPECT_EQ(f.Rows(), Rows{"a"});
}

}  // namespace
}  // namespace ravlet
