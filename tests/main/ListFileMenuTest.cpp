// The file menu's list files: open, append, save with the chosen type's extension, and the
// HTML import.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/TypeExtension.h"
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

}  // namespace
}  // namespace ravlet
