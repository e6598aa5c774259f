#pragma once
// The main window as the refiner sees it: its list, State, status bar and commands.
#include "filters/RefinerHost.h"
#include "main/frmMain.h"

namespace ravlet {

class MainRefinerHost : public RefinerHost {
  public:
    explicit MainRefinerHost(frmMain& main) : main_(main) {}
    LinkList& ListLinks() override { return main_.ListLinks(); }
    int State() const override { return main_.State(); }
    void State(int state) override { main_.State(state); }
    ctlStatusBar& StatusBar() override { return main_.StatusBar; }
    // State 8 already keeps the list from being edited; the view draws it anew afterwards.
    void ListLinksEnabled(bool on) override {
        if (on) main_.RefreshView(View_List);
    }
    void ListLinksVisible(bool on) override {
        if (on) main_.RefreshView(View_List);
    }
    void SetResetList() override { main_.SetResetList(); }
    void RvCommand(int code) override { main_.RvCommand(code); }
    int MainHeight() const override { return mainHeight; }

    int mainHeight = 0;  // kept up to date by the window system

  private:
    frmMain& main_;
};

}  // namespace ravlet
