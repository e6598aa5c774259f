#include "reroute/ReRoute.h"

namespace ravlet {

int ReRoute(const ReRouteHost& host, const std::string& id, const std::string& address,
            const std::string& referrer) {
    if (id == "fdm") return ReRouteFdm(host, address);
    if (id == "dlexpert") return ReRouteDlExpert(host, address, referrer);
    if (id == "downloadexpress") return ReRouteDownloadExpress(address, referrer);
    if (id == "winget") return ReRouteWinGet(address);
    if (id == "wackget11") return ReRouteWackGet(host, true, address);
    if (id == "wackget122") return ReRouteWackGet(host, false, address);
    if (id == "dap") return ReRouteDap(address, referrer);
    if (id == "downloadmage") return ReRouteDownloadMage(host, address, referrer);
    if (id == "flashget") return ReRouteFlashGet(host, address, referrer);
    if (id == "massdownloader") return ReRouteMassDownloader(host, address, referrer);
    if (id == "nettransport") return ReRouteNetTransport(host, address, referrer);
    if (id == "fdnl") return ReRouteFdnl(address, referrer);
    if (id == "leechget") return ReRouteLeechGet(address);
    if (id == "aria2") return ReRouteAria2(host, address, referrer);
    if (id == "uget") return ReRouteUget(address, referrer);
    return ReRoute_NoRoutine;
}

}  // namespace ravlet
