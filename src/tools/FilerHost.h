#pragma once
// What the filename generator needs of the main window: its list, State, status bar and
// what its state table allows. The main window implements it; the CLI has a list of its own.
#include "links/LinkList.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

class FilerHost {
  public:
    virtual ~FilerHost() = default;
    virtual LinkList& ListLinks() = 0;
    virtual int State() const = 0;
    virtual void State(int state) = 0;
    virtual ctlStatusBar& StatusBar() = 0;
    // Whether a run may start, and whether "&Clear" may empty the list, in the current State.
    virtual bool GenerateAllowed() const = 0;
    virtual bool ClearAllowed() const = 0;
    // The list's rows changed (views draw them again).
    virtual void ListChanged() = 0;
};

// The State value while the generator fills the list.
inline constexpr int kStateGenerating = 9;

}  // namespace ravlet
