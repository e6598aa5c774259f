#pragma once
// A main window for the hand-off routines: a list, a page address and a base box.
#include <string>
#include <vector>

#include "reroute/ReRouteHost.h"

namespace ravlet::test {

struct FakeReRouteHost : ReRouteHost {
    std::vector<std::string> rows;
    std::string page;
    std::string base;
    WindowId window = 0;

    std::vector<std::string> Rows() const override { return rows; }
    std::string PageAddress() const override { return page; }
    std::string BaseText() const override { return base; }
    WindowId MainWindowId() const override { return window; }
};

}  // namespace ravlet::test
