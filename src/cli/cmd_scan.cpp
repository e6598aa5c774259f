// ravlet-cli scan: the site scanner without its window. The site is walked from START and
// every address met is printed in the order the main list would hold it; --download then
// downloads that list as "ravlet-cli get" does.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "cli/CliCommand.h"
#include "cli/CliDownload.h"
#include "cli/DownloadOptions.h"
#include "links/LinkScanner.h"
#include "net/ListFiles.h"
#include "net/ravlet_url.h"
#include "platform/ConsoleUi.h"
#include "scanner/frmScanner.h"

namespace ravlet::cli {

namespace {

const char kUsage[] =
    "scan [--base B] [--depth N | --mode 0|1|2] [--take-list LISTFILE] "
    "[--collect-all|--no-collect-all] [--links --images --wild --plain] [--cache N] "
    "[--foreign-redirects] [--download [OPTIONS]] START";

int Usage(const std::string& problem) {
    return UsageError("scan", problem,
                      std::string("usage: ravlet-cli ") + kUsage +
                          "\n(ravlet-cli scan --help for the options)\n");
}

void Help() {
    std::cout
        << "usage: ravlet-cli " << kUsage
        << "\n\n"
           "Walks a web site from START as ravlet's site scanner does: every page under the\n"
           "base address is fetched, the text pages within the level limit are scanned for\n"
           "links, the links under the base are queued, and every address met is collected.\n"
           "The collected list is printed on standard output, one address a line, in the\n"
           "order ravlet's link list would hold it. The scanner's log lines go to standard\n"
           "error; on a terminal a progress line (to go, done, percent, address) is kept\n"
           "there too. Ctrl-C stops the scan after the current address, as the Stop button\n"
           "does, and what was collected is still printed.\n\n"
           "scanning (without them, the Scanner_ keys of the settings):\n"
           "  --base B            only addresses beginning with B (letter case ignored) are\n"
           "                      scanned; default the folder of START; \"\" lets every address\n"
           "                      pass, so the scan walks every host it meets\n"
           "  --mode 0|1|2        0 no level limit, 1 parse the start pages only, 2 parse to\n"
           "                      the depth of --depth (Scanner_LevelMode)\n"
           "  --depth N           parse pages up to N links from the start (mode 2)\n"
           "  --take-list FILE    scan the addresses of the list file FILE instead of START,\n"
           "                      which then serves as referrer; relative rows are put behind\n"
           "                      the base, or behind the folder of START (Scanner_ListTake)\n"
           "  --collect-all       also collect addresses outside the base (the default)\n"
           "  --no-collect-all    collect only addresses under the base\n"
           "  --cache N           the collected addresses remembered (Scanner_Cache)\n"
           "  --foreign-redirects also scan pages redirected outside the base\n"
           "  --links, --images, --wild, --plain\n"
           "                      scan modes (without any, the scan keys of the settings)\n"
           "  --download          download the collected list afterwards, with the options\n"
           "                      below\n"
        << kDownloadOptionsHelp
        << "\nExit status 0 when the scan finished (and, with --download, no link failed), 1\n"
           "when it was stopped (or a download failed), 2 for a wrong command line or start\n"
           "address.\n";
}

// The options of scan itself, turned into settings lines; the rest are get's.
struct ScanOptions {
    bool download = false;
    bool takeList = false;
    std::string listFile;
};

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnScanInterrupt(int) {
    interrupted = 1;
}

// The console's user interface; an interrupt (Ctrl-C) is the Stop button answered Yes.
class ScanUi : public ConsoleUi {
  public:
    explicit ScanUi(frmScanner& scanner) : scanner_(scanner) {}
    void ServeEvents() override {
        if (interrupted && scanner_.Scanning()) {
            interrupted = 0;
            scanner_.StopScan();
        }
    }

  private:
    frmScanner& scanner_;
};

// The main window of the command line: its list, State and address boxes.
class CliScanHost : public ScannerHost, public ScannerView {
  public:
    CliScanHost() : terminal_(isatty(STDERR_FILENO) != 0) {}
    ~CliScanHost() override { ClearProgress(); }
    LinkList& ListLinks() override { return list_; }
    int State() const override { return state_; }
    void State(int state) override { state_ = state; }
    void SetResetList() override {}
    std::string PageAddress() const override { return page; }
    std::string BaseAddress() const override { return base; }

    void Update(int parts) override {
        if (!terminal_ || !(parts & ScanView_Info) || !scanner) return;
        const std::size_t toDo = scanner->lstLnkDo.Count();
        const std::size_t done = scanner->lstLnkDone.Count();
        const std::string& caption = scanner->Caption();
        const std::string percent =
            caption.find('%') == std::string::npos ? "" : caption.substr(0, caption.find('%') + 1);
        const std::string& info = scanner->StatusInfoLbl();
        const std::string address = info.substr(info.find(" :") + 2);
        std::string line = std::to_string(toDo) + " to go, " + std::to_string(done) + " done" +
                           (percent.empty() ? "" : ", " + percent) + "  " + address;
        if (line.size() > 110) line = line.substr(0, 107) + "...";
        std::cerr << "\r\033[K" << line << std::flush;
        progressShown_ = true;
    }
    void ClearProgress() {
        if (!progressShown_) return;
        std::cerr << "\r\033[K" << std::flush;
        progressShown_ = false;
    }

    std::string page, base;
    const frmScanner* scanner = nullptr;

  private:
    LinkList list_;
    int state_ = 0;
    bool terminal_;
    bool progressShown_ = false;
};

// Takes scan's own options out of args into settings lines; false with the reason.
bool ReadScanOptions(std::vector<std::string>& args, ScanOptions& scan, DownloadOptions& o,
                     std::string& error) {
    std::vector<std::string> rest;
    bool haveMode = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string a = args[i];
        std::string value;
        bool hasValue = false;
        const std::size_t eq = a.find('=');
        if (a.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = a.substr(eq + 1);
            a = a.substr(0, eq);
            hasValue = true;
        }
        auto next = [&]() -> bool {
            if (hasValue) return true;
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };
        long long n = 0;
        if (a == "--download") {
            scan.download = true;
        } else if (a == "--collect-all" || a == "--no-collect-all") {
            o.lines.push_back(std::string("Scanner_LinkCollectAll=") +
                              (a == "--collect-all" ? "1" : "0"));
        } else if (a == "--foreign-redirects") {
            o.lines.push_back("Scanner_ForeignRedirectScan=1");
        } else if (a == "--mode") {
            if (!next()) return false;
            if (!StrictNumber(value, n) || n < 0 || n > 2) {
                error = "--mode wants 0, 1 or 2: " + value;
                return false;
            }
            if (haveMode) {
                error = "--mode and --depth exclude each other";
                return false;
            }
            haveMode = true;
            o.lines.push_back("Scanner_LevelMode=" + std::to_string(n));
        } else if (a == "--depth") {
            if (!next()) return false;
            if (!StrictNumber(value, n) || n < 0) {
                error = "--depth wants a whole number, 0 or more: " + value;
                return false;
            }
            if (haveMode) {
                error = "--mode and --depth exclude each other";
                return false;
            }
            haveMode = true;
            o.lines.push_back("Scanner_LevelMode=2");
            o.lines.push_back("Scanner_LevelDepth=" + std::to_string(n));
        } else if (a == "--cache") {
            if (!next()) return false;
            if (!StrictNumber(value, n) || n < 0) {
                error = "--cache wants a whole number, 0 or more: " + value;
                return false;
            }
            o.lines.push_back("Scanner_Cache=" + std::to_string(n));
        } else if (a == "--take-list") {
            if (!next()) return false;
            if (value.empty()) {
                error = "--take-list needs a list file";
                return false;
            }
            scan.takeList = true;
            scan.listFile = value;
        } else {
            rest.push_back(args[i]);
        }
    }
    o.lines.push_back(std::string("Scanner_ListTake=") + (scan.takeList ? "1" : "0"));
    args = std::move(rest);
    return true;
}

int Run(const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            Help();
            return 0;
        }
    ScanOptions scan;
    DownloadOptions options;
    std::string start, error;
    if (!ReadScanOptions(args, scan, options, error)) return Usage(error);
    const int status = StartDownloadCommand(args, options, start, "start address", &Help, &Usage);
    if (status >= 0) return status;
    Settings& settings = AppSettings();
    if (options.scanModes) {
        settings.scanlink = (options.scanModes & ScanHref) != 0;
        settings.scanimg = (options.scanModes & ScanImages) != 0;
        settings.scanwildsrc = (options.scanModes & ScanWildSrc) != 0;
        settings.scantxthttp = (options.scanModes & ScanPlainHttp) != 0;
    }

    CliScanHost host;
    host.page = start;
    host.base = options.haveBase ? options.base : UrlBase(Trim(start));
    if (scan.takeList) {
        std::vector<std::string> rows;
        if (!ListLoadFile(scan.listFile, rows)) {
            std::cerr << "ravlet-cli scan: cannot read the list file " << scan.listFile << "\n";
            return 2;
        }
        for (const std::string& row : rows) AddLinkUnique(host.ListLinks(), row);
    }

    frmScanner scanner(host);
    host.scanner = &scanner;
    scanner.SetView(&host);
    scanner.Form_Load();
    ScanUi ui(scanner);
    SetUi(&ui);
    interrupted = 0;
    void (*oldHandler)(int) = std::signal(SIGINT, OnScanInterrupt);
    SetLogHandler([&host](const std::string& text, bool) {
        host.ClearProgress();
        std::cerr << text << "\n";
    });
    const bool validStart = UrlHasScheme(Trim(start));
    scanner.zcAny_Click(0);
    SetLogHandler({});
    std::signal(SIGINT, oldHandler);
    SetUi(nullptr);
    host.ClearProgress();
    if (!validStart) return 2;

    for (const std::string& row : host.ListLinks().Items()) std::cout << row << '\n';
    std::cout << std::flush;
    std::cerr << scanner.StatusLbl.Caption() << "\n";
    if (scanner.Stopped()) return 1;
    if (!scan.download || host.ListLinks().Empty()) return 0;

    CliDownloadHost download(settings, options);
    if (!download.LoadPad(error)) {
        std::cerr << "ravlet-cli scan: " << error << "\n";
        return 2;
    }
    download.Page(Trim(start));
    download.Base(host.base);
    download.Links().Assign(host.ListLinks().Items());
    download.ApplyPad();
    download.Print("Ready (" + std::to_string(download.Links().Count()) + " Links)");
    if (download.Links().Empty()) return 0;
    return download.Run();
}

const bool registered = RegisterCommand(
    {"scan", kUsage,
     "walk a web site from a start address and print every address met, as ravlet's site "
     "scanner does; --download fetches them",
     25, &Run});

}  // namespace

}  // namespace ravlet::cli
