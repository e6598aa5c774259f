#pragma once
// Timers for a front end without an event loop of its own (the command line): while an
// instance lives, every timer made fires from FireDue, which that front end calls whenever
// it serves events. So a wait that serves events (a question on the terminal) also serves
// what the timers drive, such as the transfers of a run side by side.
#include <memory>
#include <vector>

namespace ravlet {

class PolledTimers {
  public:
    PolledTimers();   // installs itself as the timer factory
    ~PolledTimers();  // restores timers that never fire
    PolledTimers(const PolledTimers&) = delete;
    PolledTimers& operator=(const PolledTimers&) = delete;

    // Fires every running timer whose interval has passed; a timer's tick that serves events
    // again does not fire timers within it.
    void FireDue();

    struct Entry;

  private:
    std::vector<std::shared_ptr<Entry>> timers_;
    bool firing_ = false;
};

}  // namespace ravlet
