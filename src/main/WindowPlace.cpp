#include "main/WindowPlace.h"

#include <algorithm>
#include <charconv>

namespace ravlet {

namespace {

// Far beyond any desktop: a bigger value is no place but a damaged file.
constexpr int kMaxCoordinate = 100000;
// What must lie on a screen to take the window by its title bar.
constexpr int kGripWidth = 60;
constexpr int kGripHeight = 20;

bool ParseInts(const std::string& text, int* out, int count) {
    const char* p = text.data();
    const char* end = p + text.size();
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            if (p == end || *p != ',') return false;
            ++p;
        }
        const auto [next, ec] = std::from_chars(p, end, out[i]);
        if (ec != std::errc() || out[i] < -kMaxCoordinate || out[i] > kMaxCoordinate) return false;
        p = next;
    }
    return p == end;
}

int Overlap(int a, int aLength, int b, int bLength) {
    return std::min(a + aLength, b + bLength) - std::max(a, b);
}

}  // namespace

bool ParseWindowRect(const std::string& text, WindowRect& out) {
    int v[4];
    if (!ParseInts(text, v, 4) || v[2] < kMinWindowSide || v[3] < kMinWindowSide) return false;
    out = {v[0], v[1], v[2], v[3]};
    return true;
}

bool ParseWindowPoint(const std::string& text, int& x, int& y) {
    int v[2];
    if (!ParseInts(text, v, 2)) return false;
    x = v[0];
    y = v[1];
    return true;
}

std::string FormatWindowRect(const WindowRect& r) {
    return std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.width) + "," +
           std::to_string(r.height);
}

std::string FormatWindowPoint(int x, int y) {
    return std::to_string(x) + "," + std::to_string(y);
}

WindowRect PlaceOnScreens(const WindowRect& saved, const std::vector<WindowRect>& screens) {
    for (const WindowRect& s : screens)
        if (Overlap(saved.x, saved.width, s.x, s.width) >= std::min(kGripWidth, saved.width) &&
            Overlap(saved.y, kGripHeight, s.y, s.height) >= kGripHeight)
            return saved;
    if (screens.empty()) return saved;
    const WindowRect& first = screens.front();
    WindowRect r;
    r.width = std::min(saved.width, first.width);
    r.height = std::min(saved.height, first.height);
    r.x = first.x + (first.width - r.width) / 2;
    r.y = first.y + (first.height - r.height) / 2;
    return r;
}

}  // namespace ravlet
