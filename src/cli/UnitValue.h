#pragma once
// Sizes and durations written on the command line: read whole or refused with the reason.
#include <string>

namespace ravlet::cli {

// One or more blank-separated pieces, each a decimal number (a fraction allowed) with a unit
// touching it, summed. Sizes (bytes): none, k kb kbs, m mb mbs mo, g gb gbs. Durations
// (milliseconds): none or ms, s sec secs, m min mins, h. Letter case is ignored. False with
// the reason when any piece is something else (a sign, an unknown unit, a unit alone) or the
// sum does not fit a setting (2147483647).
bool ReadUnitValue(const std::string& text, bool duration, long long& value, std::string& reason);

}  // namespace ravlet::cli
