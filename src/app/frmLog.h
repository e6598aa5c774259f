#pragma once
// The log window: the running log of the tasks, newest first, shown docked in the main
// window's log pane or as a window of its own.
#include <functional>
#include <string>
#include <vector>

#include "platform/KeyPress.h"

namespace ravlet {

class LinkList;

// What the log needs of the main window.
class LogHost {
  public:
    virtual ~LogHost() = default;
    virtual bool LogPaneVisible() const = 0;  // zParentLog
    virtual void LogPaneVisible(bool visible) = 0;
    virtual void Form_Resize() = 0;        // lays the main window out again
    virtual void zParentLog_Resize() = 0;  // fits the container into the pane
    virtual bool Form_KeyDown(const KeyPress& key) = 0;
    virtual LinkList& ListLinks() = 0;
    // Whether "List &Urls" may replace the list now: not under a running task.
    virtual bool ListUrlsAllowed() const = 0;
    virtual void Interface_StatusReady() = 0;
};

class frmLog {
  public:
    // Creating the log docks it, which shows the main window's log pane.
    explicit frmLog(LogHost& host);
    ~frmLog();
    frmLog(const frmLog&) = delete;
    frmLog& operator=(const frmLog&) = delete;

    // True while a log window exists in the process.
    static bool Loaded();

    void addMessage(const std::string& text, bool show);
    bool Docked() const { return docked_; }
    void Docked(bool value);
    bool LogVisible() const;

    // The main window's "&Log" command, the "&Hide" button and the close box.
    void Toggle();
    // The buttons: 0 "&Clear", 1 "&Hide", 2 "List &Urls", 3 "Clr && Hi&de".
    void cmdTop_Click(int index);
    // F7 hides the log window; any other key goes to the main window. True when handled.
    bool Form_KeyDown(const KeyPress& key);
    // The close box: the log is not destroyed, only hidden. Always cancels.
    bool QueryUnload();

    const std::string& txtLog() const { return text_; }
    bool WindowVisible() const { return windowVisible_; }
    // The addresses after the first "Url: " of the log's lines, newest first.
    std::vector<std::string> LoggedUrls() const;

    // Raised after the text, the docked flag or a visibility changed.
    std::function<void()> onChanged;

  private:
    void Changed();
    LogHost& host_;
    std::string text_;
    bool docked_ = false;
    bool windowVisible_ = false;
};

}  // namespace ravlet
