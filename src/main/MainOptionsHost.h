#pragma once
// The main window as the preferences window sees it.
#include "main/frmMain.h"
#include "tools/OptionsHost.h"

namespace ravlet {

class MainOptionsHost : public OptionsHost {
  public:
    explicit MainOptionsHost(frmMain& main) : main_(main) {}
    // The favourites of the "&Directories" menu, and the folder box, which would otherwise
    // write its old text back over the new download folder.
    void zmDir_Build() override;
    void zmRlist_Build() override;
    void RavletNetReInit() override { main_.RavletNetReInit(); }
    bool WriteSettings() override;
    std::vector<OptionsManager> ReRouteManagers() const override;
    int ReRouteProbe(const std::string& id) override;
    bool SetIntegration(int mode) override;
    void OpenInternetSettings() override;
    bool InternetSettingsAvailable() const override;

  private:
    frmMain& main_;
};

}  // namespace ravlet
