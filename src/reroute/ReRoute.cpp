#include "reroute/ReRoute.h"

#include "net/ravlet_url.h"

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

int ReRouteRows(const ReRouteHost& host, const std::string& id, const std::string& referrer,
                std::size_t* handed) {
    const std::string base = host.BaseSafe(std::string());
    int result = ReRoute_Failed;
    std::size_t calls = 0;
    for (const std::string& row : host.Rows()) {
        ++calls;
        result = ReRoute(host, id, UrlResolve(base, row), referrer);
        // A manager that took the whole list answers 2: it has every row already.
        if (result != ReRoute_GoOn) break;
    }
    if (handed) *handed = calls;
    return result;
}

}  // namespace ravlet
