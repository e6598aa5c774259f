#include <charconv>
#include <climits>
#include <cmath>
#include <string>

#include "net/ravlet_url.h"

namespace ravlet {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A decimal number with optional fraction and exponent, as a double; false when the text
// holds anything else or the number is beyond a double.
bool ParseDecimal(const std::string& digits, double& out) {
    if (digits.empty()) return false;
    std::size_t i = 0;
    bool negative = false;
    if (digits[i] == '+' || digits[i] == '-') negative = digits[i++] == '-';
    // Digits first: the words "inf" and "nan" are no numbers here.
    const auto isDigit = [&](std::size_t k) {
        return k < digits.size() && digits[k] >= '0' && digits[k] <= '9';
    };
    if (i >= digits.size()) return false;
    if (!isDigit(i) && !(digits[i] == '.' && isDigit(i + 1))) return false;
    double v = 0;
    const char* first = digits.data() + i;
    const char* last = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ec != std::errc() || ptr != last) return false;
    out = negative ? -v : v;
    return true;
}

}  // namespace

// The leading number of the text, blanks inside it skipped; 0 when it starts with none,
// NaN when it is beyond a double.
double LeadingValue(const std::string& text) {
    std::string digits;
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && (IsBlank(text[i]) || text[i] == '\n' || text[i] == '\r')) ++i;
    };
    skip();
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) digits += text[i++];
    bool point = false, any = false, exponent = false;
    for (;; ++i) {
        skip();
        if (i >= text.size()) break;
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits += c;
            any = true;
        } else if (c == '.' && !point && !exponent) {
            digits += c;
            point = true;
        } else if ((c == 'e' || c == 'E') && any && !exponent) {
            // Only an exponent that has digits counts; "15e" is 15.
            std::size_t j = i + 1;
            std::string tail = "e";
            while (j < text.size() && IsBlank(text[j])) ++j;
            if (j < text.size() && (text[j] == '+' || text[j] == '-')) tail += text[j++];
            while (j < text.size() && IsBlank(text[j])) ++j;
            if (j >= text.size() || text[j] < '0' || text[j] > '9') break;
            digits += tail;
            exponent = true;
            i = j - 1;
        } else {
            break;
        }
    }
    if (!any) return 0;
    double v = 0;
    return ParseDecimal(digits, v) ? v : std::nan("");
}

bool WholeValue(const std::string& text, double& v) {
    std::size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    return ParseDecimal(text.substr(b, e - b), v);
}

long long LenientNumber(const std::string& text) {
    const double v = std::nearbyint(LeadingValue(text));
    if (!(v >= INT_MIN && v <= INT_MAX)) return v < 0 ? INT_MIN : (v > 0 ? INT_MAX : 0);
    return static_cast<long long>(v);
}

bool StrictNumber(const std::string& text, long long& value) {
    double v = 0;
    if (!WholeValue(text, v)) return false;
    v = std::nearbyint(v);
    if (!(v >= INT_MIN && v <= INT_MAX)) return false;
    value = static_cast<long long>(v);
    return true;
}

}  // namespace ravlet
