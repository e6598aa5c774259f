#pragma once
// Records what the start routine and the command-line handler ask of the main window.
#include <string>
#include <vector>

#include "app/MainWindowHooks.h"

namespace ravlet::test {

class FakeMainWindow : public MainWindowHooks {
  public:
    void ShowMainWindow() override { calls.push_back("ShowMainWindow"); }
    void SetTxtUrl(const std::string& text) override { calls.push_back("txtUrl=" + text); }
    void Task_History_Do() override { calls.push_back("Task_History_Do"); }
    void doTextParse(const std::string& text) override {
        parsed = text;
        calls.push_back("doTextParse");
    }
    void Task_Buildbase(int mode) override {
        calls.push_back("Task_Buildbase " + std::to_string(mode));
    }
    void Task_ReRoute_Default() override { calls.push_back("Task_ReRoute_Default"); }
    void cGo_Click() override { calls.push_back("cGo_Click"); }

    std::vector<std::string> calls;
    std::string parsed;
};

}  // namespace ravlet::test
