#include "platform/DesktopNotify.h"

#include <utility>

#include "platform/Shell.h"

namespace ravlet {

namespace {
std::function<bool(const std::string&, const std::string&)>& Notifier() {
    static std::function<bool(const std::string&, const std::string&)> notifier;
    return notifier;
}
}  // namespace

void SetDesktopNotifier(std::function<bool(const std::string&, const std::string&)> notifier) {
    Notifier() = std::move(notifier);
}

bool DesktopNotify(const std::string& title, const std::string& text) {
    if (Notifier()) return Notifier()(title, text);
    if (!ShellFindProgram("notify-send")) return false;
    // "--" keeps a text that begins with "-" from reading as an option.
    return ShellStart({"notify-send", "--app-name=ravlet", "--", title, text});
}

}  // namespace ravlet
