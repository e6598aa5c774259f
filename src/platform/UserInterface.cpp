#include "platform/UserInterface.h"

#include <chrono>
#include <thread>

#include "platform/ConsoleUi.h"

namespace ravlet {

namespace {
ConsoleUi& Console() {
    static ConsoleUi console;
    return console;
}
UserInterface* current = nullptr;
}  // namespace

void UserInterface::WaitForEvents(int maxMs) {
    // Without an event queue to block on, a short sleep stands for the wait.
    std::this_thread::sleep_for(std::chrono::milliseconds(maxMs));
    ServeEvents();
}

UserInterface& Ui() { return current ? *current : Console(); }

void SetUi(UserInterface* ui) { current = ui; }

MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                 const std::string& title) {
    return Ui().Message(text, buttons, icon, title);
}

}  // namespace ravlet
