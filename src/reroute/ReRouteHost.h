#pragma once
// What the hand-off routines read of the main window: its list, page address and base box.
// The main window and ravlet-cli each provide one.
#include <string>
#include <vector>

#include "platform/WindowSystem.h"

namespace ravlet {

class ReRouteHost {
  public:
    virtual ~ReRouteHost() = default;
    // The main list, in list order.
    virtual std::vector<std::string> Rows() const = 0;
    // The page address (txtUrl).
    virtual std::string PageAddress() const = 0;
    // The text of the base box (txtUrlBase).
    virtual std::string BaseText() const = 0;
    // row resolved against the safe base: the base box when it has a known scheme, else the
    // base of the page address.
    virtual std::string BaseSafe(const std::string& row) const;
    // The main window's handle for window messages; 0 without one.
    virtual WindowId MainWindowId() const { return 0; }
};

// The rows with a prefix where they have no known scheme: the base box, or the base of the
// page address when the base box has no known scheme itself.
std::vector<std::string> ReRouteResolvedRows(const ReRouteHost& host);

}  // namespace ravlet
