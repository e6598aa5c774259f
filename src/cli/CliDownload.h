#pragma once
// The download run of ravlet-cli: a console stand-in for the main window (list, addresses,
// State, status line, the overwrite question on the terminal) and the run over it.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "filters/PadApply.h"
#include "links/LinkList.h"
#include "links/ParsePage.h"
#include "main/ConsoleOverwriteView.h"
#include "main/DownloadHost.h"
#include "main/LinkOutcomes.h"
#include "main/RunProgress.h"
#include "net/RvNetGet.h"
#include "platform/TerminalLines.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {
struct Settings;
}

namespace ravlet::cli {

struct DownloadOptions;

class CliDownloadHost : public DownloadHost, public PageParseTarget {
  public:
    CliDownloadHost(Settings& settings, const DownloadOptions& options);
    ~CliDownloadHost() override;

    LinkList& Links() override { return list_; }
    void CurrentRow(long row) override;
    std::string PageAddress() const override { return page_; }
    std::string BaseSafe(const std::string& entry) const override;
    int State() const override { return state_; }
    void State(int state) override { state_ = state; }
    void Status(const std::string& text) override;
    ctlStatusBar& StatusBar() override { return bar_; }
    RvNetGet& Net() override { return net_; }
    OverwriteView& OverwriteWindow() override { return overwrite_; }
    void WriteSettings() override;
    bool RefinerOpen() const override { return false; }
    void CloseRefiner() override {}
    void AutoClose() override {}
    void ChooseDownloadFolder() override {}
    void ShowNamingMenu() override {}

    // The page parse.
    int ScanModes() override { return scanModes_; }
    bool ShowSource(const std::string&, std::string&, long&) override { return true; }
    void ListVisible(bool) override {}
    void StatusReady() override {}

    void Page(const std::string& page) { page_ = page; }
    void Base(const std::string& base) { base_ = base; }
    const std::string& Base() const { return base_; }
    void ScanModes(int modes) { scanModes_ = modes; }

    // Reads the pad of --pad (when there is one); false with the reason.
    bool LoadPad(std::string& error);
    // Refines the list with that pad and says how many links are left.
    void ApplyPad();

    // One line of output on standard output, the progress line cleared first.
    void Print(const std::string& line);
    // Runs the download over the list; the exit status (0 all well, 1 some link failed).
    int Run();

  private:
    void DrawProgress(const std::string& text);
    void ClearProgress();
    // Keeps how a link ended for the summary and the failed list.
    void Record(const LinkOutcome& outcome);
    void PrintSummary();
    // False (said on standard error) when the file cannot be written.
    bool WriteFailedList();

    Settings& settings_;
    const DownloadOptions& options_;
    LinkList list_;
    LinkOutcomes outcomes_{list_};
    RunProgress progress_;
    std::vector<std::pair<long, std::string>> failed_;  // row and resolved address
    ctlStatusBar bar_;
    RvNetGet net_;
    int state_ = 0;
    TerminalLines lines_;
    ConsoleOverwriteView overwrite_;
    PadRun pad_;
    bool havePad_ = false;
    std::string page_, base_;
    std::string status_;
    int scanModes_ = 1;
    long row_ = -1;
    bool terminal_ = false;
    bool progressShown_ = false;
    int lastPercent_ = -1;
    unsigned progressTicks_ = 0;
};

}  // namespace ravlet::cli
