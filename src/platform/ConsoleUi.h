#pragma once
// The user interface of the command line: messages on standard error, questions answered on
// the terminal, or with the safe answer when no one is there to ask.
#include "platform/UserInterface.h"

namespace ravlet {

class ConsoleUi : public UserInterface {
public:
    MsgAnswer Message(const std::string& text, MsgButtons buttons, MsgIcon icon,
                      const std::string& title) override;
    std::string ChooseFile(const FileDialogRequest& request) override;
    std::string ChooseFolder(const std::string& title, const std::string& start) override;
    void ServeEvents() override {}
    void SetBusy(bool) override {}
};

}  // namespace ravlet
