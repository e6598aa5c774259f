#include "cli/UnitValue.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "net/ravlet_url.h"

namespace ravlet::cli {

namespace {

struct Unit {
    const char* name;
    double factor;
};

const std::vector<Unit>& Units(bool duration) {
    static const std::vector<Unit> sizes = {{"", 1},
                                            {"k", 1024.0},
                                            {"kb", 1024.0},
                                            {"kbs", 1024.0},
                                            {"m", 1048576.0},
                                            {"mb", 1048576.0},
                                            {"mbs", 1048576.0},
                                            {"mo", 1048576.0},
                                            {"g", 1073741824.0},
                                            {"gb", 1073741824.0},
                                            {"gbs", 1073741824.0}};
    static const std::vector<Unit> times = {{"", 1},          {"ms", 1},         {"s", 1000.0},
                                            {"sec", 1000.0},  {"secs", 1000.0},  {"m", 60000.0},
                                            {"min", 60000.0}, {"mins", 60000.0}, {"h", 3600000.0}};
    return duration ? times : sizes;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A piece such as "1.5mb": its number times the factor of its unit; false for anything else.
bool ReadPiece(const std::string& piece, bool duration, double& value) {
    std::size_t i = 0, digits = 0;
    while (i < piece.size() && IsDigit(piece[i])) ++i, ++digits;
    if (i < piece.size() && piece[i] == '.') {
        ++i;
        while (i < piece.size() && IsDigit(piece[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    const std::string unit = piece.substr(i);
    for (const Unit& u : Units(duration)) {
        if (unit == u.name) {
            value = std::strtod(piece.substr(0, i).c_str(), nullptr) * u.factor;
            return true;
        }
    }
    return false;
}

}  // namespace

bool ReadUnitValue(const std::string& text, bool duration, long long& value, std::string& reason) {
    const char* what = duration ? "not a time (a number, or one with ms, s, m or h): "
                                : "not a size (a number of bytes, or one with k, m or g): ";
    double sum = 0;
    bool any = false;
    for (const std::string& piece : Split(LCase(text), " ")) {
        if (piece.empty()) continue;
        double part = 0;
        if (!ReadPiece(piece, duration, part)) {
            reason = what + text;
            return false;
        }
        sum += part;
        any = true;
    }
    if (!any) {
        reason = what + text;
        return false;
    }
    const double whole = std::nearbyint(sum);
    if (whole > 2147483647.0) {
        reason = (duration ? "a time beyond 24 days: " : "a size beyond 2 GB: ") + text;
        return false;
    }
    value = static_cast<long long>(whole);
    return true;
}

}  // namespace ravlet::cli
