#include <gtest/gtest.h>

#include "support/MainFixture.h"

namespace ravlet {

namespace {
using Rows = std::vector<std::string>;
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
