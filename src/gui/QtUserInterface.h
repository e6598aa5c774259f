#pragma once
// Message boxes, questions, file and folder dialogs, the busy pointer and event serving of
// the desktop, for the logic's user-interface interface.
#include <QPointer>
#include <QWidget>

#include "platform/UserInterface.h"

namespace ravlet::gui {

class QtUserInterface : public UserInterface {
  public:
    QtUserInterface();  // installs itself
    ~QtUserInterface() override;
    // The window that owns the dialogs and gives its caption to untitled messages.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    MsgAnswer Message(const std::string& text, MsgButtons buttons, MsgIcon icon,
                      const std::string& title) override;
    std::string ChooseFile(const FileDialogRequest& request) override;
    std::string ChooseFileTyped(const FileDialogRequest& request, int& typeIndex) override;
    std::string ChooseFolder(const std::string& title, const std::string& start) override;
    void ServeEvents() override;
    void WaitForEvents(int maxMs) override;
    void SetBusy(bool busy) override;
    bool InputBox(const std::string& prompt, const std::string& title,
                  std::string& answer) override;
    bool ControlKeyHeld() override;

  private:
    QString Title(const std::string& title) const;
    QPointer<QWidget> owner_;
    int busy_ = 0;
};

// "desc|pattern|desc|pattern" as a Qt name filter: "desc (pattern);;desc (pattern)".
QString QtNameFilter(const std::string& filter);

}  // namespace ravlet::gui
