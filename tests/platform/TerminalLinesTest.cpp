#include "platform/TerminalLines.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "platform/PolledTimers.h"
#include "platform/Timer.h"
#include "support/ScriptedUi.h"

namespace ravlet {

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

}  // namespace ravlet
