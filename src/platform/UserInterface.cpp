#include "platform/UserInterface.h"

#include "platform/ConsoleUi.h"

namespace ravlet {

namespace {
ConsoleUi& Console() {
    static ConsoleUi console;
    return console;
}
UserInterface* current = nullptr;
}  // namespace

UserInterface& Ui() { return current ? *current : Console(); }

void SetUi(UserInterface* ui) { current = ui; }

MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                 const std::string& title) {
    return Ui().Message(text, buttons, icon, title);
}

}  // namespace ravlet
