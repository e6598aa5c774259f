#include "net/RateLimit.h"

#include <algorithm>
#include <utility>

#include "platform/MonotonicClock.h"

namespace ravlet {

namespace {
// Below this a bucket would hand out bytes in slivers that cost more than they carry.
constexpr std::int64_t kMinCapacity = 4096;
}  // namespace

RateLimit::RateLimit(std::int64_t bytesPerSecond, std::function<std::int64_t()> now)
    : rate_(std::max<std::int64_t>(1, bytesPerSecond)),
      now_(now ? std::move(now) : std::function<std::int64_t()>(MonotonicMicros)),
      capacity_(std::max(kMinCapacity, rate_ / 10)),
      tokens_(0),
      last_(now_()) {}

void RateLimit::Fill() {
    const std::int64_t now = now_();
    if (now <= last_) return;
    tokens_ = std::min<double>(static_cast<double>(capacity_),
                               tokens_ + static_cast<double>(now - last_) * rate_ / 1e6);
    last_ = now;
}

std::int64_t RateLimit::Allowance() {
    Fill();
    return static_cast<std::int64_t>(tokens_);
}

void RateLimit::Spend(std::int64_t bytes) {
    Fill();
    tokens_ -= static_cast<double>(bytes);
}

int RateLimit::WaitMs() {
    Fill();
    if (tokens_ >= 1) return 1;
    const double ms = (1 - tokens_) * 1000.0 / static_cast<double>(rate_);
    return static_cast<int>(std::clamp(ms, 1.0, 100.0));
}

}  // namespace ravlet
