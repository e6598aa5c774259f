#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Joined.h"
#include "support/MainFixture.h"

namespace ravlet {

namespace {
using Rows = std::vector<std::string>;
using test::MainFixture;
}  // namespace

// What a copy command puts on the clipboard; lists as "|"-joined rows.
struct CopyCase {
    const char* name;
    const char* rows;
    std::vector<std::size_t> selected;
    int code;
    std::string base, page, clipboard;
};

class RvCommandCopy : public ::testing::TestWithParam<CopyCase> {};

TEST_P(RvCommandCopy, PutsTheTextOnTheClipboard) {
    const CopyCase& c = GetParam();
    MainFixture f;
    f.Rows(test::Split(c.rows), c.selected);
    f.main->txtUrlBase = c.base;
    f.main->txtUrl.text = c.page;
    f.Clip("old text");
    f.main->RvCommand(c.code);
    EXPECT_EQ(f.ClipText(), c.clipboard);
    EXPECT_EQ(f.Rows(), test::Split(c.rows)) << "a copy leaves the list alone";
}

INSTANTIATE_TEST_SUITE_P(
    Table, RvCommandCopy,
    ::testing::Values(
        CopyCase{"SelectedLastRowFirst", "r0|r1|r2|r3|r4|r5", {2, 5}, 1000, "", "", "r5\r\nr2"},
        CopyCase{"OneSelected", "a|b", {0}, 1000, "", "", "a"},
        CopyCase{"NoneSelected", "a|b", {}, 1000, "", "", ""},
        CopyCase{"ListInOrder", "b|a|c", {2}, 1005, "", "", "b\r\na\r\nc"},
        CopyCase{"EmptyList", "", {}, 1005, "", "", ""},
        CopyCase{"BaseAndEntry",
                 "x.gif|http://other/y",
                 {0, 1},
                 1001,
                 "http://host/dir/",
                 "",
                 "http://other/y\r\nhttp://host/dir/x.gif"},
        CopyCase{"BaseFromPageWhenBaseHasNoScheme",
                 "x.gif",
                 {0},
                 1001,
                 "dir/",
                 "http://host/p/page.html",
                 "http://host/p/x.gif"}),
    [](const auto& info) { return info.param.name; });

// What a command leaves in the list.
struct EditCase {
    const char* name;
    const char* rows;
    std::vector<std::size_t> selected;
    const char* clipboard;  // nullptr: the clipboard holds no text
    int code;
    const char* after;
    long current;  // the current row after the command; -2 leaves it unchecked
};

class RvCommandEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(RvCommandEdit, ChangesTheList) {
    const EditCase& c = GetParam();
    MainFixture f;
    f.Rows(test::Split(c.rows), c.selected);
    if (c.clipboard) f.Clip(c.clipboard);
    f.main->RvCommand(c.code);
    EXPECT_EQ(f.Rows(), test::Split(c.after));
    if (c.current != -2) {
        EXPECT_EQ(f.main->ListLinks().Current(), c.current);
    }
    // The list and clipboard commands up to Clear end with the ready status.
    if (c.code <= 1009) {
        EXPECT_EQ(f.main->StatusBar.Caption(),
                  "Ready (" + std::to_string(f.Rows().size()) + " Links)");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RvCommandEdit,
    ::testing::Values(
        EditCase{"PasteEntryTrimmedAndCurrent", "a", {}, "  http://x/  ", 1002, "a|http://x/", 1},
        EditCase{
            "PasteEntryDuplicateIgnoringCase", "HTTP://X/", {}, "http://x/", 1002, "HTTP://X/", -1},
        EditCase{"PasteWithoutText", "a", {}, nullptr, 1010, "a", -1},
        EditCase{"PasteOneLine", "a", {}, "b", 1010, "a|b", 1},
        EditCase{"PasteLinesSkipsEmptyAndDuplicates",
                 "a",
                 {},
                 "b\r\n\r\nA\r\nc\r\nb",
                 1010,
                 "a|b|c",
                 -2},
        EditCase{"PasteListOfOneLine", "", {}, "only", 1006, "only", -2},
        EditCase{"ClearAndPaste", "a|b", {}, "x\r\ny", 1007, "x|y", -2},
        EditCase{"Clear", "a|b", {}, nullptr, 1009, "", -2},
        EditCase{"DeleteMiddleRowMakesNextCurrent", "a|b|c", {1}, nullptr, 1004, "a|c", 1},
        EditCase{"DeleteLastRowMakesNewLastCurrent", "a|b|c", {2}, nullptr, 1004, "a|b", 1},
        EditCase{"DeleteSeveral", "a|b|c|d", {0, 2}, nullptr, 1004, "b|d", 0},
        EditCase{"DeleteAll", "a|b", {0, 1}, nullptr, 1004, "", -1},
        EditCase{"CutSelected", "a|b", {0}, nullptr, 1003, "b", 0},
        EditCase{"CutList", "a|b", {}, nullptr, 1008, "", -2},
        EditCase{"SortByCharacterCodes",
                 "b|a|B|http://z|A|_x|1",
                 {},
                 nullptr,
                 1011,
                 "1|A|B|_x|a|b|http://z",
                 -2},
        EditCase{"SortKeepsEqualTexts", "b|a|b", {}, nullptr, 1011, "a|b|b", -2},
        EditCase{"SortHighBytesLast", "\xe4|z", {}, nullptr, 1011, "z|\xe4", -2}),
    [](const auto& info) { return info.param.name; });

TEST(RvCommand, CutPutsTheRowsOnTheClipboard) {
    MainFixture f;
    f.Rows({"a", "b", "c"}, {0, 2});
    f.main->RvCommand(1003);
    EXPECT_EQ(f.ClipText(), "c\r\na");
    EXPECT_EQ(f.Rows(), Rows{"b"});
    f.Rows({"a", "b"});
    f.main->RvCommand(1008);
    EXPECT_EQ(f.ClipText(), "a\r\nb");
}

TEST(RvCommand, SelectAllAndInvert) {
    MainFixture f;
    f.Rows({"a", "b", "c"}, {1});
    f.main->RvCommand(1013);
    const LinkList& list = f.main->ListLinks();
    EXPECT_TRUE(list.Selected(0));
    EXPECT_FALSE(list.Selected(1));
    EXPECT_TRUE(list.Selected(2));
    f.main->RvCommand(1012);
    EXPECT_EQ(list.SelectedCount(), 3u);
}

TEST(RvCommand, UnknownCodeSaysSoAndChangesNothing) {
    MainFixture f;
    f.Rows({"a"});
    f.main->RvCommand(1014);
    f.main->RvCommand(42);
    EXPECT_EQ(f.MessageTexts(),
              (std::vector<std::string>{"Internal: Command 1014 not defined. (frmMain)",
                                        "Internal: Command 42 not defined. (frmMain)"}));
    EXPECT_EQ(f.Rows(), Rows{"a"});
}

TEST(RvCommand, RefinerCodesGoToTheRefiner) {
    MainFixture f;
    for (int code : {3000, 3001, 3002, 3003}) f.main->RvCommand(code);
    f.main->State(8);  // the stop question only while the filters run
    f.main->RvCommand(3002);
    EXPECT_EQ(f.refiner.commands, (std::vector<int>{3000, 3001, 3002}));
    EXPECT_EQ(f.refiner.shows, 1);
    EXPECT_TRUE(f.ui.messages.empty());
    f.main->PreferencesOpen(true);
    f.main->RvCommand(3003);
    EXPECT_EQ(f.refiner.shows, 1) << "no refiner while the preferences are open";
}

TEST(RvCommand, ApplyBaseResolvesEveryRow) {
    MainFixture f;
    f.Rows({"x.gif", "/root.gif", "http://other/z", ""});
    f.main->txtUrlBase = "http://host/dir/";
    f.main->RvCommand(2000);
    EXPECT_EQ(f.Rows(), (Rows{"http://host/dir/x.gif", "http://host/root.gif", "http://other/z",
                              "http://host/dir/"}));
}

TEST(RvCommand, ApplyBaseBuildsAMissingBaseFromThePage) {
    MainFixture f;
    f.Rows({"x.gif"});
    f.main->txtUrl.text = "http://host/a/page.html?q=1";
    f.main->RvCommand(2000);
    EXPECT_EQ(f.main->txtUrlBase, "http://host/a/");
    EXPECT_EQ(f.Rows(), Rows{"http://host/a/x.gif"});
}

TEST(RvCommand, ApplyBaseWithoutBaseAndPageLeavesTheList) {
    MainFixture f;
    f.Rows({"x.gif", "y"});
    f.main->RvCommand(2000);
    EXPECT_EQ(f.Rows(), (Rows{"x.gif", "y"}));
}

}  // namespace ravlet
