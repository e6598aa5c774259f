#include "main/SaveSettings.h"

#include "app/Settings.h"
#include "platform/UserInterface.h"

namespace ravlet {

bool SaveSettings() {
    const Settings& s = AppSettings();
    std::string error;
    if (SettingsWriteFile(s, std::string(), &error)) return true;
    MsgBox("The settings file could not be written:\r\n" + s.settingsFile + "\r\n" + error,
           MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
}

}  // namespace ravlet
