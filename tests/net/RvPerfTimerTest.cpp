#include "net/RvPerfTimer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/ScriptedUi.h"

namespace ravlet {
namespace {

TEST(RvPerfTimer, RoundsToWhatTheJitterAllows) {
    struct Row {
        double ms, jitter, result;
    };
    const Row rows[] = {{1.234567, 0, 1.2346}, {1.234567, 0.03, 1.23}, {1.234567, 0.5, 1.2},
                        {1234.56, 25, 1230},   {1236, 25, 1240},       {17.6, 1, 18},
                        {17.4, 9.99, 17},      {12345, 250, 12300}};
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
    // A start and a stop of the counter cost far less than a millisecond, and so does their
    // spread; a broken calibration (negative, not a number, a sum never divided) is outside.
    EXPECT_TRUE(t.Overhead() >= 0.0 && t.Overhead() < 1.0) << t.Overhead();
    EXPECT_TRUE(t.Jitter() >= 0.0 && t.Jitter() < 1.0) << t.Jitter();
    t.Start();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    t.Finish();
    const float stopped = t.Elapsed();
    // The sleep lasts at least what was asked; the generous upper bound only catches a
    // reading in the wrong unit.
    EXPECT_GE(stopped, 29.0f);
    EXPECT_LT(stopped, 10000.0f);
    // Stopped: the reading does not move any more.
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(t.Elapsed(), stopped);
}

TEST(RvPerfTimer, TheOverheadIsTakenOff) {
    test::ScriptedUi ui;
    RvPerfTimer t;
    t.SetCalibration(50.0, 0.0);
    t.Start();
    t.Finish();
    // An instant measure less the 50 ms of overhead.
    EXPECT_GT(t.Elapsed(), -50.5f);
    EXPECT_LT(t.Elapsed(), -49.0f);
}

}  // namespace
}  // namespace ravlet
