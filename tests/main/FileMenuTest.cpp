// The file menu: list files (open, append, save with the chosen type's extension), the HTML
// import, site-map imports (the records and their order, the file as read, the menu entry) and
// the HTML export (the page's lines with each option, escaping, the export base, the options
// window and a failed write).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/Settings.h"
#include "main/ExportHtml.h"
#include "main/SiteMap.h"
#include "main/TypeExtension.h"
#include "main/frmExportHtml.h"
#include "net/ravlet_url.h"
#include "support/Joined.h"
#include "support/MainFixture.h"

namespace ravlet {
namespace {

using Rows = std::vector<std::string>;

const char kListFilter[] = "ravlet listfiles|*.wls|text files|*.txt|all files|*.*";

// A saved name without an extension gets the chosen type's first pattern's.
TEST(SaveExtension, ANameWithoutOneGetsTheChosenTypes) {
    const struct {
        const char* what;
        const char* path;
        int type;
        const char* saved;
    } rows[] = {
        {"list type", "/d/links", 0, "/d/links.wls"},
        {"text type", "/d/links", 1, "/d/links.txt"},
        {"all files adds nothing", "/d/links", 2, "/d/links"},
        {"a name with an extension stays", "/d/links.lst", 0, "/d/links.lst"},
        {"a dot in the folder is not the name's", "/d.x/links", 1, "/d.x/links.txt"},
        {"an unknown type adds nothing", "/d/links", -1, "/d/links"},
        {"a type beyond the filter adds nothing", "/d/links", 3, "/d/links"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(AddTypeExtension(row.path, kListFilter, row.type), row.saved) << row.what;
    EXPECT_EQ(AddTypeExtension("/p", "HTML files|*.html;*.htm|all|*.*", 0), "/p.html");
}

TEST(ListFileMenu, SaveAddsTheExtensionOfTheChosenType) {
    test::MainFixture f;
    f.Rows({"a", "b"});
    f.ui.files.push_back(f.home.File("links"));
    f.ui.fileTypes.push_back(1);
    f.main->SaveListfile();
    ASSERT_EQ(f.ui.fileRequests.size(), 1u);
    EXPECT_EQ(f.ui.fileRequests[0].title, "Save Listfile");
    EXPECT_EQ(f.ui.fileRequests[0].filter, kListFilter);
    EXPECT_TRUE(f.ui.fileRequests[0].save);
    EXPECT_EQ(f.home.Read("links.txt"), "a\r\nb\r\n");
}

TEST(ListFileMenu, SavedAndOpenedAgainIsTheSameListDuplicatesAndEmptyEntriesAndAll) {
    test::MainFixture f;
    const Rows rows{" a ", "b", "", "b", "B", "c"};
    f.Rows(rows);
    f.ui.files.push_back(f.home.File("l.wls"));
    f.main->SaveListfile();
    f.main->RvCommand(1009);
    f.ui.files.push_back(f.home.File("l.wls"));
    f.main->OpenListfile(false);
    EXPECT_EQ(f.Rows(), rows);
    EXPECT_EQ(f.ui.fileRequests.back().title, "Open Listfile");
    EXPECT_EQ(f.main->State(), 2);
    EXPECT_EQ(f.refiner.ResetList(), rows);
}

TEST(ListFileMenu, AppendAddsEntriesThatAreThereAlready) {
    test::MainFixture f;
    f.home.Write("l.wls", "a\r\n\r\nb");
    f.Rows({"a"});
    f.ui.files.push_back(f.home.File("l.wls"));
    f.main->OpenListfile(true);
    EXPECT_EQ(f.ui.fileRequests.back().title, "Append Listfile");
    EXPECT_EQ(f.Rows(), (Rows{"a", "a", "", "b"}));
}

TEST(ListFileMenu, HtmlImportReplacesTheListOnlyWhenItFindsLinks) {
    test::MainFixture f;
    f.home.Write("none.html", "<p>no links</p>");
    f.home.Write("page.html", "<a href=x.html>\r\n<a href=X.html>");
    f.Rows({"old"});
    f.ui.files.push_back(f.home.File("none.html"));
    f.main->ImportHtmlFile();
    EXPECT_EQ(f.Rows(), Rows{"old"});
    f.ui.files.push_back(f.home.File("page.html"));
    f.main->ImportHtmlFile();
    EXPECT_EQ(f.Rows(), Rows{"x.html"});
    EXPECT_EQ(f.ui.fileRequests.back().title, "Import HTML File");
    EXPECT_EQ(f.main->State(), 2);
}

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

// A missing file and a folder, each with the reason it cannot be read.
TEST(SiteMapMenu, AFileThatCannotBeOpenedLeavesTheListAsItWas) {
    test::MainFixture f;
    f.Rows({"a", "A"});
    const std::pair<std::string, std::string> targets[] = {
        {f.home.File("missing.map"), "No such file or directory"},
        {f.home.path(), "Is a directory"}};
    for (const auto& [path, why] : targets) {
        f.ui.messages.clear();
        f.ui.files.push_back(path);
        f.main->ImportSiteMap();
        EXPECT_EQ(f.MessageTexts(), Rows{"Failed to open " + path + ":\r\n" + why});
        EXPECT_EQ(f.Rows(), (Rows{"a", "A"}));
        EXPECT_EQ(f.main->State(), 2);
    }
}

TEST(SiteMapMenu, CancelDoesNothing) {
    test::MainFixture f;
    f.Rows({"a"});
    f.main->ImportSiteMap();
    EXPECT_EQ(f.main->State(), 0);
    EXPECT_EQ(f.Rows(), Rows{"a"});
}

ExportHtmlOptions Opt(bool headline, bool useDesc, const std::string& desc, bool newWindow,
                      bool promote, const std::string& title = "T") {
    ExportHtmlOptions o;
    o.title = title;
    o.headline = headline;
    o.useDescription = useDesc;
    o.description = desc;
    o.newWindow = newWindow;
    o.promote = promote;
    return o;
}

// The entries ("|" between them) with the options: the lines between "<body>" and "</body>".
TEST(ExportPage, WritesTheLines) {
    const struct {
        const char* what;
        const char* entries;
        ExportHtmlOptions options;
        std::string body, title = "T";
    } rows[] = {
        {"an empty list", "", Opt(false, false, "", false, false), ""},
        {"empty list with heading and description", "", Opt(true, true, "D", false, false),
         "<h1>T</h1>\r\n<p>D</p>\r\n"},
        {"relative entries get the base in the href only", "a.jpg|http://o/b.jpg",
         Opt(false, false, "", false, false),
         "<a href=\"http://h/d/a.jpg\">a.jpg</a><br />\r\n"
         "<a href=\"http://o/b.jpg\">http://o/b.jpg</a><br />\r\n"},
        {"new window", "a", Opt(false, false, "", true, false),
         "<a href=\"http://h/d/a\" target=\"_blank\">a</a><br />\r\n"},
        {"description unchecked writes no paragraph", "", Opt(false, false, "D", false, false), ""},
        {"the ravlet link", "", Opt(false, false, "", false, true),
         "<p><b>Download Help ?!</b><br /><a href=\"http://home/\" >Get ravlet and "
         "download all the links of this page with ease.</p>\r\n"},
        {"markup in entries title and description is escaped", "x.php?a=1&b=\"2\"|<script>",
         Opt(true, true, "<b>&</b>", false, false, "a<\"b\">&"),
         "<h1>a&lt;&quot;b&quot;&gt;&amp;</h1>\r\n<p>&lt;b&gt;&amp;&lt;/b&gt;</p>\r\n"
         "<a href=\"http://h/d/x.php?a=1&amp;b=&quot;2&quot;\">x.php?a=1&amp;b=&quot;2&quot;"
         "</a><br />\r\n"
         "<a href=\"http://h/d/&lt;script&gt;\">&lt;script&gt;</a><br />\r\n",
         "a&lt;&quot;b&quot;&gt;&amp;"},
        {"an attribute cannot be broken out of", "\" onclick=\"x",
         Opt(false, false, "", false, false),
         "<a href=\"http://h/d/&quot; onclick=&quot;x\">&quot; onclick=&quot;x</a><br />\r\n"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(
            ExportHtmlPage(test::Split(row.entries), "http://h/d/", row.options, "http://home/"),
            "<html>\r\n<head><title>" + row.title + "</title></head>\r\n<body>\r\n" + row.body +
                "</body>\r\n</html>\r\n")
            << row.what;
    }
}

TEST(ExportBase, TheBaseWithASchemeElseThePagesBase) {
    UrlSchemesInit();
    EXPECT_EQ(ExportHtmlBase("http://b/x/", "http://p/q/r.html"), "http://b/x/");
    EXPECT_EQ(ExportHtmlBase("b/x/", "http://p/q/r.html"), "http://p/q/");
    EXPECT_EQ(ExportHtmlBase("", ""), "");
}

TEST(ExportPercent, EachEntryShowsTheShareWritten) {
    std::vector<int> seen;
    ExportHtmlPage({"a", "b", "c"}, "", ExportHtmlOptions{}, "", [&](int p) { seen.push_back(p); });
    EXPECT_EQ(seen, (std::vector<int>{33, 67, 100}));
}

struct ExportView : test::RecordingView {
    std::function<void(frmExportHtml&)> answer;
    std::vector<std::string> presets;
    void ShowExportOptions(frmExportHtml& form) override {
        presets.push_back(form.txtTitle);
        if (answer) answer(form);
    }
};

struct ExportScene {
    ExportScene() {
        f.main->SetView(&view);
        f.main->txtUrl.text = "http://p/q/r.html";
        f.main->txtUrlBase = "";
        f.Rows({"a", "http://o/b"});
        AppSettings().webhomepage = "http://home/";
    }
    ~ExportScene() { f.main->SetView(&f.view); }
    test::MainFixture f;
    ExportView view;
};

TEST(ExportMenu, AsksForTheTargetThenTheOptionsThenWrites) {
    ExportScene s;
    s.view.answer = [](frmExportHtml& form) {
        form.txtTitle = "Mine";
        form.chk[2] = true;
        form.cmd_Click(0);
        form.Form_Unload();  // the window closing after its button is no cancel
    };
    s.f.ui.files.push_back(s.f.home.File("out.html"));
    s.f.main->ExportHtmlFile();
    ASSERT_EQ(s.f.ui.fileRequests.size(), 1u);
    const FileDialogRequest& r = s.f.ui.fileRequests[0];
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.title, "Export HTML File");
    EXPECT_EQ(r.defaultExt, ".html");
    EXPECT_EQ(r.filter, HtmlFileFilter(AppSettings()));
    EXPECT_EQ(s.view.presets, Rows{"http://p/q/r.html"});
    EXPECT_EQ(s.f.home.Read("out.html"),
              "<html>\r\n<head><title>Mine</title></head>\r\n<body>\r\n"
              "<a href=\"http://p/q/a\" target=\"_blank\">a</a><br />\r\n"
              "<a href=\"http://o/b\" target=\"_blank\">http://o/b</a><br />\r\n"
              "</body>\r\n</html>\r\n");
    EXPECT_EQ(s.f.main->StatusBar.Caption(), "Ready (2 Links)");
    EXPECT_FALSE(s.f.ui.busy());
}

TEST(ExportMenu, CancelOrACloseWritesNothing) {
    ExportScene s;
    s.f.home.Write("out.html", "old");
    s.view.answer = [](frmExportHtml& form) { form.cmd_Click(1); };
    EXPECT_FALSE(s.f.main->ExportHtml(s.f.home.File("out.html")));
    s.view.answer = [](frmExportHtml& form) { form.Form_Unload(); };
    EXPECT_FALSE(s.f.main->ExportHtml(s.f.home.File("out.html")));
    EXPECT_EQ(s.f.home.Read("out.html"), "old");
    s.f.main->ExportHtmlFile();  // the target dialog cancelled
    EXPECT_EQ(s.view.presets.size(), 2u);
}

TEST(ExportMenu, AFailedWriteIsReportedAndLeavesNoPageBehind) {
    ExportScene s;
    s.view.answer = [](frmExportHtml& form) { form.cmd_Click(0); };
    // A folder at the target's name, and a target in a folder that does not exist.
    std::filesystem::create_directory(s.f.home.File("taken.html"));
    s.f.home.Write("taken.html/keep", "k");
    for (const std::string& target :
         {s.f.home.File("taken.html"), s.f.home.File("nowhere/out.html")}) {
        SCOPED_TRACE(target);
        s.f.ui.messages.clear();
        EXPECT_FALSE(s.f.main->ExportHtml(target));
        ASSERT_EQ(s.f.ui.messages.size(), 1u);
        EXPECT_EQ(s.f.ui.messages[0].title, "HTML Export");
        EXPECT_NE(s.f.ui.messages[0].text.find(target), std::string::npos);
        EXPECT_EQ(s.f.main->StatusBar.Caption(), "HTML export failed: " + target);
    }
    EXPECT_EQ(s.f.home.Read("taken.html/keep"), "k");
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(s.f.home.path()))
        left.push_back(e.path().filename().string());
    EXPECT_EQ(left, Rows{"taken.html"}) << "no temporary file remains";
}

}  // namespace
}  // namespace ravlet
