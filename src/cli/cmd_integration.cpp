// ravlet-cli integration on|off|status: the browser's context-menu entries and the browser
// component, as the preferences' integration buttons set them.
#include <iostream>
#include <string>
#include <vector>

#include "app/Integration.h"
#include "cli/CliCommand.h"

namespace ravlet::cli {

namespace {

const char kHelp[] =
    "usage: ravlet-cli integration on|off|status\n"
    "\n"
    "on      writes the two context-menu entries (\"&Use ravlet on this Page\" and \"Use\n"
    "        ravlet on this &Selection\") to ravlet.reg in the program folder, then registers\n"
    "        the browser component in the background: rvbx-regsvr /s librvbx.so, which\n"
    "        writes the native messaging host manifests of Chromium, Google Chrome and\n"
    "        Firefox for the current user\n"
    "off     unregisters the component (in the background) and removes the two entries\n"
    "status  prints the entries, the component's registration and the manifests\n"
    "\n"
    "on and off print \"Integration succesfull\" or \"Integration failed\" as the preferences'\n"
    "buttons show them, then the state; the exit status is 0 on success, 1 on failure, 2 for\n"
    "a wrong command line. The browser extension itself is loaded in the browser (README).\n";

void PrintStatus() {
    for (const std::string& line : IntegrationStatus()) std::cout << line << '\n';
}

int Run(const std::vector<std::string>& args) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << kHelp;
        return 0;
    }
    if (args.size() != 1) return UsageError("integration", "on, off or status?", kHelp);
    const std::string& what = args[0];
    if (what == "status") {
        PrintStatus();
        return std::cout ? 0 : 1;
    }
    if (what != "on" && what != "off")
        return UsageError("integration", "unknown action '" + what + "'", kHelp);
    const bool ok = SetIntegration(what == "on" ? 1 : 0);
    std::cout << (ok ? "Integration succesfull" : "Integration failed") << '\n';
    PrintStatus();
    std::cout << "(the component's " << (what == "on" ? "registration" : "unregistration")
              << " runs in the background; ravlet-cli integration status shows its outcome)\n";
    return ok && std::cout ? 0 : 1;
}

const bool registered = RegisterCommand(
    {"integration", "integration on|off|status",
     "install, remove or show the web browser's context-menu entries for ravlet", 130, &Run});

}  // namespace

}  // namespace ravlet::cli
