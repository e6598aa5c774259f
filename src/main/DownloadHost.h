#pragma once
// What the download run needs of the window that owns it: the list and addresses, State,
// the status bar, the network object, the overwrite question and a few window actions.
// The main window implements it; ravlet-cli and the tests have their own.
#include <string>

namespace ravlet {

class LinkList;
class RvNetGet;
class ctlStatusBar;
class OverwriteView;

class DownloadHost {
  public:
    virtual ~DownloadHost() = default;

    virtual LinkList& Links() = 0;
    // Makes row the current row of the list, so the view follows the run.
    virtual void CurrentRow(long row) = 0;
    // The page address (the referrer of every download), empty when there is none.
    virtual std::string PageAddress() const = 0;
    // entry resolved against the safe base.
    virtual std::string BaseSafe(const std::string& entry) const = 0;

    // 0 idle (shows "Ready (" n " Links)"), 2 list ready, 3 downloading, 4 pause requested,
    // 5 paused, 6 stop requested, 7 stopped.
    virtual int State() const = 0;
    virtual void State(int state) = 0;
    // The status text.
    virtual void Status(const std::string& text) = 0;
    // The gauge (steps mode) and the transfer's percentage.
    virtual ctlStatusBar& StatusBar() = 0;

    virtual RvNetGet& Net() = 0;
    virtual OverwriteView& OverwriteWindow() = 0;

    // The settings file is written before each run.
    virtual void WriteSettings() = 0;
    virtual bool RefinerOpen() const = 0;
    virtual void CloseRefiner() = 0;
    // Closes the main window without the closing question (the automatic close).
    virtual void AutoClose() = 0;
    // The naming buttons of the overwrite question: the download-folder choice and the
    // "Download filenaming" menu.
    virtual void ChooseDownloadFolder() = 0;
    virtual void ShowNamingMenu() = 0;
};

}  // namespace ravlet
