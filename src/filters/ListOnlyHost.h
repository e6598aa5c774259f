#pragma once
// The main window as far as the refiner needs it, for a run without the main window: the
// list, State and progress are its own, and the window's other parts do nothing.
#include "filters/Refiner.h"
#include "filters/RefinerHost.h"

namespace ravlet {

class ListOnlyHost : public RefinerHost {
  public:
    LinkList& ListLinks() override { return list; }
    int State() const override { return state; }
    void State(int s) override { state = s; }
    ctlStatusBar& StatusBar() override { return status; }
    void ListLinksEnabled(bool) override {}
    void ListLinksVisible(bool) override {}
    void SetResetList() override {}
    void RvCommand(int) override {}
    int MainHeight() const override { return mainHeight; }

    LinkList list;
    int state = kStateListReady;
    ctlStatusBar status;
    int mainHeight = 0;
};

}  // namespace ravlet
