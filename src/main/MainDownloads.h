#pragma once
// The main window's download follow-up: its download buttons run the download over the
// window's list, addresses, State, status bar and network object.
#include <memory>

#include "main/DownloadHooks.h"
#include "main/DownloadHost.h"
#include "main/DownloadRun.h"

namespace ravlet {

class frmMain;

class MainDownloads : public DownloadHooks, public DownloadHost {
  public:
    explicit MainDownloads(frmMain& main);
    ~MainDownloads() override;

    // The overwrite question's window (not owned); nullptr: every question is skipped.
    void SetOverwriteView(OverwriteView* view) { overwrite_ = view ? view : skipping_.get(); }
    DownloadRun& Run() { return run_; }

    // DownloadHooks.
    void DownloadButton(int index) override { run_.DownloadButton(index); }

    // DownloadHost.
    LinkList& Links() override;
    void CurrentRow(long row) override;
    std::string PageAddress() const override;
    std::string BaseSafe(const std::string& entry) const override;
    int State() const override;
    void State(int state) override;
    void Status(const std::string& text) override;
    ctlStatusBar& StatusBar() override;
    RvNetGet& Net() override;
    OverwriteView& OverwriteWindow() override { return *overwrite_; }
    void WriteSettings() override;
    bool RefinerOpen() const override;
    void CloseRefiner() override;
    void AutoClose() override;
    void ChooseDownloadFolder() override;
    void ShowNamingMenu() override;

  private:
    frmMain& main_;
    std::unique_ptr<OverwriteView> skipping_;
    OverwriteView* overwrite_;
    DownloadRun run_;
};

}  // namespace ravlet
