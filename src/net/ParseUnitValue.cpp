#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>

#include "net/ravlet_url.h"

namespace ravlet {

namespace {

struct Rewrite {
    const char* from;
    const char* to;
};

constexpr Rewrite kSizeRewrites[] = {
    {"kbs ", "k "}, {"kb ", "k "}, {"mbs ", "m "}, {"mb ", "m "}, {"mo ", "m "}};
constexpr Rewrite kTimeRewrites[] = {
    {"ms ", " "}, {"mins ", "m "}, {"min ", "m "}, {"secs ", "s "}, {"sec ", "s "}};

// The sum is kept in single precision, as people's sizes and durations always were.
float Accumulate(float sum, double piece) {
    double next = static_cast<double>(sum) + piece;
    if (next > FLT_MAX) next = FLT_MAX;
    if (next < -FLT_MAX) next = -FLT_MAX;
    if (std::isnan(next)) next = 0;
    return static_cast<float>(next);
}

template <std::size_t N>
float SumPieces(std::string text, const Rewrite (&rewrites)[N], char unitA, double factorA,
                char unitB, double factorB) {
    for (const Rewrite& r : rewrites) text = ReplaceAll(text, r.from, r.to);
    float sum = 0;
    for (const std::string& piece : Split(text, " ")) {
        if (piece.empty()) continue;
        double value = LeadingValue(piece);
        if (piece.back() == unitA)
            value *= factorA;
        else if (piece.back() == unitB)
            value *= factorB;
        sum = Accumulate(sum, value);
    }
    return sum;
}

}  // namespace

std::string ParseUnitValue(const std::string& text, int mode) {
    const std::string prepared = ReplaceAll(LCase(Trim(text)), "  ", " ") + " ";
    float sum = 0;
    if (mode == 0)
        sum = SumPieces(prepared, kSizeRewrites, 'k', 1024.0, 'm', 1024.0 * 1024.0);
    else if (mode == 1)
        sum = SumPieces(prepared, kTimeRewrites, 's', 1000.0, 'm', 1000.0 * 60.0);
    else
        sum = Accumulate(0, LeadingValue(prepared));
    const float whole = std::nearbyint(sum);  // halves to even in the default rounding mode
    if (whole == 0) return std::string();
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.0f", static_cast<double>(whole));
    return buffer;
}

}  // namespace ravlet
