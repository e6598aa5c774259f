#pragma once
// What the logic needs from whoever talks to the user: message boxes and questions,
// file and folder choosers, the busy pointer and serving pending window events.
// The Qt front end, the console of the CLI and the scripted stand-in of the tests implement it.
#include <string>

namespace ravlet {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, AbortRetryIgnore, RetryCancel };
enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgAnswer { Ok, Cancel, Yes, No, Abort, Retry, Ignore };

struct FileDialogRequest {
    bool save = false;
    std::string fileName;
    std::string folder;
    std::string title;
    std::string filter;      // "|"-separated pairs of description and pattern
    std::string defaultExt;  // save dialog only, when not empty
};

class UserInterface {
  public:
    virtual ~UserInterface() = default;
    // A modal message; an empty title stands for the main window's caption.
    virtual MsgAnswer Message(const std::string& text, MsgButtons buttons, MsgIcon icon,
                              const std::string& title) = 0;
    // The chosen path, or the empty text when the user cancels.
    virtual std::string ChooseFile(const FileDialogRequest& request) = 0;
    // As ChooseFile; typeIndex tells which pair of the filter was chosen, counted from 0
    // (-1 when the interface cannot tell).
    virtual std::string ChooseFileTyped(const FileDialogRequest& request, int& typeIndex) {
        typeIndex = -1;
        return ChooseFile(request);
    }
    virtual std::string ChooseFolder(const std::string& title, const std::string& start) = 0;
    // Runs whatever window events are pending, so Pause and Stop can act.
    virtual void ServeEvents() = 0;
    // Waits for the next event (at most maxMs) and serves it: a loop that only waits for
    // the user, such as a paused download, sleeps instead of spinning.
    virtual void WaitForEvents(int maxMs);
    virtual void SetBusy(bool busy) = 0;
    // Asks for one line of text with answer preset; false when the user cancels. Interfaces
    // that cannot ask answer Cancel.
    virtual bool InputBox(const std::string& prompt, const std::string& title,
                          std::string& answer) {
        (void)prompt;
        (void)title;
        (void)answer;
        return false;
    }
    // Whether the Ctrl key is held down right now, asked of the platform: a key release
    // that went to another window is never missed.
    virtual bool ControlKeyHeld() { return false; }
};

// The process-wide user interface; a console one until the program installs its own.
UserInterface& Ui();
// Installs ui (not owned; nullptr restores the console one).
void SetUi(UserInterface* ui);

// The answer of a question nobody answered (closed, or no one to ask): the one that changes
// nothing.
MsgAnswer SafeAnswer(MsgButtons buttons);

// Shortcut for a message box with the main window's caption as title.
MsgAnswer MsgBox(const std::string& text, MsgButtons buttons = MsgButtons::Ok,
                 MsgIcon icon = MsgIcon::None, const std::string& title = std::string());

}  // namespace ravlet
