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
UserInterface* currentUi = nullptr;
}  // namespace

void UserInterface::WaitForEvents(int maxMs) {
    // Without an event queue to block on, a short sleep stands for the wait.
    std::this_thread::sleep_for(std::chrono::milliseconds(maxMs));
    ServeEvents();
}

MsgAnswer SafeAnswer(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return MsgAnswer::Ok;
        case MsgButtons::OkCancel:
            return MsgAnswer::Cancel;
        case MsgButtons::YesNo:
            return MsgAnswer::No;
        case MsgButtons::YesNoCancel:
            return MsgAnswer::Cancel;
        case MsgButtons::AbortRetryIgnore:
            return MsgAnswer::Abort;
        case MsgButtons::RetryCancel:
            return MsgAnswer::Cancel;
    }
    return MsgAnswer::Cancel;
}

UserInterface& Ui() {
    return currentUi ? *currentUi : Console();
}

void SetUi(UserInterface* ui) {
    currentUi = ui;
}

MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                 const std::string& title) {
    return Ui().Message(text, buttons, icon, title);
}

}  // namespace ravlet
