#include "main/MainOptionsHost.h"

#include "app/Settings.h"
#include "main/SaveSettings.h"

namespace ravlet {

void MainOptionsHost::zmDir_Build() {
    main_.zmDir_Build();
    main_.SetDownloadFolder(AppSettings().savedir);
}

// The download-manager table and the browser integration are not part of this build yet:
// the re-route page offers "(none)" only and the integration buttons report a failure.
void MainOptionsHost::zmRlist_Build() {}

std::vector<OptionsManager> MainOptionsHost::ReRouteManagers() const {
    return {};
}

int MainOptionsHost::ReRouteProbe(const std::string& id) {
    (void)id;
    return 0;
}

bool MainOptionsHost::SetIntegration(int mode) {
    (void)mode;
    return false;
}

void MainOptionsHost::OpenInternetSettings() {}

bool MainOptionsHost::InternetSettingsAvailable() const {
    return false;
}

bool MainOptionsHost::WriteSettings() {
    return SaveSettings();
}

}  // namespace ravlet
