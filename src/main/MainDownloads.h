#pragma once
// The main window's download follow-up: its download buttons run the download over the
// window's list, addresses, State, status bar and network object. It keeps what the run made
// of each row and the run's overall progress, and offers the commands on them.
#include <cstdint>
#include <memory>
#include <vector>

#include "links/LinkList.h"
#include "main/DownloadHooks.h"
#include "main/DownloadHost.h"
#include "main/DownloadRun.h"
#include "main/LinkOutcomes.h"
#include "main/RunProgress.h"

namespace ravlet {

class frmMain;
class Timer;

// A run longer than this ends with a desktop notification when the window is not active.
constexpr long long kNotifyAfterMs = 10000;

class MainDownloads : public DownloadHooks, public DownloadHost {
  public:
    explicit MainDownloads(frmMain& main);
    ~MainDownloads() override;

    // The overwrite question's window (not owned); nullptr: every question is skipped.
    void SetOverwriteView(OverwriteView* view) { overwrite_ = view ? view : skipping_.get(); }
    DownloadRun& Run() { return run_; }
    LinkOutcomes& Outcomes() { return outcomes_; }
    const RunProgress& Progress() const { return progress_; }

    // DownloadHooks.
    void DownloadButton(int index) override;

    // Runs again only the rows whose outcome is failed.
    void RetryFailed();
    // Selects the rows whose outcome is failed.
    void SelectFailed();
    // The desktop's file manager on the download folder.
    void OpenDownloadFolder();
    // On a done current row: its file, or the file shown in its folder; false when the row
    // is not done.
    bool OpenFile();
    bool ShowInFolder();
    // The file of the current row when it is done, else empty.
    std::string CurrentFile() const;

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
    bool StartsRun() const;
    // Runs over rows of the list (all when rows is empty).
    void RunRows(std::vector<std::size_t> rows);
    // The list row of the run's row (from 0).
    std::size_t ListRow(long runRow) const;
    void LinkDone(const LinkOutcome& outcome);
    void LinkProgress(long row, std::int64_t bytes, std::int64_t total);
    // The run named the row's file: the target column shows it while the body comes.
    void LinkTarget(long row, const std::string& path);
    void ShowProgress(bool now);
    void EndRun();

    frmMain& main_;
    std::unique_ptr<OverwriteView> skipping_;
    OverwriteView* overwrite_;
    LinkOutcomes outcomes_;
    RunProgress progress_;
    // Keeps the speed and the time left current while a transfer waits for its server.
    std::unique_ptr<Timer> ticker_;
    long long shownAt_ = 0;
    int shownPercent_ = -1;
    // A run over some rows only: their texts, and where they stand in the list.
    bool partial_ = false;
    LinkList partialList_;
    std::vector<std::size_t> partialRows_;
    DownloadRun run_;
};

}  // namespace ravlet
