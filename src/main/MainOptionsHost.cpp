#include "main/MainOptionsHost.h"

#include "app/Integration.h"
#include "app/Settings.h"
#include "main/MainReRouteHost.h"
#include "main/SaveSettings.h"
#include "reroute/ReRoute.h"
#include "reroute/ReRouteTable.h"

namespace ravlet {

void MainOptionsHost::zmDir_Build() {
    main_.zmDir_Build();
    main_.SetDownloadFolder(AppSettings().savedir);
}

void MainOptionsHost::zmRlist_Build() {
    main_.zmRlist_Build();
}

std::vector<OptionsManager> MainOptionsHost::ReRouteManagers() const {
    std::vector<OptionsManager> managers;
    const std::vector<ReRouteEntry>& table = ReRouteTable();
    for (int i = 0; i <= kReRouteCount; ++i) {
        const ReRouteEntry& e = table[static_cast<std::size_t>(i) + 1];
        managers.push_back({e.name, e.id, e.web, i});
    }
    const std::vector<ReRouteEntry>& local = ReRouteLocalTable();
    for (std::size_t j = 0; j < local.size(); ++j)
        managers.push_back(
            {local[j].name, local[j].id, local[j].web, kReRouteCount + 1 + static_cast<int>(j)});
    return managers;
}

int MainOptionsHost::ReRouteProbe(const std::string& id) {
    const MainReRouteHost host(main_);
    return ReRoute(host, id, std::string(), std::string());
}

bool MainOptionsHost::SetIntegration(int mode) {
    return ravlet::SetIntegration(mode);
}

void MainOptionsHost::OpenInternetSettings() {
    ravlet::OpenInternetSettings();
}

bool MainOptionsHost::InternetSettingsAvailable() const {
    return ravlet::InternetSettingsAvailable();
}

bool MainOptionsHost::WriteSettings() {
    return SaveSettings();
}

}  // namespace ravlet
