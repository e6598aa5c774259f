#include "net/RvPerfTimer.h"

#include <gtest/gtest.h>

#include "support/ScriptedUi.h"

namespace ravlet {
namespace {

TEST(RvPerfTimer, RoundsToWhatTheJitterAllows) {
    struct Row {
        double ms, jitter, result;
    };
    const Row rows[] = {
        {1.234567, 0, 1.2346}, {1.234567, 0.03, 1.23}, {1.234567, 0.5, 1.2}, {1234.56, 25, 1230},
        {1236, 25, 1240},      {17.6, 1, 18},          {17.4, 9.99, 17},     {12345, 250, 12300},
    };
    for (const Row& r : rows)
        EXPECT_DOUBLE_EQ(RvPerfTimer::RoundToJitter(r.ms, r.jitter), r.result)
            << r.ms << " jitter " << r.jitter;
}

TEST(RvPerfTimer, WarnsOnceWithoutInit) {
    test::ScriptedUi ui;
    RvPerfTimer t;
    t.Start();
    EXPECT_EQ(t.Elapsed(), 0.0f);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Please Initialize with PerfInit before calling this Sub");
}

TEST(RvPerfTimer, InitCalibratesAndMeasures) {
    test::ScriptedUi ui;
    RvPerfTimer t;
    t.Init();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_GE(t.Overhead(), 0.0);
    EXPECT_GE(t.Jitter(), 0.0);
    t.Start();
    volatile double sink = 0;
    for (int i = 0; i < 200000; ++i) sink = sink + i;
    t.Finish();
    const float stopped = t.Elapsed();
    EXPECT_GE(stopped, 0.0f);
    // Stopped: the reading does not move any more.
    EXPECT_EQ(t.Elapsed(), stopped);
}

}  // namespace
}  // namespace ravlet
