#pragma once
// A user interface for tests: records every message and answers from a script.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/UserInterface.h"

namespace ravlet::test {

struct RecordedMessage {
    std::string text;
    MsgButtons buttons;
    MsgIcon icon;
    std::string title;
};

class ScriptedUi : public UserInterface {
  public:
    ScriptedUi();            // installs itself as the process's user interface
    ~ScriptedUi() override;  // restores the previous one

    MsgAnswer Message(const std::string& text, MsgButtons buttons, MsgIcon icon,
                      const std::string& title) override;
    std::string ChooseFile(const FileDialogRequest& request) override;
    std::string ChooseFileTyped(const FileDialogRequest& request, int& typeIndex) override;
    std::string ChooseFolder(const std::string& title, const std::string& start) override;
    void ServeEvents() override;
    // Counts the wait and serves at once: the script is the only source of events.
    void WaitForEvents(int maxMs) override;
    void SetBusy(bool busy) override { busy_ = busy; }
    bool InputBox(const std::string& prompt, const std::string& title,
                  std::string& answer) override;

    std::deque<MsgAnswer> answers;  // next answers; the safe answer when empty
    std::deque<std::string> files;  // next chosen files or folders; "" when empty
    std::vector<RecordedMessage> messages;
    std::vector<std::string> Texts() const;  // the messages' texts, in order
    std::vector<FileDialogRequest> fileRequests;
    std::deque<int> fileTypes;             // the file type chosen with each next file; 0 when empty
    std::deque<std::string> inputs;        // next InputBox answers; Cancel when empty
    std::vector<RecordedMessage> prompts;  // what InputBox asked: prompt and title
    std::vector<std::string> presets;      // the answer each InputBox was preset with
    std::function<void()> onServeEvents;   // runs inside every ServeEvents
    std::function<void()> onMessage;       // runs when a message is shown, before its answer
    int serveCount = 0;
    int waitCount = 0;  // WaitForEvents calls
    bool busy() const { return busy_; }
    bool ControlKeyHeld() override { return controlHeld; }
    bool controlHeld = false;  // the Ctrl key as the platform reports it

  private:
    UserInterface* previous_;
    bool busy_ = false;
};

}  // namespace ravlet::test
