#include "platform/SystemPanels.h"

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/StartProgram.h"

namespace ravlet {

namespace {

struct Panel {
    const char* program;
    std::vector<std::string> args;
};

const std::vector<Panel>& Panels() {
    static const std::vector<Panel> panels = {
        {"gnome-control-center", {"network"}},
        {"kcmshell6", {"kcm_proxy"}},
        {"kcmshell5", {"proxy"}},
        {"nm-connection-editor", {}},
    };
    return panels;
}

// The program's path in PATH; "" when it is not installed.
std::string FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        const std::string dir = dirs.substr(start, end - start);
        if (!dir.empty()) {
            const std::string candidate = dir + "/" + name;
            if (access(candidate.c_str(), X_OK) == 0) return candidate;
        }
        start = end + 1;
    }
    return std::string();
}

}  // namespace

bool OpenNetworkSettings() {
    for (const Panel& p : Panels()) {
        const std::string program = FindProgram(p.program);
        if (!program.empty()) return StartProgram(program, p.args) == 0;
    }
    return false;
}

bool NetworkSettingsAvailable() {
    for (const Panel& p : Panels())
        if (!FindProgram(p.program).empty()) return true;
    return false;
}

}  // namespace ravlet
