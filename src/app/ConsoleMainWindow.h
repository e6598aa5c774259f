#pragma once
// Stands in for the main window until it exists: prints what it is asked to do.
#include <ostream>

#include "app/MainWindowHooks.h"

namespace ravlet {

class ConsoleMainWindow : public MainWindowHooks {
  public:
    explicit ConsoleMainWindow(std::ostream& out) : out_(out) {}
    void ShowMainWindow() override;
    void SetTxtUrl(const std::string& text) override;
    void Task_History_Do() override;
    void doTextParse(const std::string& text) override;
    void Task_Buildbase(int mode) override;
    void Task_ReRoute_Default() override;
    void cGo_Click() override;
    // Closing writes the settings file, as the window does; false when that fails.
    bool Close();

  private:
    std::ostream& out_;
};

}  // namespace ravlet
