#include "platform/Timer.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/ManualClock.h"

namespace ravlet {

TEST(Timer, WithoutAFrontEndTimersNeverFire) {
    std::unique_ptr<Timer> timer = MakeTimer();
    int ticks = 0;
    timer->Start(1, [&] { ++ticks; });
    EXPECT_TRUE(timer->Running());
    timer->Stop();
    EXPECT_FALSE(timer->Running());
    EXPECT_EQ(ticks, 0);
}

TEST(Timer, TheManualClockFiresEachInterval) {
    test::ManualClock clock;
    std::unique_ptr<Timer> second = MakeTimer();
    std::unique_ptr<Timer> third = MakeTimer();
    std::vector<std::pair<char, long>> ticks;
    second->Start(1000, [&] { ticks.push_back({'s', clock.Now()}); });
    third->Start(1500, [&] { ticks.push_back({'t', clock.Now()}); });
    clock.Advance(999);
    EXPECT_TRUE(ticks.empty());
    clock.Advance(2001);
    EXPECT_EQ(ticks, (std::vector<std::pair<char, long>>{
                         {'s', 1000}, {'t', 1500}, {'s', 2000}, {'s', 3000}, {'t', 3000}}));
    second->Stop();
    clock.Advance(1000);
    EXPECT_EQ(ticks.size(), 5u);
    third.reset();
    clock.Advance(5000);
    EXPECT_EQ(ticks.size(), 5u) << "a destroyed timer does not fire";
}

TEST(Timer, RestartingBeginsANewInterval) {
    test::ManualClock clock;
    std::unique_ptr<Timer> timer = MakeTimer();
    int ticks = 0;
    timer->Start(1000, [&] { ++ticks; });
    clock.Advance(900);
    timer->Start(1000, [&] { ticks += 10; });
    clock.Advance(900);
    EXPECT_EQ(ticks, 0);
    clock.Advance(100);
    EXPECT_EQ(ticks, 10);
}

}  // namespace ravlet
