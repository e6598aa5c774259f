#pragma once
// Interval timers of the windows (the clipboard monitor). The Qt front end makes real ones;
// without it timers never fire, and tests drive them with a clock of their own.
#include <functional>
#include <memory>

namespace ravlet {

class Timer {
  public:
    virtual ~Timer() = default;
    // Calls tick every intervalMs milliseconds from the event loop until Stop.
    virtual void Start(int intervalMs, std::function<void()> tick) = 0;
    virtual void Stop() = 0;
    virtual bool Running() const = 0;
};

using TimerFactory = std::function<std::unique_ptr<Timer>()>;

std::unique_ptr<Timer> MakeTimer();
// Installs the factory of the front end; an empty one restores timers that never fire.
void SetTimerFactory(TimerFactory factory);

}  // namespace ravlet
