#pragma once
// The main window's re-route menu as the logic builds it; the window draws it.
#include <string>
#include <vector>

#include "reroute/ReRouteHost.h"

namespace ravlet {

struct ReRouteMenuItem {
    std::string caption;
    std::string id;  // the manager it hands the list to
    bool enabled = false;
    bool separatorBefore = false;  // the first manager of this platform
};

struct ReRouteMenu {
    std::string defaultCaption;          // zmRdef
    std::vector<ReRouteMenuItem> items;  // zmRlist
};

// The option entries of zmRopt, by their index.
enum ReRouteOption : int {
    zmRopt_Setup = 1,      // "&Re-Route Setup..."
    zmRopt_AutoClose = 3,  // "Auto &Close after Re-Route"
    zmRopt_Auto = 4,       // "&Auto Re-Route after LNL"
};

// The default entry's caption from defaultId, and one entry a manager (the table's, then this
// platform's after a separator), enabled when the manager answers that it is available.
ReRouteMenu zmRlist_Build(const ReRouteHost& host, const std::string& defaultId);

}  // namespace ravlet
