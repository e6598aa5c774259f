#include "platform/Timer.h"

namespace ravlet {

namespace {

// Keeps the settings of a timer without an event loop to fire it.
class InertTimer : public Timer {
  public:
    void Start(int, std::function<void()>) override { running_ = true; }
    void Stop() override { running_ = false; }
    bool Running() const override { return running_; }

  private:
    bool running_ = false;
};

TimerFactory& Factory() {
    static TimerFactory factory;
    return factory;
}

}  // namespace

std::unique_ptr<Timer> MakeTimer() {
    if (Factory()) return Factory()();
    return std::make_unique<InertTimer>();
}

void SetTimerFactory(TimerFactory factory) {
    Factory() = std::move(factory);
}

}  // namespace ravlet
