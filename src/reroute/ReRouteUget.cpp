// uGet takes one address a start of its program, which hands it to the running uGet.
#include "app/LogSink.h"
#include "app/Settings.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"
#include "reroute/ReRoute.h"

namespace ravlet {

namespace {
const char kProgram[] = "uget-gtk";
}  // namespace

int ReRouteUget(const std::string& address, const std::string& referrer) {
    if (!ShellFindProgram(kProgram)) {
        if (!address.empty()) MsgBox("uGet not installed / found, can't add");
        return ReRoute_Failed;
    }
    if (address.empty()) return ReRoute_GoOn;
    // uGet would read an address that begins with "-" as an option of its own.
    if (address[0] == '-') {
        LogMessage("not handed to uGet: an address cannot begin with \"-\" Url: " + address);
        return ReRoute_GoOn;
    }
    std::vector<std::string> argv = {kProgram, "--quiet"};
    if (!referrer.empty()) argv.push_back("--http-referer=" + referrer);
    const std::string& folder = AppSettings().savedir;
    if (!folder.empty()) argv.push_back("--folder=" + folder);
    argv.push_back(address);
    if (ShellStart(argv)) return ReRoute_GoOn;
    MsgBox("uGet could not be started.");
    return ReRoute_Failed;
}

}  // namespace ravlet
