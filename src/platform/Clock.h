#pragma once
// The monotonic clock of the tasks (elapsed times, speeds). Tests install a clock of their
// own so that times are stepped, never waited for.
#include <functional>

namespace ravlet {

// Milliseconds since an arbitrary fixed point; never goes back.
long long NowMs();
// Installs a clock; an empty function restores the system's steady clock.
void SetClock(std::function<long long()> clock);

}  // namespace ravlet
