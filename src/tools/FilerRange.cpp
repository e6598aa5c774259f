#include "tools/FilerRange.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ravlet {

namespace {

// More digits than this cannot be counted through without overflow.
constexpr std::size_t kMaxDigits = 18;

std::string TrimBlanksAndTabs(const std::string& text) {
    const std::size_t b = text.find_first_not_of(" \t");
    if (b == std::string::npos) return std::string();
    return text.substr(b, text.find_last_not_of(" \t") - b + 1);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The leading decimal number of text, rounded half to even; false when it is too long.
bool LeadingNumber(const std::string& text, std::int64_t& value) {
    std::size_t i = 0;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    const std::size_t digitsFrom = number.size();
    while (i < text.size() && IsDigit(text[i])) number += text[i++];
    std::size_t digits = number.size() - digitsFrom;
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (i < text.size() && IsDigit(text[i])) number += text[i++];
    }
    // Leading zeros do not count towards the size.
    std::size_t lead = digitsFrom;
    while (digits > 1 && number[lead] == '0') ++lead, --digits;
    if (digits > kMaxDigits) return false;
    if (number.size() == digitsFrom || number == "." || number == "+." || number == "-.") {
        value = 0;
        return true;
    }
    value = static_cast<std::int64_t>(std::nearbyint(std::strtold(number.c_str(), nullptr)));
    return true;
}

int DecimalLength(std::int64_t n) {
    return static_cast<int>(std::to_string(n).size());
}

}  // namespace

FilerRange ParseFilerRange(const std::string& text) {
    FilerRange r;
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos) return r;
    if (!LeadingNumber(TrimBlanksAndTabs(text.substr(0, dash)), r.first) ||
        !LeadingNumber(TrimBlanksAndTabs(text.substr(dash + 1)), r.last)) {
        r.tooLarge = true;
        return r;
    }
    r.width = std::max(DecimalLength(r.first), DecimalLength(r.last));
    r.ok = true;
    return r;
}

std::string FilerNumber(std::int64_t n, int width, bool format) {
    std::string t = std::to_string(n);
    if (!format) return t;
    const std::string padded = std::string(static_cast<std::size_t>(width), '0') + t;
    return padded.substr(padded.size() - static_cast<std::size_t>(width));
}

}  // namespace ravlet
