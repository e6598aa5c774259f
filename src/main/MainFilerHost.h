#pragma once
// The main window as the filename generator sees it.
#include "main/frmMain.h"
#include "tools/FilerHost.h"

namespace ravlet {

class MainFilerHost : public FilerHost {
  public:
    explicit MainFilerHost(frmMain& main) : main_(main) {}
    LinkList& ListLinks() override { return main_.ListLinks(); }
    int State() const override { return main_.State(); }
    void State(int state) override { main_.State(state); }
    ctlStatusBar& StatusBar() override { return main_.StatusBar; }
    bool GenerateAllowed() const override {
        return CommandAllowed(Act_FilerGenerate, main_.State());
    }
    bool ClearAllowed() const override { return CommandAllowed(Act_FilerClear, main_.State()); }
    void ListChanged() override { main_.RefreshView(View_List); }

  private:
    frmMain& main_;
};

}  // namespace ravlet
