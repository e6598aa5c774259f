// Timers, the scripted message boxes and event serving, and a terminal's lines read while
// the timers are served.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/DoEvents.h"
#include "platform/PolledTimers.h"
#include "platform/TerminalLines.h"
#include "platform/Timer.h"
#include "support/ManualClock.h"
#include "support/ScriptedUi.h"

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

// A question on the terminal serves events, and so the timers, until its line comes: here
// the timer's third tick types the answer (as the transfers of a run would go on meanwhile).
TEST(TerminalLines, ServeTheTimersUntilALineComes) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    test::ScriptedUi ui;
    PolledTimers timers;
    ui.onServeEvents = [&] { timers.FireDue(); };
    std::unique_ptr<Timer> timer = MakeTimer();
    int ticks = 0;
    timer->Start(0, [&] {
        if (++ticks == 3) {
            ASSERT_EQ(::write(fds[1], "o\r\nrest", 7), 7);
        }
    });
    bool gaveUp = false;
    TerminalLines lines(fds[0], [&] { return gaveUp; });
    std::string line;
    ASSERT_TRUE(lines.Read(line));
    EXPECT_EQ(line, "o");
    EXPECT_GE(ticks, 3);
    timer->Stop();
    // A stop asked meanwhile ends the wait; the end of input hands out the last line.
    gaveUp = true;
    EXPECT_FALSE(lines.Read(line));
    gaveUp = false;
    ::close(fds[1]);
    ASSERT_TRUE(lines.Read(line));
    EXPECT_EQ(line, "rest");
    EXPECT_FALSE(lines.Read(line));
    ::close(fds[0]);
}

TEST(ScriptedUi, AnswersFromScriptThenSafely) {
    test::ScriptedUi ui;
    ui.answers.push_back(MsgAnswer::Yes);
    EXPECT_EQ(MsgBox("first?", MsgButtons::YesNo), MsgAnswer::Yes);
    EXPECT_EQ(MsgBox("second?", MsgButtons::YesNo), MsgAnswer::No);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "second?");
}

TEST(ScriptedUi, DoEventsReachesEveryCallInTests) {
    test::ScriptedUi ui;
    for (int i = 0; i < 5; ++i) DoEvents();
    EXPECT_EQ(ui.serveCount, 5);
}

}  // namespace ravlet
