#pragma once
// Where a window was, as kept in the settings file, and where it goes on the screens of today.
#include <string>
#include <vector>

namespace ravlet {

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowRect&) const = default;
};

// "left,top,width,height" with a size of at least kMinWindowSide; false for anything else
// (garbage in the settings file is ignored).
bool ParseWindowRect(const std::string& text, WindowRect& out);
// "left,top"; false for anything else.
bool ParseWindowPoint(const std::string& text, int& x, int& y);
std::string FormatWindowRect(const WindowRect& r);
std::string FormatWindowPoint(int x, int y);

constexpr int kMinWindowSide = 100;

// saved where a grip of its title bar lies on one of screens (their available areas);
// otherwise its size, no bigger than the first screen, centred on the first screen. A screen
// taken away since, or a file from a larger desktop, must not leave a window out of reach.
WindowRect PlaceOnScreens(const WindowRect& saved, const std::vector<WindowRect>& screens);

}  // namespace ravlet
