#include "main/SaveSettings.h"

#include "app/LogSink.h"
#include "app/Settings.h"
#include "platform/UserInterface.h"

namespace ravlet {

bool SaveSettings(bool tellRefusal) {
    const Settings& s = AppSettings();
    std::string error;
    if (SettingsWriteFile(s, std::string(), &error)) return true;
    if (!s.unreadFile.empty()) {
        LogMessage("The settings file was not written: " + error);
        if (tellRefusal)
            MsgBox("The settings were not saved: " + error, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    MsgBox("The settings file could not be written:\r\n" + s.settingsFile + "\r\n" + error,
           MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
}

}  // namespace ravlet
