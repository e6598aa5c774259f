#include "platform/PolledTimers.h"

#include <algorithm>
#include <cstdint>
#include <functional>

#include "platform/MonotonicClock.h"
#include "platform/Timer.h"

namespace ravlet {

struct PolledTimers::Entry {
    bool running = false;
    int interval = 0;
    std::int64_t due = 0;
    std::function<void()> tick;
};

namespace {

class PolledTimer : public Timer {
  public:
    explicit PolledTimer(std::shared_ptr<PolledTimers::Entry> entry) : entry_(std::move(entry)) {}
    ~PolledTimer() override { Stop(); }
    void Start(int intervalMs, std::function<void()> tick) override {
        entry_->running = true;
        entry_->interval = std::max(0, intervalMs);
        entry_->due = MonotonicMs() + entry_->interval;
        entry_->tick = std::move(tick);
    }
    void Stop() override {
        entry_->running = false;
        entry_->tick = nullptr;
    }
    bool Running() const override { return entry_->running; }

  private:
    std::shared_ptr<PolledTimers::Entry> entry_;
};

}  // namespace

PolledTimers::PolledTimers() {
    SetTimerFactory([this] {
        auto entry = std::make_shared<Entry>();
        timers_.push_back(entry);
        return std::make_unique<PolledTimer>(std::move(entry));
    });
}

PolledTimers::~PolledTimers() {
    SetTimerFactory({});
}

void PolledTimers::FireDue() {
    if (firing_) return;
    firing_ = true;
    // Timers that are gone leave only their entry, held here alone.
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [](const auto& e) { return e.use_count() == 1; }),
                  timers_.end());
    const std::int64_t now = MonotonicMs();
    const std::vector<std::shared_ptr<Entry>> timers = timers_;
    for (const auto& e : timers) {
        if (!e->running || e->due > now) continue;
        e->due = now + e->interval;
        const std::function<void()> tick = e->tick;
        if (tick) tick();
    }
    firing_ = false;
}

}  // namespace ravlet
