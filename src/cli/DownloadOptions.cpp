#include "cli/DownloadOptions.h"
#include "cli/UnitValue.h"

#include <filesystem>
#include <system_error>

#include "app/Settings.h"
#include "links/LinkScanner.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"

namespace ravlet::cli {

const char kDownloadOptionsHelp[] =
    "storing:\n"
    "  -o, --dir DIR       download folder (savedir)\n"
    "  --naming N          file names: 0 the whole address, 1 the file name only,\n"
    "                      2 server folder + file name, 3 the address's folders rebuilt,\n"
    "                      4 numbered (0001_name) (filenaming)\n"
    "  --exists RULE       when a file exists: ask (on the terminal; skipped without one),\n"
    "                      overwrite, skip, smaller (replace it when the new one is bigger)\n"
    "                      (fileexistsdo); a replaced file stays until the new one is whole\n"
    "choosing:\n"
    "  --min-size SIZE     skip links announced smaller (\"10k\", \"1.5m\", \"1g\", bytes\n"
    "                      otherwise);\n"
    "  --max-size SIZE     skip links announced bigger; with either, links without a length\n"
    "                      are skipped unless netsizenull=1 (netsizeforce, netsizemin/max)\n"
    "  --types LIST        take only content types beginning with one of the \";\"-separated\n"
    "                      items, e.g. \"image/;application/zip\" (netsizemimetype)\n"
    "  --skip-html         skip text/html answers (netdownloadignoretext)\n"
    "network:\n"
    "  --timeout TIME      connect and wait time-out (\"30s\", \"2m\", \"1h\", milliseconds\n"
    "                      otherwise)\n"
    "  --proxy HOST:PORT   use this proxy (netProxyUse=1, netProxy)\n"
    "  --user-agent TEXT   the User-Agent sent\n"
    "  --tries N           try each link N times in all (N >= 1) when it times out, breaks\n"
    "                      off or answers 5xx, 408 or 429, waiting 1 s, 2 s, 4 s ... (at\n"
    "                      most 30 s; a Retry-After up to 60 s) (netRetries = N - 1)\n"
    "  --continue          continue a download an earlier run left unfinished, from its\n"
    "                      NAME.part and record, when the server still has the same file\n"
    "                      (the default; netResume=1)\n"
    "  --no-continue       start every download anew; an unfinished one leaves nothing\n"
    "                      (netResume=0)\n"
    "  --cookies FILE      send the cookies of FILE (cookies.txt as browsers export it)\n"
    "                      with every request (netCookies); never written to\n"
    "  --save-cookies FILE write the session's cookies to FILE at the end\n"
    "  -j, --parallel N    up to N transfers at once, on the one thread (netParallel; 1)\n"
    "  --parallel-host N   at most N of them to one host (netParallelHost; 0: as many)\n"
    "  --wait TIME         wait between two requests to one host (\"500ms\", \"2s\";\n"
    "                      milliseconds otherwise) (netWait)\n"
    "  --limit-rate SIZE   bytes per second for the whole run (\"500k\", \"2m\")\n"
    "                      (netLimitRate; 0: no limit)\n"
    "  --base ADDRESS      resolve relative links against ADDRESS\n"
    "  --pad FILE          refine the list with the checked filters of the filter pad\n"
    "                      FILE (as \"ravlet-cli filter\" does) before downloading\n"
    "settings:\n"
    "  --settings FILE     start from FILE instead of the program folder's ravlet.ini\n"
    "  --set KEY=VALUE     set any settings key for this run (repeatable)\n"
    "  --save-settings     write the settings of this run back to the settings file\n"
    "  --dry-run           open each link for its head only and print the address, the\n"
    "                      target and what would happen; nothing is written\n"
    "report:\n"
    "  --summary           print each link's outcome at the end: done (the file and its\n"
    "                      size), skipped or failed (why), or not reached\n"
    "  --failed-list FILE  write the addresses that failed to FILE, one a line, ready for\n"
    "                      \"ravlet-cli download FILE\"\n";

namespace {

const char* const kValued[] = {"-o",         "--dir",      "--naming",  "--exists", "--min-size",
                               "--max-size", "--types",    "--timeout", "--proxy",  "--user-agent",
                               "--base",     "--settings", "--set",     "--pad"};
// Retries, resume and cookies.
const char* const kValuedTries[] = {"--tries", "--cookies", "--save-cookies"};
// Transfers side by side and their manners.
const char* const kValuedParallel[] = {"-j", "--parallel", "--parallel-host", "--wait",
                                       "--limit-rate"};
// The end-of-run report.
const char* const kValuedReport[] = {"--failed-list"};

// The option's name and value ("--dir X" or "--dir=X"); false when it takes no value.
bool SplitValued(const std::vector<std::string>& args, std::size_t& i, std::string& name,
                 std::string& value, std::string& error) {
    const std::string& a = args[i];
    const std::size_t eq = a.find('=');
    name = a.substr(0, eq);
    bool valued = false;
    for (const char* v : kValued) valued = valued || name == v;
    for (const char* v : kValuedTries) valued = valued || name == v;
    for (const char* v : kValuedParallel) valued = valued || name == v;
    for (const char* v : kValuedReport) valued = valued || name == v;
    if (!valued) return false;
    if (eq != std::string::npos) {
        value = a.substr(eq + 1);
    } else if (i + 1 < args.size()) {
        value = args[++i];
    } else {
        error = name + " needs a value";
    }
    return true;
}

OptionResult Bad(std::string& error, const std::string& reason) {
    error = reason;
    return OptionResult::Bad;
}

OptionResult Valued(const std::string& name, const std::string& v, DownloadOptions& o,
                    std::string& error) {
    if (name == "-o" || name == "--dir") {
        if (v.empty()) return Bad(error, "the download folder is empty");
        std::error_code ec;
        const std::string folder = std::filesystem::absolute(v, ec).string();
        o.lines.push_back("savedir=" + AddBackslash(ec ? v : folder));
    } else if (name == "--naming") {
        long long n = 0;
        if (!StrictNumber(v, n) || n < 0 || n > 4)
            return Bad(error, "--naming wants 0, 1, 2, 3 or 4: " + v);
        o.lines.push_back("filenaming=" + std::to_string(n));
    } else if (name == "--exists") {
        static const char* const kRules[] = {"ask", "overwrite", "skip", "smaller"};
        int rule = -1;
        for (int r = 0; r < 4; ++r)
            if (v == kRules[r]) rule = r;
        if (rule < 0) return Bad(error, "--exists wants ask, overwrite, skip or smaller: " + v);
        o.lines.push_back("fileexistsdo=" + std::to_string(rule));
    } else if (name == "--min-size" || name == "--max-size") {
        long long n = 0;
        if (!ReadUnitValue(v, false, n, error)) return OptionResult::Bad;
        o.lines.push_back("netsizeforce=1");
        o.lines.push_back((name == "--min-size" ? "netsizemin=" : "netsizemax=") +
                          std::to_string(n));
    } else if (name == "--types") {
        o.lines.push_back("netmimetypeforce=1");
        o.lines.push_back("netsizemimetype=" + v);
    } else if (name == "--timeout") {
        long long n = 0;
        if (!ReadUnitValue(v, true, n, error)) return OptionResult::Bad;
        if (n < 1) return Bad(error, "a time-out of at least 1 ms: " + v);
        o.lines.push_back("nettimeout=" + std::to_string(n));
    } else if (name == "-j" || name == "--parallel" || name == "--parallel-host") {
        long long n = 0;
        const bool host = name == "--parallel-host";
        if (!StrictNumber(v, n) || n < (host ? 0 : 1) || n > 64)
            return Bad(error, name + (host ? " wants 0 to 64: " : " wants 1 to 64: ") + v);
        o.lines.push_back((host ? "netParallelHost=" : "netParallel=") + std::to_string(n));
    } else if (name == "--wait") {
        long long n = 0;
        if (!ReadUnitValue(v, true, n, error)) return OptionResult::Bad;
        if (n < 0 || n > 24LL * 3600 * 1000) return Bad(error, "--wait wants 0 to 24 hours: " + v);
        o.lines.push_back("netWait=" + std::to_string(n));
    } else if (name == "--limit-rate") {
        long long n = 0;
        if (!ReadUnitValue(v, false, n, error)) return OptionResult::Bad;
        if (n < 0) return Bad(error, "--limit-rate wants 0 or more bytes per second: " + v);
        o.lines.push_back("netLimitRate=" + std::to_string(n));
    } else if (name == "--proxy") {
        o.lines.push_back("netProxyUse=1");
        o.lines.push_back("netProxy=" + v);
    } else if (name == "--user-agent") {
        o.lines.push_back("user-agent=" + v);
    } else if (name == "--tries") {
        long long n = 0;
        if (!StrictNumber(v, n) || n < 1 || n > 101)
            return Bad(error, "--tries wants a number of tries from 1 to 101: " + v);
        o.lines.push_back("netRetries=" + std::to_string(n - 1));
    } else if (name == "--cookies") {
        if (v.empty()) return Bad(error, "--cookies needs a file");
        o.lines.push_back("netCookies=" + v);
    } else if (name == "--save-cookies") {
        if (v.empty()) return Bad(error, "--save-cookies needs a file");
        o.saveCookies = v;
    } else if (name == "--base") {
        o.haveBase = true;
        o.base = v;
    } else if (name == "--pad") {
        if (v.empty()) return Bad(error, "--pad needs a file");
        o.pad = v;
    } else if (name == "--settings") {
        o.settingsFile = v;
    } else if (name == "--failed-list") {
        if (v.empty()) return Bad(error, "the failed list's file name is empty");
        o.failedList = v;
    } else if (name == "--set") {
        if (v.find('=') == std::string::npos) return Bad(error, "--set wants KEY=VALUE: " + v);
        o.sets.push_back(v);
    }
    return OptionResult::Taken;
}

}  // namespace

OptionResult ReadDownloadOption(const std::vector<std::string>& args, std::size_t& i,
                                DownloadOptions& o, std::string& error) {
    const std::string& a = args[i];
    std::string name, value;
    // "-j8" as well as "-j 8".
    if (a.size() > 2 && a.compare(0, 2, "-j") == 0 && a[2] != '=')
        return Valued("-j", a.substr(2), o, error);
    if (SplitValued(args, i, name, value, error))
        return error.empty() ? Valued(name, value, o, error) : OptionResult::Bad;
    if (a == "--dry-run") {
        o.dryRun = true;
    } else if (a == "--summary") {
        o.summary = true;
    } else if (a == "--save-settings") {
        o.saveSettings = true;
    } else if (a == "--continue" || a == "--no-continue") {
        o.lines.push_back(a == "--continue" ? "netResume=1" : "netResume=0");
    } else if (a == "--skip-html") {
        o.lines.push_back("netdownloadignoretext=1");
    } else if (a == "--links") {
        o.scanModes |= ScanHref;
    } else if (a == "--images") {
        o.scanModes |= ScanImages;
    } else if (a == "--wild") {
        o.scanModes |= ScanWildSrc;
    } else if (a == "--plain") {
        o.scanModes |= ScanPlainHttp;
    } else {
        return OptionResult::NotMine;
    }
    return OptionResult::Taken;
}

CommandLine ReadCommandLine(const std::vector<std::string>& args, DownloadOptions& options,
                            std::string& operand, const std::string& what, std::string& error) {
    bool haveOperand = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") return CommandLine::Help;
        switch (ReadDownloadOption(args, i, options, error)) {
            case OptionResult::Taken:
                continue;
            case OptionResult::Bad:
                return CommandLine::Bad;
            case OptionResult::NotMine:
                break;
        }
        if (a.size() > 1 && a[0] == '-') {
            error = "unknown option '" + a + "'";
            return CommandLine::Bad;
        }
        if (haveOperand) {
            error = "one " + what + " at a time: '" + a + "'";
            return CommandLine::Bad;
        }
        operand = a;
        haveOperand = true;
    }
    if (!haveOperand || Trim(operand).empty()) {
        error = "which " + what + "?";
        return CommandLine::Bad;
    }
    return CommandLine::Run;
}

int StartDownloadCommand(const std::vector<std::string>& args, DownloadOptions& options,
                         std::string& operand, const std::string& what, void (*help)(),
                         int (*usage)(const std::string&)) {
    std::string error;
    switch (ReadCommandLine(args, options, operand, what, error)) {
        case CommandLine::Help:
            help();
            return 0;
        case CommandLine::Bad:
            return usage(error);
        case CommandLine::Run:
            break;
    }
    UrlSchemesInit();
    if (!LoadSettingsFor(options, AppSettings(), error)) return usage(error);
    return -1;
}

bool LoadSettingsFor(const DownloadOptions& o, Settings& s, std::string& error) {
    std::error_code ec;
    if (!o.settingsFile.empty() && !std::filesystem::exists(o.settingsFile, ec)) {
        error = "no such settings file: " + o.settingsFile;
        return false;
    }
    SettingsLoad(s, o.settingsFile);
    for (const std::vector<std::string>* lines : {&o.sets, &o.lines}) {
        for (const std::string& line : *lines) {
            if (!SettingsApplyLine(s, line)) {
                error = "cannot set '" + line + "': unknown key, or a value the key cannot take";
                return false;
            }
        }
    }
    // "--set savedir=" names no folder: the work folder, as an empty line of the file does.
    SettingsFinishSavedir(s);
    s.netCookiesSave = o.saveCookies;
    return true;
}

}  // namespace ravlet::cli
