// ravlet-cli links: the links of a page, in the order and form the link list would hold them.
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Settings.h"
#include "cli/CliCommand.h"
#include "links/ConsoleParseTarget.h"
#include "links/LinkList.h"
#include "links/LinkScanner.h"
#include "links/ParsePage.h"
#include "net/CookieFile.h"
#include "net/RvNetGet.h"
#include "net/ravlet_url.h"
#include "platform/LargeBuffer.h"
#include "platform/MappedFile.h"

namespace ravlet::cli {

namespace {

const char kHelp[] =
    "usage: ravlet-cli links [--links] [--images] [--wild] [--plain] [--mode N] ADDRESS|FILE|-\n"
    "\n"
    "Fetches a page as ravlet's get task does (an http://, https:// or file:// address, with\n"
    "the settings' user agent, proxy and time-out) or reads it (a local file, or - for standard\n"
    "input), prepares it as ravlet's page parse does (line breaks, tabs, double blanks, blanks\n"
    "around \"=\", \"hxxp://\"), scans it and prints the link list it would fill: one entry a\n"
    "line, trimmed, each one once (letter case ignored), in the scanner's order.\n"
    "\n"
    "scan modes (any number of them; without any, the scan keys of the settings):\n"
    "  --links    references: a href, link href, frame src, map href, form action\n"
    "  --images   images: img src and lowsrc, body, table, tr and td background\n"
    "  --wild     the src and value attributes of any tag\n"
    "  --plain    plain-text addresses: http://, https://, ftp://\n"
    "  --mode N   the modes as a number: 1 links, 2 images, 4 wild, 8 plain (1 to 15)\n"
    "  --help     this text\n"
    "\n"
    "Exit status 0 when the page was read (also when it has no links), 1 when it could not\n"
    "be fetched or read or answered with a status other than 200 (with the error text), 2 for\n"
    "a wrong command line.\n";

int Usage(const std::string& problem) {
    return UsageError("links", problem, kHelp);
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// A file of known size is read straight into a text of that size; what a growing file adds
// (and standard input) comes in blocks.
bool ReadAll(std::FILE* f, std::string& text) {
    struct stat st {};
    if (fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
        ResizeLarge(text, static_cast<std::size_t>(st.st_size));
        text.resize(std::fread(text.data(), 1, text.size(), f));
    }
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    return std::ferror(f) == 0;
}

// The page as the get task fetches it: the settings' user agent, proxy and time-out, the same
// request headers, the body read as text without a limit.
bool FetchPage(const Settings& s, const std::string& address, std::string& text,
               std::string& error) {
    RvNetGet net;
    UseCookies(net, s.netCookies, "");
    net.NetInit(s.user_agent, s.netProxyUse, s.netProxy);
    net.Timeout(s.nettimeout);
    bool ok = false;
    net.NetUrlOpen(address, "User-Agent: " + s.user_agent + "\r\naccept: */html\r\n", ok);
    // An error page's links are not the page's: a status other than 200 is a failure.
    const std::string code = ok ? net.NetUrlHeader(2) : std::string();
    if (ok && code != "200" && code != "0") {
        error = "the page answered with HTTP status " + code + ": " + EscapeControls(address);
        net.NetUrlClose();
        net.NetClose();
        return false;
    }
    if (ok) net.NetUrlRead(false, -1, ok);
    if (!ok) error = "Error: " + net.NetError();
    text = net.TakeDataText();
    net.NetUrlClose();
    net.NetClose();
    return ok;
}

// An address the get task would fetch, not a file name.
bool IsAddress(const std::string& source) {
    return IStartsWith(source, "http://") || IStartsWith(source, "https://") || UrlIsFile(source);
}

// The page text of the argument; false with the reason when it cannot be read.
bool ReadPage(const Settings& s, const std::string& source, std::string& text, std::string& error) {
    if (source == "-") {
        if (ReadAll(stdin, text)) return true;
        error = "cannot read standard input: " + std::string(std::strerror(errno));
        return false;
    }
    if (IsAddress(source)) return FetchPage(s, source, text, error);
    const std::string& path = source;
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file || !ReadAll(file.get(), text)) {
        error =
            "cannot read " + path + ": " + std::string(errno ? std::strerror(errno) : "read error");
        return false;
    }
    return true;
}

int ModesOfSettings(const Settings& s) {
    const int modes = (s.scanlink ? ScanHref : 0) | (s.scanimg ? ScanImages : 0) |
                      (s.scanwildsrc ? ScanWildSrc : 0) | (s.scantxthttp ? ScanPlainHttp : 0);
    // At least one mode is always on.
    return modes == 0 ? ScanHref : modes;
}

int Run(const std::vector<std::string>& args) {
    int modes = 0;
    std::string source;
    bool haveSource = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << kHelp;
            return 0;
        } else if (a == "--links") {
            modes |= ScanHref;
        } else if (a == "--images") {
            modes |= ScanImages;
        } else if (a == "--wild") {
            modes |= ScanWildSrc;
        } else if (a == "--plain") {
            modes |= ScanPlainHttp;
        } else if (a == "--mode" || a.rfind("--mode=", 0) == 0) {
            std::string value;
            if (a == "--mode") {
                if (i + 1 >= args.size()) return Usage("--mode needs a value");
                value = args[++i];
            } else {
                value = a.substr(7);
            }
            long long n = 0;
            if (!StrictNumber(value, n) || n < 1 || n > 15)
                return Usage("--mode wants a number from 1 to 15: " + value);
            modes |= static_cast<int>(n);
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return Usage("unknown option '" + a + "'");
        } else if (haveSource) {
            return Usage("one page at a time: '" + a + "'");
        } else {
            source = a;
            haveSource = true;
        }
    }
    if (!haveSource) return Usage("which page?");
    Settings& settings = AppSettings();
    SettingsLoad(settings);
    if (modes == 0) modes = ModesOfSettings(settings);

    std::string page, error;
    MappedFile mapped;
    const bool local = source != "-" && !IsAddress(source) && mapped.Open(source);
    if (local) {
        // A local file is prepared and scanned from the file cache a segment at a time, in
        // one block used again: a large page never takes fresh memory of its own size.
        AdviseLargeHeap(std::size_t{16} << 20);
    } else if (!ReadPage(settings, source, page, error)) {
        std::cerr << "ravlet-cli links: " << error << "\n";
        return 1;
    }
    ConsoleParseTarget target(modes);
    const bool any = local ? ParseSegmentedPage(target, mapped.Text(), false)
                           : ParsePage(target, std::move(page), false);
    if (!any) std::cerr << "ravlet-cli links: no links/references on page were found.\n";
    std::string out;
    for (const std::string& link : target.Links().Items()) {
        out += EscapeControls(link);
        out += '\n';
    }
    std::cout << out << std::flush;
    return std::cout ? 0 : 1;
}

const bool registered = RegisterCommand(
    {"links", "links [--links] [--images] [--wild] [--plain] [--mode N] ADDRESS|FILE|-",
     "print the links of a page as ravlet's link list would hold them", 10, &Run});

}  // namespace

}  // namespace ravlet::cli
