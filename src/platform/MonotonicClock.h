#pragma once
// Milliseconds of a clock that never goes back, for waits measured by the program itself.
#include <cstdint>

namespace ravlet {

std::int64_t MonotonicMs();
// The same clock in microseconds, for rates.
std::int64_t MonotonicMicros();

}  // namespace ravlet
