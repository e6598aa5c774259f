#pragma once
// Handing the main list to a download manager.
#include <string>

#include "reroute/ReRouteHost.h"

namespace ravlet {

// Results of a hand-off.
enum ReRouteResult : int {
    ReRoute_NoRoutine = -1,  // no hand-off routine for this identifier
    ReRoute_Failed = 0,      // not available, or the hand-off failed
    ReRoute_GoOn = 1,        // available (no address given), or one address handed over
    ReRoute_WholeList = 2,   // the manager took the whole main list at once
};

// Hands address (with referrer) to the manager id; an empty address asks only whether the
// manager is available.
int ReRoute(const ReRouteHost& host, const std::string& id, const std::string& address,
            const std::string& referrer);

// The hand-off of the whole list: each row resolved against the safe base and handed with
// referrer, going on only while the manager takes one address at a time. The last result
// (0 for an empty list); *handed counts the calls made.
int ReRouteRows(const ReRouteHost& host, const std::string& id, const std::string& referrer,
                std::size_t* handed = nullptr);

// The routines, one a manager.
int ReRouteFdm(const ReRouteHost& host, const std::string& address);
int ReRouteDlExpert(const ReRouteHost& host, const std::string& address,
                    const std::string& referrer);
int ReRouteDownloadExpress(const std::string& address, const std::string& referrer);
int ReRouteWinGet(const std::string& address);
int ReRouteDap(const std::string& address, const std::string& referrer);
int ReRouteDownloadMage(const ReRouteHost& host, const std::string& address,
                        const std::string& referrer);
int ReRouteFlashGet(const ReRouteHost& host, const std::string& address,
                    const std::string& referrer);
int ReRouteMassDownloader(const ReRouteHost& host, const std::string& address,
                          const std::string& referrer);
int ReRouteNetTransport(const ReRouteHost& host, const std::string& address,
                        const std::string& referrer);
int ReRouteFdnl(const std::string& address, const std::string& referrer);
int ReRouteLeechGet(const std::string& address);
// WackGet v1.1 (v11 true) or v1.2.2 through a window message.
int ReRouteWackGet(const ReRouteHost& host, bool v11, const std::string& address);
// The managers of this platform.
int ReRouteAria2(const ReRouteHost& host, const std::string& address, const std::string& referrer);
int ReRouteUget(const std::string& address, const std::string& referrer);

}  // namespace ravlet
