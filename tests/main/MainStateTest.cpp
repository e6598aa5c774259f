#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "app/Settings.h"
#include "main/MainControls.h"
#include "support/MainFixture.h"

namespace ravlet {

// Enabled controls per State, as letters: S start, P pause, T stop, U address box,
// F folder buttons and build base, G get, A apply filters.
TEST(MainStateControls, EnablesWhatTheStateAllows) {
    const char* const enabled[] = {"SUFGA", "F", "SUFGA", "PT", "T", "ST", "", "", "U", "U"};
    for (int state = 0; state < 10; ++state) {
        test::MainFixture f;
        f.main->State(state);
        const MainControls& c = f.main->Controls();
        std::string letters;
        for (const auto& [on, letter] : {std::pair{c.downloadStart, 'S'},
                                         {c.downloadPause, 'P'},
                                         {c.downloadStop, 'T'},
                                         {c.urlBox, 'U'},
                                         {c.folderButtons, 'F'},
                                         {c.getButton, 'G'},
                                         {c.applyFilters, 'A'}})
            if (on) letters += letter;
        EXPECT_EQ(letters, enabled[state]) << "state " << state;
    }
}

TEST(MainState, IdleAndListReadyShowTheReadyStatus) {
    test::MainFixture f;
    f.Rows({"a", "b"});
    f.main->StatusBar.Mode(1);
    f.main->State(3);
    EXPECT_NE(f.main->StatusBar.Caption(), "Ready (2 Links)");
    f.main->State(2);
    EXPECT_EQ(f.main->StatusBar.Caption(), "Ready (2 Links)");
    EXPECT_EQ(f.main->StatusBar.Mode(), 0) << "the gauge is hidden";
    f.main->Interface_Status("x");
    f.main->State(0);
    EXPECT_EQ(f.main->StatusBar.Caption(), "Ready (2 Links)");
}

// Ctrl held puts the Get button into add mode; each of these ends it.
TEST(MainState, AddModeEnds) {
    const std::pair<const char*, std::function<void(frmMain&)>> ends[] = {
        {"idle",
         [](frmMain& m) {
             m.State(2);
             EXPECT_TRUE(m.AddMode()) << "a ready list keeps it";
             m.State(0);
         }},
        {"ctrl released",
         [](frmMain& m) {
             m.Form_KeyUp({Key_Control, false, false, false});
         }},
        {"the window loses the focus", [](frmMain& m) { m.Form_Deactivate(); }},
    };
    for (const auto& [what, end] : ends) {
        SCOPED_TRACE(what);
        test::MainFixture f;
        f.main->State(2);
        f.main->Form_KeyDown({Key_Control, false, true, false});
        EXPECT_TRUE(f.main->AddMode());
        EXPECT_EQ(f.main->GetCaption(), "A&dd");
        end(*f.main);
        EXPECT_FALSE(f.main->AddMode());
        EXPECT_EQ(f.main->GetCaption(), "&Get");
    }
}

TEST(MainState, SetResetListCopiesTheRowsAndMarksTheListReady) {
    test::MainFixture f;
    f.main->SetResetList();
    EXPECT_EQ(f.main->State(), 0) << "an empty list does not make the list ready";
    EXPECT_TRUE(f.refiner.ResetList().empty());
    f.Rows({"b", "a"});
    f.main->SetResetList();
    EXPECT_EQ(f.refiner.ResetList(), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(f.main->State(), 2);
    f.Rows({"c"});
    f.main->SetResetList();
    EXPECT_EQ(f.refiner.ResetList(), (std::vector<std::string>{"c"}));
}

// The base built from the page "http://host/dir/page.html" by each mode, over a base box.
TEST(MainTaskBuildbase, FollowsTheMode) {
    const struct {
        int mode;
        const char *baseBefore, *baseAfter;
    } cases[] = {{0, "", ""},
                 {0, "http://b/", "http://b/"},
                 {1, "", "http://host/dir/"},
                 {1, "   ", "http://host/dir/"},
                 {1, "http://b/", "http://b/"},
                 {2, "http://b/", "http://host/dir/"},
                 {3, "", ""}};
    for (const auto& c : cases) {
        test::MainFixture f;
        f.main->txtUrl.text = "http://host/dir/page.html";
        f.main->txtUrlBase = c.baseBefore;
        f.main->Task_Buildbase(c.mode);
        EXPECT_EQ(f.main->txtUrlBase, c.baseAfter) << c.mode << " '" << c.baseBefore << "'";
    }
}

TEST(MainBaseSafe, PrefersABaseWithAScheme) {
    test::MainFixture f;
    f.main->txtUrl.text = "http://host/dir/page.html";
    EXPECT_EQ(f.main->BaseSafe(""), "http://host/dir/");
    f.main->txtUrlBase = "images/";
    EXPECT_EQ(f.main->BaseSafe("a.gif"), "http://host/dir/a.gif");
    f.main->txtUrlBase = "ftp://files/pub/";
    EXPECT_EQ(f.main->BaseSafe("a.gif"), "ftp://files/pub/a.gif");
    EXPECT_EQ(f.main->BaseSafe(""), "ftp://files/pub/");
}

TEST(MainBuildBase, NeedsAPageAddress) {
    test::MainFixture f;
    f.main->txtUrlBase = "http://keep/";
    f.main->BuildBase();
    EXPECT_EQ(f.main->txtUrlBase, "http://keep/");
    f.main->txtUrl.text = "http://host/";
    f.main->RvCommand(2001);
    EXPECT_EQ(f.main->txtUrlBase, "http://host/");
}

}  // namespace ravlet
