#include "tools/ctlStatusBar.h"

#include <gtest/gtest.h>

#include <climits>

namespace ravlet {
namespace {

TEST(StatusBar, PercentAndModeAreClamped) {
    // Percent to -1..100; Mode is the absolute value clamped to 0 or 1.
    const std::pair<int, int> percents[] = {{150, 100}, {-5, -1}, {0, 0},         {100, 100},
                                            {-1, -1},   {57, 57}, {INT_MAX, 100}, {INT_MIN, -1}};
    const std::pair<int, int> modes[] = {{0, 0}, {1, 1}, {-1, 1}, {7, 1}, {INT_MIN, 1}};
    ctlStatusBar bar;
    for (const auto& [given, stored] : percents) {
        bar.Percent(given);
        EXPECT_EQ(bar.Percent(), stored) << given;
    }
    for (const auto& [given, stored] : modes) {
        bar.Mode(given);
        EXPECT_EQ(bar.Mode(), stored) << given;
    }
}

TEST(StatusBar, StepIsClampedToTheNumberOfSteps) {
    ctlStatusBar bar;
    bar.Steps(4);
    bar.Step(9);
    EXPECT_EQ(bar.Step(), 4);
    bar.Step(-3);
    EXPECT_EQ(bar.Step(), 0);
    bar.Step(2);
    EXPECT_EQ(bar.Step(), 2);
    bar.Steps(-6);  // negative steps count as none
    EXPECT_EQ(bar.Steps(), 0);
    bar.Step(1);
    EXPECT_EQ(bar.Step(), 0);
    bar.Mode(1);
    bar.Percent(0);
    EXPECT_EQ(bar.OverallPercent(), 0);
}

TEST(StatusBar, OverallPercentRoundsHalfToEven) {
    struct Row {
        int steps, step, percent;
        int overall;
    };
    const Row rows[] = {
        {4, 1, 50, 38},   // 37.5
        {4, 1, 0, 25},    // no percent: the steps alone
        {8, 1, 0, 12},    // 12.5 goes down to the even 12
        {8, 3, 0, 38},    // 37.5 goes up to the even 38
        {8, 1, 50, 19},   // 18.75
        {3, 2, 0, 67},    // 66.67 in single precision
        {3, 1, 0, 33},    //
        {0, 0, 50, 0},    // no steps: no overall bar
        {4, 1, -5, 25},   // -1 % takes a quarter step off 25
        {21, 5, 0, 24},   // the scanner's href group of all four
        {4, 4, 100, 125}  // beyond the width; drawn full
    };
    for (const Row& r : rows) {
        ctlStatusBar bar;
        bar.Mode(1);
        bar.Steps(r.steps);
        bar.Step(r.step);
        bar.Percent(r.percent);
        EXPECT_EQ(bar.OverallPercent(), r.overall)
            << r.step << "/" << r.steps << " at " << r.percent << "%";
    }
}

TEST(StatusBar, RedrawsOnlyForAChange) {
    ctlStatusBar bar;
    int heard = 0;
    bar.OnRedraw([&] { ++heard; });
    bar.Caption("Scanning...");
    bar.Caption("Scanning...");  // the same caption twice redraws once
    EXPECT_EQ(bar.RedrawCount(), 1);
    EXPECT_EQ(heard, 1);
    bar.Caption("Scanning done.");
    EXPECT_EQ(heard, 2);
    bar.Steps(5);  // never redraws
    EXPECT_EQ(heard, 2);
    bar.Step(2);
    bar.Step(2);
    bar.Step(7);  // stored as 5
    bar.Step(5);
    EXPECT_EQ(heard, 4);
    bar.Percent(10);  // percent and mode always redraw
    bar.Percent(10);
    bar.Mode(0);
    EXPECT_EQ(bar.RedrawCount(), 7);
}

TEST(StatusBar, SetAllStoresThePercentUnclampedAndSetBothClampsIt) {
    ctlStatusBar bar;
    bar.SetAll("Get Info...", 150, 3);
    EXPECT_EQ(bar.Caption(), "Get Info...");
    EXPECT_EQ(bar.Percent(), 150);
    EXPECT_EQ(bar.RedrawCount(), 1);
    bar.SetBoth("Reading", -20);
    EXPECT_EQ(bar.Caption(), "Reading");
    EXPECT_EQ(bar.Percent(), -1);
    bar.SetBoth("Reading", 150);
    EXPECT_EQ(bar.Percent(), 100);
}

}  // namespace
}  // namespace ravlet
