#pragma once
// Long loops call DoEvents after every step. It must cost no more than a counter test on
// the hot path: the events are served only every few milliseconds.
#include <cstdint>

namespace ravlet {

namespace detail {
extern std::uint32_t doEventsCounter;
extern bool doEventsAlways;
void DoEventsSlow();
}  // namespace detail

inline void DoEvents() {
    if (detail::doEventsAlways || (++detail::doEventsCounter & 63u) == 0) detail::DoEventsSlow();
}

// A wait for something outside the program (a server) serves events on each of its rounds,
// which are few: at most every few milliseconds, with no counter to run down first.
inline void DoEventsWaiting() {
    detail::DoEventsSlow();
}

// Tests that script what happens inside a loop want every call to reach the user interface.
void DoEventsEveryCall(bool always);

}  // namespace ravlet
