#include "platform/DoEvents.h"

#include <chrono>

#include "platform/UserInterface.h"

namespace ravlet {

namespace detail {
std::uint32_t doEventsCounter = 0;
bool doEventsAlways = false;

void DoEventsSlow() {
    using Clock = std::chrono::steady_clock;
    static Clock::time_point last{};
    const auto now = Clock::now();
    // A window stays responsive at this rate, and a tight loop does not drown in event handling.
    if (!doEventsAlways && now - last < std::chrono::milliseconds(10)) return;
    last = now;
    Ui().ServeEvents();
}
}  // namespace detail

void DoEventsEveryCall(bool always) { detail::doEventsAlways = always; }

}  // namespace ravlet
