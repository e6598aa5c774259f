// The list's commands on the main window, by code and by key: copy, edit, drag, and the entry
// commands.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/RowDrag.h"
#include "platform/Shell.h"
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

// The row under the pointer counts rows of a height from the top visible row, within the list.
TEST(RowUnderPointerTable, CountsRowsFromTheTopVisibleRow) {
    const struct {
        long top;
        int y, height;
        std::size_t count;
        long row;
    } cases[] = {{0, 0, 16, 5, 0},    {0, 15, 16, 5, 0}, {0, 16, 16, 5, 1}, {10, 40, 16, 50, 12},
                 {0, 1000, 16, 5, 4}, {0, -5, 16, 5, 0}, {0, 30, 0, 5, 0},  {0, 30, 16, 0, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(RowUnderPointer(c.top, c.y, c.height, c.count), c.row)
            << c.top << " " << c.y << " " << c.height << " " << c.count;
}

TEST(RowDrag, MovesTheTextAndShiftsTheRowsBetween) {
    test::MainFixture f;
    f.Rows({"a", "b", "c", "d"}, {0});
    f.main->ListLinks_MouseDown(0);
    f.main->ListLinks_MouseMove(2);
    EXPECT_EQ(f.Rows(), (Rows{"b", "c", "a", "d"}));
    f.main->ListLinks_MouseMove(3);
    EXPECT_EQ(f.Rows(), (Rows{"b", "c", "d", "a"}));
    f.main->ListLinks_MouseMove(0);
    EXPECT_EQ(f.Rows(), (Rows{"a", "b", "c", "d"}));
    EXPECT_TRUE(f.main->ListLinks().Selected(0)) << "the selection marks stay where they are";
    f.main->ListLinks_MouseUp();
    EXPECT_FALSE(f.main->Dragging());
    f.main->ListLinks_MouseMove(2);
    EXPECT_EQ(f.Rows(), (Rows{"a", "b", "c", "d"})) << "no drag after the button is released";
}

TEST(RowDrag, IgnoresRowsOutsideTheList) {
    test::MainFixture f;
    f.Rows({"a", "b"});
    f.main->ListLinks_MouseDown(7);
    EXPECT_FALSE(f.main->Dragging());
    f.main->ListLinks_MouseDown(1);
    f.main->ListLinks_MouseMove(-1);
    EXPECT_EQ(f.Rows(), (Rows{"a", "b"}));
    MoveRowText(f.main->ListLinks(), 0, 9);
    EXPECT_EQ(f.Rows(), (Rows{"a", "b"}));
}

// The base in front of an entry: the base box when it has a scheme, else the page's base
// followed by the box; plain concatenation, no "/" added and nothing resolved.
TEST(MainEntryAddress, PutsTheBaseInFront) {
    const struct {
        const char *entry, *base, *page, *address;
    } cases[] = {
        {"http://x/y", "http://b/", "", "http://x/y"},
        {"y.gif", "http://b/", "", "http://b/y.gif"},
        {"y.gif", "http://b/dir", "", "http://b/diry.gif"},
        {"/y.gif", "http://b/dir/", "", "http://b/dir//y.gif"},
        {"y.gif", "img/", "http://p/d/page.html", "http://p/d/img/y.gif"},
        {"y.gif", "", "", "y.gif"},
    };
    for (const auto& c : cases) {
        test::MainFixture f;
        f.main->txtUrlBase = c.base;
        f.main->txtUrl.text = c.page;
        EXPECT_EQ(f.main->EntryAddress(c.entry), c.address) << c.entry << " " << c.base;
    }
}

class MainEntry : public ::testing::Test {
  protected:
    MainEntry() {
        SetShellRecorder([this](const std::string& t) { opened.push_back(t); });
        f.Rows({"a.html", "b.html"});
        f.main->ListLinks().Current(1);
        f.main->txtUrl.text = "http://host/d/";
    }
    ~MainEntry() override { SetShellRecorder(nullptr); }
    test::MainFixture f;
    std::vector<std::string> opened;
};

TEST_F(MainEntry, EditReplacesTheRowWithoutTheDuplicateCheck) {
    f.ui.inputs.push_back("a.html");
    f.main->EntryEdit();
    EXPECT_EQ(f.Rows(), (std::vector<std::string>{"a.html", "a.html"}));
    ASSERT_EQ(f.ui.prompts.size(), 1u);
    EXPECT_EQ(f.ui.prompts[0].text, "Modify Entry or Press Cancel to Reset.");
    EXPECT_EQ(f.ui.prompts[0].title, "Edit Entry");
    EXPECT_EQ(f.ui.presets[0], "b.html");
}

TEST_F(MainEntry, EditWithAnEmptyAnswerOrCancelKeepsTheRow) {
    f.ui.inputs.push_back("");
    f.main->EntryEdit();
    f.main->EntryEdit();  // no scripted input: Cancel
    EXPECT_EQ(f.Rows(), (std::vector<std::string>{"a.html", "b.html"}));
    EXPECT_EQ(f.ui.prompts.size(), 2u);
}

TEST_F(MainEntry, OpenInBrowserOpensTheFullAddress) {
    f.main->EntryOpenInBrowser();
    f.main->OpenCurrentUrl();
    EXPECT_EQ(opened, (std::vector<std::string>{"http://host/d/b.html", "http://host/d/"}));
}

TEST_F(MainEntry, ReUseFetchesTheEntry) {
    f.main->ListLinks().Current(0);
    f.main->txtUrl.text = "file:///nonexistent-dir/";
    f.main->txtUrlBase = "file:///nonexistent-dir/";
    f.main->RvCommand(1100);
    EXPECT_EQ(f.main->txtUrl.text, "file:///nonexistent-dir/a.html");
}

TEST_F(MainEntry, WithoutACurrentRowNothingHappens) {
    f.main->ListLinks().Current(-1);
    f.main->EntryInfo();
    f.main->EntryEdit();
    f.main->EntryOpenInBrowser();
    EXPECT_TRUE(f.view.infos.empty());
    EXPECT_TRUE(f.ui.prompts.empty());
    EXPECT_TRUE(opened.empty());
}

TEST_F(MainEntry, AClickFollowsTheRowOnlyWhileTheInformationWindowIsOpen) {
    f.main->ListLinks_Click();
    EXPECT_TRUE(f.view.infos.empty());
    f.main->InfoWindowOpen(true);
    f.main->ListLinks_Click();
    EXPECT_EQ(f.view.infos, std::vector<std::string>{"http://host/d/b.html | http://host/d/ | "});
}

// A key, pressed in the link list or the window, and what it does to the rows "b", "a" with
// "a" selected, a clipboard holding "c" and the base "http://h/".
TEST(MainKeys, MapOntoTheCommands) {
    const struct {
        const char* name;
        KeyPress key;
        bool list, handled;
        Rows rows;
        const char* clipboard;
    } cases[] = {
        {"Del", {Key_Delete}, true, true, {"b"}, "c"},
        {"CtrlC", {'C', false, true}, true, true, {"b", "a"}, "a"},
        {"CtrlV", {'V', false, true}, true, true, {"b", "a", "c"}, "c"},
        {"CtrlX", {'X', false, true}, true, true, {"b"}, "a"},
        {"CtrlShiftC", {'C', true, true}, true, true, {"b", "a"}, "b\r\na"},
        {"PlainCInTheList", {'C'}, true, false, {"b", "a"}, "c"},
        {"CtrlBackspace", {Key_Backspace, false, true}, false, true, {}, "c"},
        {"CtrlAltB", {'B', false, true, true}, false, true, {"http://h/b", "http://h/a"}, "c"},
        {"CtrlAltC", {'C', false, true, true}, false, true, {"b", "a"}, "b\r\na"},
        {"CtrlAltV", {'V', false, true, true}, false, true, {"b", "a", "c"}, "c"},
        {"CtrlAltX", {'X', false, true, true}, false, true, {}, "b\r\na"},
        {"CtrlAltIIsNotInvert", {'I', false, true, true}, false, false, {"b", "a"}, "c"},
        // The fill of the rows is the step that the undo takes back.
        {"CtrlZ", {'Z', false, true}, false, true, {}, "c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::MainFixture f;
        f.Rows({"b", "a"}, {1});
        f.main->txtUrlBase = "http://h/";
        f.Clip("c");
        EXPECT_EQ(c.list ? f.main->ListLinks_KeyDown(c.key) : f.main->Form_KeyDown(c.key),
                  c.handled);
        EXPECT_EQ(f.Rows(), c.rows);
        EXPECT_EQ(f.ClipText(), c.clipboard);
    }
}

TEST(MainKeys, SelectAllAndInvertByKey) {
    test::MainFixture f;
    f.Rows({"a", "b", "c"}, {1});
    EXPECT_TRUE(f.main->Form_KeyDown({'I', true, true, false}));
    EXPECT_EQ(f.main->ListLinks().SelectedCount(), 2u);
    EXPECT_FALSE(f.main->ListLinks().Selected(1));
    EXPECT_TRUE(f.main->Form_KeyDown({'A', false, true, false}));
    EXPECT_EQ(f.main->ListLinks().SelectedCount(), 3u);
}

// The window keys that act on the list do so from the list or the window; pressed in a text
// field (the address, base or folder box, a refiner field) they are left to its editing.
TEST(MainKeys, WindowKeysActOnTheListOnlyOutsideTextFields) {
    const KeyPress keys[] = {{'A', false, true},           {'I', true, true},
                             {Key_Backspace, false, true}, {'B', false, true, true},
                             {'C', false, true, true},     {'V', false, true, true},
                             {'X', false, true, true},     {'Z', false, true}};
    for (KeyFocus focus : {KeyFocus::Window, KeyFocus::List, KeyFocus::TextField}) {
        for (KeyPress key : keys) {
            key.focus = focus;
            test::MainFixture f;
            f.Rows({"b", "a"}, {1});
            f.main->txtUrlBase = "http://h/";
            f.Clip("c");
            const bool handled = f.main->Form_KeyDown(key);
            const bool untouched = f.Rows() == Rows{"b", "a"} &&
                                   f.main->ListLinks().SelectedCount() == 1 &&
                                   f.main->ListLinks().Selected(1) && f.ClipText() == "c";
            const bool inField = focus == KeyFocus::TextField;
            EXPECT_EQ(handled, !inField) << key.key << " focus " << static_cast<int>(focus);
            EXPECT_EQ(untouched, inField) << key.key << " focus " << static_cast<int>(focus);
        }
    }
}

TEST(MainKeys, BuildBaseWorksFromTextFields) {
    test::MainFixture f;
    f.main->txtUrl.text = "http://host/dir/page.html";
    KeyPress ctrlB{'B', false, true};
    ctrlB.focus = KeyFocus::TextField;
    EXPECT_TRUE(f.main->Form_KeyDown(ctrlB));
    EXPECT_EQ(f.main->txtUrlBase, "http://host/dir/");
}

TEST(MainKeys, EnterShowsTheInformationOfTheCurrentRow) {
    test::MainFixture f;
    f.Rows({"x.gif"});
    f.main->ListLinks().Current(0);
    f.main->txtUrl.text = "http://host/d/p.html";
    EXPECT_TRUE(f.main->ListLinks_KeyDown({Key_Enter}));
    EXPECT_EQ(f.view.infos, std::vector<std::string>{"http://host/d/x.gif | "
                                                     "http://host/d/p.html | "});
}

// F7 acts from a text field too.
TEST(MainKeys, F7TogglesTheLog) {
    test::MainFixture f;
    EXPECT_FALSE(f.main->LogLoaded());
    KeyPress f7{Key_F(7)};
    f7.focus = KeyFocus::TextField;
    EXPECT_TRUE(f.main->Form_KeyDown(f7));
    EXPECT_TRUE(f.main->LogLoaded());
    EXPECT_TRUE(f.main->LogPaneVisible());
    f.main->Form_KeyDown({Key_F(7)});
    EXPECT_FALSE(f.main->LogPaneVisible());
}

}  // namespace ravlet
