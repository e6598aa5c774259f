#pragma once
// What the start routine and the command-line handler need of the main window. The window
// implements it; tests and the console stand-in use fakes.
#include <string>

namespace ravlet {

class MainWindowHooks {
  public:
    virtual ~MainWindowHooks() = default;
    // Creates the window when it does not exist yet and shows it, not modal; its load
    // handler runs as part of this.
    virtual void ShowMainWindow() = 0;
    // The text of the address box txtUrl.
    virtual void SetTxtUrl(const std::string& text) = 0;
    // Records the address now in txtUrl in the visited-address history.
    virtual void Task_History_Do() = 0;
    // Scans the HTML text for links and fills the link list as a get does after fetching.
    virtual void doTextParse(const std::string& text) = 0;
    // The base-building step after a parse, with the value of Auto_BuildBase.
    virtual void Task_Buildbase(int mode) = 0;
    // Hands the link list to the default download manager.
    virtual void Task_ReRoute_Default() = 0;
    // The Get command, as if the user pressed the go button beside the address box.
    virtual void cGo_Click() = 0;
};

}  // namespace ravlet
