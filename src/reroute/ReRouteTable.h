#pragma once
// The download managers the link list can be handed to: the table of entries 0 ("none") to
// 12, then the managers of this platform, which continue its positions.
#include <string>
#include <vector>

namespace ravlet {

struct ReRouteEntry {
    std::string name;  // display name
    std::string id;    // identifier
    std::string web;   // the manager's web address (shown, never used by the hand-off)
};

// Entries 0 to 12; entry 0 is "none".
const std::vector<ReRouteEntry>& ReRouteTable();
// The last 0-based position among the selectable entries 1 to 12.
constexpr int kReRouteCount = 11;
// The managers of this platform; their positions follow kReRouteCount.
const std::vector<ReRouteEntry>& ReRouteLocalTable();

// The position of id (exact, case-sensitive): i for table entry i + 1, then kReRouteCount + 1
// + j for local manager j; -1 for "none" and unknown identifiers.
int ReRouteIndex(const std::string& id);
// The entry at position + 1 (local managers included); entry 0 "none" for any other position.
const ReRouteEntry& ReRouteEntryAt(int position);
// A display name for menus: up to its first "[", trimmed ("Download Mage").
std::string ReRouteCaption(const std::string& name);

}  // namespace ravlet
