// The places of the windows as the settings file keeps them: what is read, what is ignored,
// where a window goes when its place is on no screen, and where the log lives.
#include "main/WindowPlace.h"

#include <gtest/gtest.h>

#include "app/Settings.h"
#include "support/MainFixture.h"
#include "support/RowName.h"

namespace ravlet {
namespace {

struct RectRow {
    const char* what;
    std::string text;
    bool read;
    WindowRect rect;
};

class WindowRectText : public ::testing::TestWithParam<RectRow> {};

TEST_P(WindowRectText, IsReadOrIgnored) {
    WindowRect r{1, 2, 300, 400};
    EXPECT_EQ(ParseWindowRect(GetParam().text, r), GetParam().read);
    const WindowRect unchanged{1, 2, 300, 400};
    EXPECT_EQ(r, GetParam().read ? GetParam().rect : unchanged);
    if (GetParam().read) {
        EXPECT_EQ(FormatWindowRect(r), GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WindowRectText,
    ::testing::Values(
        RectRow{"a place", "40,30,700,500", true, {40, 30, 700, 500}},
        RectRow{"left of the first screen", "-1200,-20,800,600", true, {-1200, -20, 800, 600}},
        RectRow{"too small", "0,0,99,500", false, {}},
        RectRow{"three numbers", "0,0,700", false, {}},
        RectRow{"five numbers", "0,0,700,500,1", false, {}},
        RectRow{"letters", "a,b,c,d", false, {}}, RectRow{"blank", "", false, {}},
        RectRow{"a damaged coordinate", "999999999,0,700,500", false, {}}),
    test::RowName());

struct PlaceRow {
    const char* what;
    WindowRect saved;
    WindowRect placed;
};

class OnScreen : public ::testing::TestWithParam<PlaceRow> {};

// Two screens side by side, the first 1920x1040 (a task bar below), the second 1280x1024.
TEST_P(OnScreen, AWindowStaysWithinReach) {
    const std::vector<WindowRect> screens = {{0, 0, 1920, 1040}, {1920, 0, 1280, 1024}};
    EXPECT_EQ(PlaceOnScreens(GetParam().saved, screens), GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OnScreen,
    ::testing::Values(
        PlaceRow{"on the first screen", {100, 100, 800, 600}, {100, 100, 800, 600}},
        PlaceRow{"on the second screen", {2000, 50, 800, 600}, {2000, 50, 800, 600}},
        PlaceRow{"its title bar just on a screen", {-740, 0, 800, 600}, {-740, 0, 800, 600}},
        PlaceRow{"on a third screen that is gone", {3300, 100, 800, 600}, {560, 220, 800, 600}},
        PlaceRow{"its title bar above every screen", {100, -300, 800, 600}, {560, 220, 800, 600}},
        PlaceRow{"larger than the first screen", {5000, 5000, 2500, 1400}, {0, 0, 1920, 1040}}),
    test::RowName());

TEST(LogPlace, TheLogLivesWhereItWasLeft) {
    test::MainFixture f;
    AppSettings().LogDocked = false;
    EXPECT_FALSE(f.main->Log().Docked());
    EXPECT_TRUE(f.main->Log().WindowVisible());
    f.main->Log().Docked(true);
    EXPECT_TRUE(AppSettings().LogDocked);
}

}  // namespace
}  // namespace ravlet
