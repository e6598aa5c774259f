#pragma once
// The filename generator ("Filename Generator"): a start text, a number from a range and an
// end text, as a new list or put in front of or behind the rows already there. The Qt window
// draws it and forwards its controls here.
#include <functional>
#include <string>

#include "tools/FilerHost.h"

namespace ravlet {

// Above this many names the user is asked first: a careless range would fill memory.
inline constexpr long long kFilerAskAbove = 1000000;

class frmFiler {
  public:
    static constexpr const char* kCaption = "Filename Generator";

    explicit frmFiler(FilerHost& host) : host_(host) {}

    std::string txtDef[2];  // 0 "Filename Start", 1 "Filename End"
    std::string txtRange = "0-999";
    bool txtRangeTrail = false;  // "&Format"
    bool chkAdd = false;         // "&Add (Maxrange ignored)"
    int chkAddOpt = 1;           // 0 "in &front", 1 "at &end"

    // 0 "&Generate" or "&Stop", 1 "&Clear".
    void cApply_Click(int index);
    int RunState() const { return runState_; }  // 0 idle, 1 generating, 2 stop asked
    std::string ApplyCaption() const { return runState_ == 0 ? "&Generate" : "&Stop"; }
    bool ApplyEnabled(int index) const;
    bool InputsEnabled() const { return runState_ == 0; }
    bool chkAddOptEnabled() const { return chkAdd && InputsEnabled(); }

    // Redraw after the window's own controls changed (captions, enabled controls).
    std::function<void()> Changed;

  private:
    void Generate();
    void Redraw() {
        if (Changed) Changed();
    }

    FilerHost& host_;
    int runState_ = 0;
};

}  // namespace ravlet
