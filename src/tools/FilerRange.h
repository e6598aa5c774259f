#pragma once
// The number range of the filename generator ("0-999") and the number texts it gives.
#include <cstdint>
#include <string>

namespace ravlet {

struct FilerRange {
    bool ok = false;        // false: no "-", or a number too long to count with
    bool tooLarge = false;  // a side has more than 18 digits
    std::int64_t first = 0;
    std::int64_t last = 0;
    int width = 1;  // the decimal length of last, or of first when that is longer
};

// Splits at the first "-"; each side, trimmed, is read as a leading decimal number (text
// that begins with none reads as 0) rounded to a whole number.
FilerRange ParseFilerRange(const std::string& text);

// n in decimal; with format, padded with leading zeros to width (the last width characters
// of width zeros followed by the number).
std::string FilerNumber(std::int64_t n, int width, bool format);

}  // namespace ravlet
