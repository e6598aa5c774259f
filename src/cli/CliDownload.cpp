#include "cli/CliDownload.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <iostream>
#include <utility>
#include <vector>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "cli/DownloadOptions.h"
#include "main/DownloadRun.h"
#include "main/MainControls.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"
#include "platform/AtomicWriteFile.h"
#include "platform/Clock.h"
#include "platform/ConsoleUi.h"
#include "platform/PolledTimers.h"

namespace ravlet::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int) {
    interrupted = 1;
}

// The console's user interface, which also turns an interrupt (Ctrl-C, or a SIGTERM or
// SIGHUP) into a stop of the run: the transfer is aborted and its part file removed, or
// kept with its record for the next run to continue (netResume). Serving events fires the
// timers, which move the other transfers while a question waits for its answer.
class InterruptibleUi : public ConsoleUi {
  public:
    explicit InterruptibleUi(DownloadRun& run) : run_(run) {}
    void ServeEvents() override {
        if (interrupted && run_.Running()) {
            interrupted = 0;
            run_.Stop();
        }
        timers_.FireDue();
    }

  private:
    DownloadRun& run_;
    PolledTimers timers_;
};

// Installs the handler for the run's length and restores the old ones. A second signal
// of a kind ends the process as it would without the run.
class InterruptGuard {
  public:
    InterruptGuard() {
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART | SA_RESETHAND;
        for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &action, &old_[i]);
    }
    ~InterruptGuard() {
        for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &old_[i], nullptr);
    }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

  private:
    static constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};
    std::array<struct sigaction, 3> old_{};
};

class UiGuard {
  public:
    explicit UiGuard(UserInterface& ui) { SetUi(&ui); }
    ~UiGuard() { SetUi(nullptr); }
    UiGuard(const UiGuard&) = delete;
    UiGuard& operator=(const UiGuard&) = delete;
};

std::string VerdictText(const LinkOutcome& o) {
    switch (o.verdict) {
        case LinkVerdict::WouldDownload:
            return "download";
        case LinkVerdict::WouldAsk:
            return "ask (the file exists)";
        case LinkVerdict::Skipped:
            return o.reason.empty() ? "skip (the file exists)" : "skip (" + o.reason + ")";
        case LinkVerdict::Failed:
            return "error (" + o.reason + ")";
        case LinkVerdict::Downloaded:
            return "downloaded";
    }
    return std::string();
}

}  // namespace

CliDownloadHost::CliDownloadHost(Settings& settings, const DownloadOptions& options)
    : settings_(settings),
      options_(options),
      // The question gives up when the run is asked to stop meanwhile (an interrupt).
      lines_(STDIN_FILENO, [this] { return state_ == State_StopRequested; }),
      overwrite_([this](std::string& line) { return lines_.Read(line); }, std::cerr,
                 isatty(STDIN_FILENO) && isatty(STDERR_FILENO)),
      terminal_(isatty(STDERR_FILENO) != 0) {}

CliDownloadHost::~CliDownloadHost() {
    ClearProgress();
}

void CliDownloadHost::CurrentRow(long row) {
    list_.Current(row);
    row_ = row;
    lastPercent_ = -1;
}

std::string CliDownloadHost::BaseSafe(const std::string& entry) const {
    const std::string base = UrlHasScheme(base_) ? base_ : UrlBase(page_);
    return UrlResolve(base, entry);
}

void CliDownloadHost::WriteSettings() {
    if (!options_.saveSettings) return;
    std::string error;
    const std::string target =
        options_.settingsFile.empty() ? settings_.settingsFile : options_.settingsFile;
    if (!SettingsWriteFile(settings_, target, &error))
        Print("Warning: settings not written: " + error);
}

void CliDownloadHost::Status(const std::string& text) {
    status_ = text;
    if (!terminal_ || row_ < 0) return;
    // A transfer reports every chunk; the line is redrawn when its percent moves, and now
    // and then for bodies of unknown length.
    if (text.rfind("reading url: ", 0) == 0) {
        const int percent = net_.StatusPer();
        if (percent == lastPercent_ && (++progressTicks_ & 255u) != 0) return;
        lastPercent_ = percent;
        DrawProgress(text.substr(13));
    } else if (text.find(" -> ") != std::string::npos) {
        DrawProgress(FileNameOfPath(text));
    }
}

void CliDownloadHost::DrawProgress(const std::string& text) {
    // The run's totals first: a long line is cut at its end.
    std::string line = "[" + std::to_string(row_ + 1) + "/" + std::to_string(list_.Count()) + "] " +
                       progress_.Totals(NowMs()) + " | " +
                       FileNameOfPath(UrlStripFragment(list_.At(row_))) + "  " + text;
    if (line.size() > 110) line = line.substr(0, 107) + "...";
    std::cerr << "\r\033[K" << EscapeControls(line) << std::flush;
    progressShown_ = true;
}

void CliDownloadHost::ClearProgress() {
    if (!progressShown_) return;
    std::cerr << "\r\033[K" << std::flush;
    progressShown_ = false;
}

bool CliDownloadHost::LoadPad(std::string& error) {
    if (options_.pad.empty()) return true;
    if (!pad_.Load(options_.pad, &error)) {
        error = "cannot use the pad " + options_.pad + ": " + error;
        return false;
    }
    havePad_ = true;
    return true;
}

void CliDownloadHost::ApplyPad() {
    if (!havePad_) return;
    std::vector<std::string> rows = list_.Items();
    const std::size_t before = rows.size();
    pad_.Apply(rows);
    list_.Assign(std::move(rows));
    Print("Refined by " + options_.pad + ": " + std::to_string(list_.Count()) + " of " +
          std::to_string(before) + " Links");
}

void CliDownloadHost::Print(const std::string& line) {
    ClearProgress();
    // Names and addresses come from servers: none may drive the terminal.
    std::cout << EscapeControls(line) << '\n';
}

void CliDownloadHost::Record(const LinkOutcome& o) {
    progress_.Finished(o.row, o.bytes);
    if (o.verdict == LinkVerdict::Failed) failed_.emplace_back(o.row, o.address);
    RowOutcome row;
    if (RowOutcomeOf(o, row)) outcomes_.Set(static_cast<std::size_t>(o.row - 1), std::move(row));
}

void CliDownloadHost::PrintSummary() {
    std::size_t counts[5] = {};
    for (std::size_t i = 0; i < list_.Count(); ++i)
        if (const RowOutcome* o = outcomes_.Of(i)) ++counts[static_cast<int>(o->state)];
    const std::size_t reached = counts[2] + counts[3] + counts[4];
    Print("Summary: " + std::to_string(counts[2]) + " done, " + std::to_string(counts[3]) +
          " skipped, " + std::to_string(counts[4]) + " failed, " +
          std::to_string(list_.Count() - reached) + " not reached");
    const char* unreached = options_.dryRun ? "not downloaded (dry run)" : "not reached";
    for (std::size_t i = 0; i < list_.Count(); ++i) {
        const RowOutcome* o = outcomes_.Of(i);
        std::string line = list_.At(i) + ": " + (o ? StatusText(*o) : unreached);
        if (o && o->state == RowState::Done) line += " -> " + o->target + " (" + SizeText(*o) + ")";
        Print(line);
    }
}

bool CliDownloadHost::WriteFailedList() {
    // In list order, whatever order the links ended in.
    std::sort(failed_.begin(), failed_.end());
    std::string text;
    for (const auto& [row, address] : failed_) text += address + "\n";
    std::string error;
    if (AtomicWriteFile(options_.failedList, text, &error)) return true;
    ClearProgress();
    std::cerr << "ravlet-cli: cannot write the failed list " << options_.failedList << ": " << error
              << "\n";
    return false;
}

int CliDownloadHost::Run() {
    DownloadRun run(*this, settings_);
    run.DryRun(options_.dryRun);
    progress_.Start(list_.Count(), NowMs());
    run.OnLinkProgress = [this](long row, std::int64_t bytes, std::int64_t total) {
        progress_.Transfer(row, bytes, total);
    };
    InterruptibleUi ui(run);
    UiGuard uiGuard(ui);
    InterruptGuard interruptGuard;
    if (options_.dryRun) {
        SetLogHandler([](const std::string&, bool) {});
        run.OnLinkDone = [&](const LinkOutcome& o) {
            Record(o);
            Print(o.address + " -> " + (o.path.empty() ? "(no target)" : o.path) + ": " +
                  VerdictText(o));
        };
    } else {
        SetLogHandler([&](const std::string& text, bool) { Print(text); });
        run.OnLinkDone = [&](const LinkOutcome& o) {
            Record(o);
            if (o.verdict == LinkVerdict::Downloaded)
                Print("downloaded: " + o.path + " (" + std::to_string(o.bytes) +
                      " bytes) - Url: " + o.address);
            else if (o.verdict == LinkVerdict::Skipped && o.reason.empty())
                Print("skipping: file exists - File: " + o.path + " - Url: " + o.address);
        };
    }
    run.doSuck();
    SetLogHandler({});
    Print(status_);
    if (options_.summary) PrintSummary();
    std::cout << std::flush;
    if (!options_.failedList.empty() && !WriteFailedList()) return 2;
    return run.Errors() == 0 && !run.Stopped() ? 0 : 1;
}

}  // namespace ravlet::cli
