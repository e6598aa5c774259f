#include "support/ManualClock.h"

#include "platform/Clock.h"
#include "platform/Timer.h"

namespace ravlet::test {

namespace {

class ManualTimer : public Timer {
  public:
    ManualTimer(std::shared_ptr<ManualClock::Entry> entry, const long& now)
        : entry_(std::move(entry)), now_(now) {}
    ~ManualTimer() override { entry_->running = false; }
    void Start(int intervalMs, std::function<void()> tick) override {
        entry_->running = true;
        entry_->interval = intervalMs;
        entry_->due = now_ + intervalMs;
        entry_->tick = std::move(tick);
    }
    void Stop() override { entry_->running = false; }
    bool Running() const override { return entry_->running; }

  private:
    std::shared_ptr<ManualClock::Entry> entry_;
    const long& now_;
};

}  // namespace

ManualClock::ManualClock() {
    SetTimerFactory([this]() -> std::unique_ptr<Timer> {
        auto entry = std::make_shared<Entry>();
        timers_.push_back(entry);
        return std::make_unique<ManualTimer>(entry, now_);
    });
    SetClock([this] { return static_cast<long long>(now_); });
}

ManualClock::~ManualClock() {
    SetTimerFactory(nullptr);
    SetClock(nullptr);
}

void ManualClock::Advance(long ms) {
    const long end = now_ + ms;
    for (;;) {
        // The earliest due timer fires first, with the clock standing at its due time.
        std::shared_ptr<Entry> next;
        for (const auto& t : timers_)
            if (t->running && t->interval > 0 && t->due <= end && (!next || t->due < next->due))
                next = t;
        if (!next) break;
        now_ = next->due;
        next->due += next->interval;
        if (next->tick) next->tick();
    }
    now_ = end;
}

}  // namespace ravlet::test
