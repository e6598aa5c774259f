#pragma once
// The main window as the site scanner sees it: its list, State, SetResetList and the two
// address boxes.
#include "main/frmMain.h"
#include "scanner/ScannerHost.h"

namespace ravlet {

class MainScannerHost : public ScannerHost {
  public:
    explicit MainScannerHost(frmMain& main) : main_(main) {}
    LinkList& ListLinks() override { return main_.ListLinks(); }
    int State() const override { return main_.State(); }
    void State(int state) override { main_.State(state); }
    void SetResetList() override { main_.SetResetList(); }
    std::string PageAddress() const override { return main_.txtUrl.text; }
    std::string BaseAddress() const override { return main_.txtUrlBase; }
    void ListChanged() override { main_.RefreshView(View_List); }

  private:
    frmMain& main_;
};

}  // namespace ravlet
