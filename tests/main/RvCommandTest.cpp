#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Joined.h"
#include "support/MainFixture.h"

namespace ravlet {

namespace {
using Rows = std::vector<std::string>;
using test::MainFixture;

// Fills the list from "|"-joined rows, a leading "*" selecting a row; the rows without marks.
Rows MarkedRows(MainFixture& f, const char* marked) {
    Rows rows;
    std::vector<std::size_t> selected;
    for (std::string row : test::Split(marked)) {
        if (!row.empty() && row[0] == '*') {
            selected.push_back(rows.size());
            row.erase(0, 1);
        }
        rows.push_back(row);
    }
    f.Rows(rows, selected);
    return rows;
}
}  // namespace

// What a copy command puts on the clipboard.
TEST(RvCommandCopy, PutsTheTextOnTheClipboard) {
    const struct {
        const char* name;
        const char* rows;
        int code;
        const char *base, *page, *clipboard;
    } cases[] = {
        {"SelectedLastRowFirst", "r0|r1|*r2|r3|r4|*r5", 1000, "", "", "r5\r\nr2"},
        {"OneSelected", "*a|b", 1000, "", "", "a"},
        {"NoneSelected", "a|b", 1000, "", "", ""},
        {"ListInOrder", "b|a|*c", 1005, "", "", "b\r\na\r\nc"},
        {"EmptyList", "", 1005, "", "", ""},
        {"BaseAndEntry", "*x.gif|*http://other/y", 1001, "http://host/dir/", "",
         "http://other/y\r\nhttp://host/dir/x.gif"},
        {"BaseFromPageWhenBaseHasNoScheme", "*x.gif", 1001, "dir/", "http://host/p/page.html",
         "http://host/p/x.gif"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MainFixture f;
        const Rows rows = MarkedRows(f, c.rows);
        f.main->txtUrlBase = c.base;
        f.main->txtUrl.text = c.page;
        f.Clip("old text");
        f.main->RvCommand(c.code);
        EXPECT_EQ(f.ClipText(), c.clipboard);
        EXPECT_EQ(f.Rows(), rows) << "a copy leaves the list alone";
    }
}

// What a command leaves in the list, the current row (-2: not checked) and, where given, the
// clipboard.
TEST(RvCommandEdit, ChangesTheList) {
    const struct {
        const char* name;
        const char* rows;
        const char* clipboard;  // nullptr: the clipboard holds no text
        int code;
        const char* after;
        long current;
        const char* clipAfter = "";
    } cases[] = {
        {"PasteEntryTrimmedAndCurrent", "a", "  http://x/  ", 1002, "a|http://x/", 1},
        {"PasteEntryDuplicateIgnoringCase", "HTTP://X/", "http://x/", 1002, "HTTP://X/", -1},
        {"PasteWithoutText", "a", nullptr, 1010, "a", -1},
        {"PasteOneLine", "a", "b", 1010, "a|b", 1},
        {"PasteLinesSkipsEmptyAndDuplicates", "a", "b\r\n\r\nA\r\nc\r\nb", 1010, "a|b|c", -2},
        {"PasteListOfOneLine", "", "only", 1006, "only", -2},
        {"ClearAndPaste", "a|b", "x\r\ny", 1007, "x|y", -2},
        {"Clear", "a|b", nullptr, 1009, "", -2},
        {"DeleteMiddleRowMakesNextCurrent", "a|*b|c", nullptr, 1004, "a|c", 1},
        {"DeleteLastRowMakesNewLastCurrent", "a|b|*c", nullptr, 1004, "a|b", 1},
        {"DeleteSeveral", "*a|b|*c|d", nullptr, 1004, "b|d", 0},
        {"DeleteAll", "*a|*b", nullptr, 1004, "", -1},
        {"CutSelected", "*a|b", nullptr, 1003, "b", 0, "a"},
        {"CutSelectedLastRowFirst", "*a|b|*c", nullptr, 1003, "b", -2, "c\r\na"},
        {"CutList", "a|b", nullptr, 1008, "", -2, "a\r\nb"},
        {"SortByCharacterCodes", "b|a|B|http://z|A|_x|1", nullptr, 1011, "1|A|B|_x|a|b|http://z",
         -2},
        {"SortKeepsEqualTexts", "b|a|b", nullptr, 1011, "a|b|b", -2},
        {"SortHighBytesLast", "\xe4|z", nullptr, 1011, "z|\xe4", -2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MainFixture f;
        MarkedRows(f, c.rows);
        if (c.clipboard) f.Clip(c.clipboard);
        f.main->RvCommand(c.code);
        EXPECT_EQ(f.Rows(), test::Split(c.after));
        if (c.current != -2) {
            EXPECT_EQ(f.main->ListLinks().Current(), c.current);
        }
        if (*c.clipAfter) {
            EXPECT_EQ(f.ClipText(), c.clipAfter);
        }
        // The list and clipboard commands up to Clear end with the ready status.
        if (c.code <= 1009) {
            EXPECT_EQ(f.main->StatusBar.Caption(),
                      "Ready (" + std::to_string(f.Rows().size()) + " Links)");
        }
    }
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
    EXPECT_EQ(f.MessageTexts(), (Rows{"Internal: Command 1014 not defined. (frmMain)",
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

// Apply Base resolves every row against the base, else against a base built from the page.
TEST(RvCommand, ApplyBase) {
    struct {
        const char* rows;
        const char *base, *page;
        const char* after;
        const char* baseAfter;
    } const cases[] = {
        {"x.gif|/root.gif|http://other/z|", "http://host/dir/", "",
         "http://host/dir/x.gif|http://host/root.gif|http://other/z|http://host/dir/",
         "http://host/dir/"},
        {"x.gif", "", "http://host/a/page.html?q=1", "http://host/a/x.gif", "http://host/a/"},
        {"x.gif|y", "", "", "x.gif|y", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        MainFixture f;
        f.Rows(test::Split(c.rows));
        f.main->txtUrlBase = c.base;
        f.main->txtUrl.text = c.page;
        f.main->RvCommand(2000);
        EXPECT_EQ(f.Rows(), test::Split(c.after));
        EXPECT_EQ(f.main->txtUrlBase, c.baseAfter);
    }
}

}  // namespace ravlet
