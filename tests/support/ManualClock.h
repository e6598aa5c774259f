#pragma once
// A clock for the windows' timers and the tasks' elapsed times: while it lives, every timer
// made is driven by Advance and NowMs reads Now, so tests step through time without waiting.
#include <functional>
#include <memory>
#include <vector>

namespace ravlet::test {

class ManualClock {
  public:
    ManualClock();   // installs itself as the timer factory and the clock
    ~ManualClock();  // restores timers that never fire

    // Moves the clock on by ms, firing every running timer each time one of its intervals
    // has passed.
    void Advance(long ms);
    long Now() const { return now_; }

    struct Entry {
        bool running = false;
        int interval = 0;
        long due = 0;
        std::function<void()> tick;
    };

  private:
    long now_ = 0;
    std::vector<std::shared_ptr<Entry>> timers_;
};

}  // namespace ravlet::test
