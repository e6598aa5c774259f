#include "main/SaveSettings.h"

#include "app/LogSink.h"
#include "app/Settings.h"
#include "platform/UserInterface.h"

namespace ravlet {

bool SaveSettings() {
    const Settings& s = AppSettings();
    std::string error;
    if (SettingsWriteFile(s, std::string(), &error)) return true;
    // The user was told at start-up that an unreadable file stays as it is.
    if (!s.unreadFile.empty()) {
        LogMessage("The settings file was not written: " + error);
        return false;
    }
    MsgBox("The settings file could not be written:\r\n" + s.settingsFile + "\r\n" + error,
           MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
}

}  // namespace ravlet
