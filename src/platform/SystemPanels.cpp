#include "platform/SystemPanels.h"

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace ravlet {

namespace {

// Each panel as its program and arguments, the first installed one taken.
const std::vector<std::vector<std::string>>& Panels() {
    static const std::vector<std::vector<std::string>> panels = {
        {"gnome-control-center", "network"},
        {"kcmshell6", "kcm_proxy"},
        {"kcmshell5", "proxy"},
        {"nm-connection-editor"},
    };
    return panels;
}

}  // namespace

bool OpenNetworkSettings() {
    for (const auto& panel : Panels())
        if (ShellFindProgram(panel[0])) return ShellStart(panel);
    return false;
}

bool NetworkSettingsAvailable() {
    for (const auto& panel : Panels())
        if (ShellFindProgram(panel[0])) return true;
    return false;
}

}  // namespace ravlet
