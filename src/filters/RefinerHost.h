#pragma once
// What the refiner needs of the main window: its link list, State, progress display and two
// of its commands. The main window implements it; tests use a fake.
#include "links/LinkList.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

class RefinerHost {
  public:
    virtual ~RefinerHost() = default;
    virtual LinkList& ListLinks() = 0;
    virtual int State() const = 0;
    virtual void State(int state) = 0;
    virtual ctlStatusBar& StatusBar() = 0;
    // The list view: disabled while filters run, hidden while a reset refills it.
    virtual void ListLinksEnabled(bool on) = 0;
    virtual void ListLinksVisible(bool on) = 0;
    // The main window's SetResetList ("&Get") and its numbered commands ("|->" is 2001).
    virtual void SetResetList() = 0;
    virtual void RvCommand(int code) = 0;
    // The main window's height, for a refiner that has no stored height yet.
    virtual int MainHeight() const = 0;
};

}  // namespace ravlet
