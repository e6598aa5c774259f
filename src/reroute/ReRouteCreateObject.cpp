#include "reroute/ReRouteCreateObject.h"

#include "app/LogSink.h"
#include "platform/UserInterface.h"

namespace ravlet {

namespace {
const char kSupportAddress[] = "ravlet@ravlet.example.org";
}  // namespace

std::unique_ptr<AutoObject> ReRouteCreateObject(const std::string& progId, const std::string& name,
                                                const std::string& address) {
    AutoError error;
    std::unique_ptr<AutoObject> object = CreateAutoObject(progId, error);
    if (object) return object;
    if (error.number == kAutoCannotCreate) {
        if (!address.empty()) MsgBox(name + " not installed / found, can't add");
    } else {
        ReRouteUnexpected(name, error);
    }
    return nullptr;
}

void ReRouteUnexpected(const std::string& name, const AutoError& error) {
    LogMessage("</snip>", true);
    LogMessage(std::to_string(error.number) + ":" + error.description, true);
    LogMessage("unexpected error in ReRoute for " + name + ".", true);
    LogMessage("<snip>", true);
    LogMessage(std::string("Error: An unexpected one. please send the developer ( ") +
                   kSupportAddress + " ) the following lines:",
               true);
    MsgBox("Unexpected Error. Please notify the Developer. See Log for more details.");
}

}  // namespace ravlet
