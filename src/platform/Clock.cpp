#include "platform/Clock.h"

#include <chrono>
#include <utility>

namespace ravlet {

namespace {
std::function<long long()>& Installed() {
    static std::function<long long()> clock;
    return clock;
}
}  // namespace

long long NowMs() {
    if (Installed()) return Installed()();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SetClock(std::function<long long()> clock) {
    Installed() = std::move(clock);
}

}  // namespace ravlet
