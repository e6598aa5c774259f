#pragma once
// What the preferences window needs of the rest of the program: the main window's menus and
// network engine, the download managers and the browser integration.
#include <string>
#include <vector>

#include "app/Settings.h"

namespace ravlet {

// A download manager that can be the default one.
struct OptionsManager {
    std::string name;  // display name
    std::string id;    // identifier stored as ReRouteDefaultId
    std::string web;   // its web address, without "http://"
    int position = 0;  // its position in the download-manager table (the list row's data)
};

class OptionsHost {
  public:
    virtual ~OptionsHost() = default;
    // The main window rebuilds its "&Directories" favourites and its re-route menu.
    virtual void zmDir_Build() {}
    virtual void zmRlist_Build() {}
    // The main window closes and opens its network session with the new settings.
    virtual void RavletNetReInit() {}
    // Writes the settings file; false when it could not be written (the host has said so).
    virtual bool WriteSettings() { return SettingsWriteFile(AppSettings()); }
    // The managers of the download-manager table after "none", in table order.
    virtual std::vector<OptionsManager> ReRouteManagers() const { return {}; }
    // The hand-off asked without an address: below 1 when the manager is not installed.
    virtual int ReRouteProbe(const std::string& id) {
        (void)id;
        return 0;
    }
    // Installs (1) or removes (0) the web browser's menu entries; true on success.
    virtual bool SetIntegration(int mode) {
        (void)mode;
        return false;
    }
    virtual void OpenInternetSettings() {}
    virtual bool InternetSettingsAvailable() const { return false; }
};

}  // namespace ravlet
