#pragma once
// Which failures of a transfer are worth another try, how long to wait before it, and the
// wait itself, which serves events so that Pause and Stop still reach the run.
#include <cstdint>
#include <functional>
#include <string>

namespace ravlet {

// The longest pause the doubling reaches, and the longest Retry-After of a server obeyed.
constexpr int kRetryDelayCapMs = 30 * 1000;
constexpr int kRetryAfterCapSeconds = 60;

// 5xx, 408 Request Timeout and 429 Too Many Requests: the server may answer later.
bool RetryableStatus(int status);
// Platform codes of a transfer that broke off: time-out, connection closed or reset.
bool RetryableError(long code);

// The wait before retry n (from 1): 1 s, 2 s, 4 s ... up to the cap; a server's
// Retry-After (seconds; negative when none) takes its place, held to its own cap.
int RetryDelayMs(int retry, std::int64_t retryAfterSeconds);

// The log line of a retry: "Retry 1 of 2 in 1 s: " + why.
std::string RetryLine(int retry, int retries, int delayMs, const std::string& why);

// Waits ms by clock (milliseconds), serving events in slices; false as soon as stopped()
// says so.
bool WaitBeforeRetry(int ms, const std::function<std::int64_t()>& clock,
                     const std::function<bool()>& stopped);

}  // namespace ravlet
