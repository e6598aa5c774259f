#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "app/Settings.h"
#include "main/MainControls.h"
#include "support/MainFixture.h"
#include "support/RowName.h"

namespace ravlet {

// Enabled controls per State, as letters: S start, P pause, T stop, U address box,
// F folder buttons and build base, G get, A apply filters.
struct ControlsCase {
    int state;
    const char* enabled;
};

std::string Letters(const MainControls& c) {
    std::string s;
    if (c.downloadStart) s += 'S';
    if (c.downloadPause) s += 'P';
    if (c.downloadStop) s += 'T';
    if (c.urlBox) s += 'U';
    if (c.folderButtons) s += 'F';
    if (c.getButton) s += 'G';
    if (c.applyFilters) s += 'A';
    return s;
}

class MainStateControls : public ::testing::TestWithParam<ControlsCase> {};

TEST_P(MainStateControls, EnablesWhatTheStateAllows) {
    test::MainFixture f;
    f.main->State(GetParam().state);
    EXPECT_EQ(Letters(f.main->Controls()), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(Table, MainStateControls,
                         ::testing::Values(ControlsCase{0, "SUFGA"}, ControlsCase{1, "F"},
                                           ControlsCase{2, "SUFGA"}, ControlsCase{3, "PT"},
                                           ControlsCase{4, "T"}, ControlsCase{5, "ST"},
                                           ControlsCase{6, ""}, ControlsCase{7, ""},
                                           ControlsCase{8, "U"}, ControlsCase{9, "U"}),
                         test::KeyedName<&ControlsCase::state>{});

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

TEST(MainState, RefinerHearsEveryState) {
    struct Listening : RefinerHooks {
        std::vector<int> states;
        void MainStateChanged(int state) override { states.push_back(state); }
    } refiner;
    test::MainFixture f;
    f.main->SetRefiner(&refiner);
    f.main->State(8);
    f.main->State(0);
    EXPECT_EQ(refiner.states, (std::vector<int>{8, 0}));
    f.main->SetRefiner(nullptr);
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

struct BuildbaseCase {
    int mode;
    const char* baseBefore;
    const char* baseAfter;
};

class MainTaskBuildbase : public ::testing::TestWithParam<BuildbaseCase> {};

TEST_P(MainTaskBuildbase, FollowsTheMode) {
    test::MainFixture f;
    f.main->txtUrl.text = "http://host/dir/page.html";
    f.main->txtUrlBase = GetParam().baseBefore;
    f.main->Task_Buildbase(GetParam().mode);
    EXPECT_EQ(f.main->txtUrlBase, GetParam().baseAfter);
}

INSTANTIATE_TEST_SUITE_P(Table, MainTaskBuildbase,
                         ::testing::Values(BuildbaseCase{0, "", ""},
                                           BuildbaseCase{0, "http://b/", "http://b/"},
                                           BuildbaseCase{1, "", "http://host/dir/"},
                                           BuildbaseCase{1, "   ", "http://host/dir/"},
                                           BuildbaseCase{1, "http://b/", "http://b/"},
                                           BuildbaseCase{2, "http://b/", "http://host/dir/"},
                                           BuildbaseCase{3, "", ""}),
                         test::KeyedName<&BuildbaseCase::baseBefore>{});

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
