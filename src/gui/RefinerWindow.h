#pragma once
// The refiner window for the main window: loaded on demand, shown, hidden and unloaded as
// the main window asks; the reset copy outlives the window.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "main/MainRefinerHost.h"
#include "main/RefinerHooks.h"

namespace ravlet::gui {

class frmRefineNew;

class RefinerWindow : public RefinerHooks {
  public:
    RefinerWindow(frmMain& main, QWidget* owner);
    ~RefinerWindow() override;

    void RvCommands_FC(int code) override;
    void ShowRefiner() override;
    void ToggleRefiner() override;
    bool RefinerOpen() const override { return window_ != nullptr; }
    bool CloseRefiner() override;
    void MainStateChanged(int state) override;
    void SetResetList(const std::vector<std::string>& rows) override;

    frmRefineNew* Window() const { return window_.get(); }

  private:
    void Load();

    frmMain& main_;
    QPointer<QWidget> owner_;
    MainRefinerHost host_;
    std::unique_ptr<frmRefineNew> window_;
};

}  // namespace ravlet::gui
