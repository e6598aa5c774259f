#pragma once
// The byte rate of a whole run: every transfer takes its bytes from one bucket that fills at
// the rate and holds a tenth of a second's worth at most, so a pause never turns into a burst.
#include <cstdint>
#include <functional>

namespace ravlet {

class RateLimit {
  public:
    // bytesPerSecond >= 1; now gives microseconds (the monotonic clock when empty).
    explicit RateLimit(std::int64_t bytesPerSecond, std::function<std::int64_t()> now = {});

    // The bytes that may be taken now (0 or less: none).
    std::int64_t Allowance();
    void Spend(std::int64_t bytes);
    // Milliseconds until some bytes may be taken (at least 1).
    int WaitMs();

  private:
    void Fill();
    std::int64_t rate_;
    std::function<std::int64_t()> now_;
    std::int64_t capacity_;
    double tokens_;
    std::int64_t last_;
};

}  // namespace ravlet
