#include "reroute/ReRouteHost.h"

#include "net/ravlet_url.h"

namespace ravlet {

std::string ReRouteHost::BaseSafe(const std::string& row) const {
    const std::string base = BaseText();
    return UrlResolve(UrlHasScheme(base) ? base : UrlBase(PageAddress()), row);
}

std::vector<std::string> ReRouteResolvedRows(const ReRouteHost& host) {
    const std::string base = host.BaseText();
    const std::string prefix = UrlHasScheme(base) ? base : UrlBase(host.PageAddress());
    std::vector<std::string> rows = host.Rows();
    for (std::string& row : rows)
        if (!UrlHasScheme(row)) row = prefix + row;
    return rows;
}

}  // namespace ravlet
