#include "gui/QtTimer.h"

#include <QTimer>
#include <memory>

#include "platform/Timer.h"

namespace ravlet::gui {

namespace {

class QtIntervalTimer : public Timer {
  public:
    void Start(int intervalMs, std::function<void()> tick) override {
        timer_.disconnect();
        QObject::connect(&timer_, &QTimer::timeout, [tick = std::move(tick)] { tick(); });
        timer_.start(intervalMs);
    }
    void Stop() override { timer_.stop(); }
    bool Running() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
};

}  // namespace

void InstallQtTimers() {
    SetTimerFactory([] { return std::make_unique<QtIntervalTimer>(); });
}

}  // namespace ravlet::gui
