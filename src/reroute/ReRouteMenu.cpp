#include "reroute/ReRouteMenu.h"

#include "platform/BusyPointer.h"
#include "reroute/ReRoute.h"
#include "reroute/ReRouteTable.h"

namespace ravlet {

ReRouteMenu zmRlist_Build(const ReRouteHost& host, const std::string& defaultId) {
    const BusyPointer busy;
    ReRouteMenu menu;
    // An unknown identifier reads "none".
    menu.defaultCaption =
        ReRouteCaption(ReRouteEntryAt(ReRouteIndex(defaultId)).name) + " (Default)";
    const int last = kReRouteCount + static_cast<int>(ReRouteLocalTable().size());
    for (int i = 0; i <= last; ++i) {
        const ReRouteEntry& entry = ReRouteEntryAt(i);
        ReRouteMenuItem item;
        item.caption = ReRouteCaption(entry.name);
        item.id = entry.id;
        item.enabled = ReRoute(host, entry.id, std::string(), std::string()) >= 1;
        item.separatorBefore = i == kReRouteCount + 1;
        menu.items.push_back(std::move(item));
    }
    return menu;
}

}  // namespace ravlet
