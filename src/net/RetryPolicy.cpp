#include "net/RetryPolicy.h"

#include <algorithm>

#include "platform/UserInterface.h"

namespace ravlet {

namespace {

// The longest the wait goes without looking at the stop request when no event comes.
constexpr std::int64_t kWaitSliceMs = 250;

}  // namespace

bool RetryableStatus(int status) {
    return (status >= 500 && status <= 599) || status == 408 || status == 429;
}

bool RetryableError(long code) {
    return code == 12002 || code == 12030 || code == 12031;
}

int RetryDelayMs(int retry, std::int64_t retryAfterSeconds) {
    if (retryAfterSeconds >= 0)
        return static_cast<int>(std::min<std::int64_t>(retryAfterSeconds, kRetryAfterCapSeconds) *
                                1000);
    // The doubling stops before it could overflow: 2^15 s is far beyond the cap.
    const int steps = std::clamp(retry - 1, 0, 15);
    return std::min(1000 << steps, kRetryDelayCapMs);
}

std::string RetryLine(int retry, int retries, int delayMs, const std::string& why) {
    const int seconds = (delayMs + 999) / 1000;
    return "Retry " + std::to_string(retry) + " of " + std::to_string(retries) + " in " +
           std::to_string(seconds) + " s: " + why;
}

bool WaitBeforeRetry(int ms, const std::function<std::int64_t()>& clock,
                     const std::function<bool()>& stopped) {
    const std::int64_t end = clock() + ms;
    for (;;) {
        if (stopped()) return false;
        const std::int64_t left = end - clock();
        if (left <= 0) return true;
        Ui().WaitForEvents(static_cast<int>(std::min(left, kWaitSliceMs)));
    }
}

}  // namespace ravlet
