// Where a window goes when its kept place is on no screen (the rest: gui/MainWindowKeptTest).
#include "main/WindowPlace.h"

#include <gtest/gtest.h>

namespace ravlet {
namespace {

// Two screens side by side, the first 1920x1040 (a task bar below), the second 1280x1024.
TEST(OnScreen, AWindowStaysWithinReach) {
    const std::vector<WindowRect> screens = {{0, 0, 1920, 1040}, {1920, 0, 1280, 1024}};
    const struct {
        const char* what;
        WindowRect saved, placed;
    } rows[] = {
        {"on the first screen", {100, 100, 800, 600}, {100, 100, 800, 600}},
        {"on the second screen", {2000, 50, 800, 600}, {2000, 50, 800, 600}},
        {"its title bar just on a screen", {-740, 0, 800, 600}, {-740, 0, 800, 600}},
        {"on a third screen that is gone", {3300, 100, 800, 600}, {560, 220, 800, 600}},
        {"its title bar above every screen", {100, -300, 800, 600}, {560, 220, 800, 600}},
        {"larger than the first screen", {5000, 5000, 2500, 1400}, {0, 0, 1920, 1040}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PlaceOnScreens(row.saved, screens), row.placed) << row.what;
}

}  // namespace
}  // namespace ravlet
