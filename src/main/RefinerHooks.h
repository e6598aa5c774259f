#pragma once
// What the main window asks of the refiner window. The refiner implements it; until then this
// default does nothing but keep the reset copy, so the main window's commands are harmless.
#include <string>
#include <vector>

namespace ravlet {

class RefinerHooks {
  public:
    virtual ~RefinerHooks() = default;

    // Codes 3000 (apply the pad), 3001 (reset the list) and 3002 (ask to stop applying),
    // passed on with the same code.
    virtual void RvCommands_FC(int code) { (void)code; }
    // Shows the refiner window, loading it first when needed (command 3003, refiner button,
    // Refiner_AutoShow after a get).
    virtual void ShowRefiner() {}
    // F8: hides a visible refiner, shows a hidden one, loads and shows a missing one.
    virtual void ToggleRefiner() {}
    // True while the refiner window is loaded.
    virtual bool RefinerOpen() const { return false; }
    // Unloads an open refiner (main window closing; download start with Refiner_AutoHide);
    // false when it refuses, which cancels the main window's close.
    virtual bool CloseRefiner() { return true; }
    // The main window's State changed; the refiner's apply button follows it ("&Apply" in 0
    // and 2, "&Stop" in 8).
    virtual void MainStateChanged(int state) { (void)state; }

    // The reset copy: SetResetList of the main window replaces it with the list's rows, in
    // order; "&Reset" returns the list to it.
    virtual void SetResetList(const std::vector<std::string>& rows) { resetList_ = rows; }
    virtual const std::vector<std::string>& ResetList() const { return resetList_; }

  private:
    std::vector<std::string> resetList_;
};

}  // namespace ravlet
