#pragma once
// The scan modes the settings switch on, and the "&Parse options" menu that toggles them.
#include <string>
#include <vector>

namespace ravlet {

struct Settings;

// The bit set of ScanLinks from scanlink, scanimg, scanwildsrc and scantxthttp.
int ScanModesOf(const Settings& s);

struct MenuItem {
    std::string caption;
    bool checked = false;
};

// The items as the menu opens: the four modes, then "&Auto-Show FilterRavPad".
std::vector<MenuItem> ParseOptionsItems(const Settings& s);
// Flips the item's setting; a mode switched off that leaves none on turns "&Links" on again.
void ParseOptionsToggle(Settings& s, int index);
// The menu closed: the settings file is written. False (with a message shown) when that fails.
bool ParseOptionsClosed();

}  // namespace ravlet
