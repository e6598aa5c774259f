#pragma once
// The main window as the info window sees it.
#include "main/frmMain.h"
#include "tools/frmInfo.h"

namespace ravlet {

class MainInfoHost : public InfoHost {
  public:
    explicit MainInfoHost(frmMain& main) : main_(main) {}
    LinkList& ListLinks() override { return main_.ListLinks(); }
    bool ApplyAllowed() const override { return CommandAllowed(Act_InfoApply, main_.State()); }
    void ListChanged() override { main_.RefreshView(View_List); }

  private:
    frmMain& main_;
};

}  // namespace ravlet
