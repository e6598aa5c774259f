// ravlet-cli info: the response head of one address, as ravlet's info window shows it.
#include <iostream>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "cli/CliCommand.h"
#include "net/ravlet_url.h"
#include "tools/UrlInfo.h"

namespace ravlet::cli {

namespace {

const char kHelp[] =
    "usage: ravlet-cli info [--referer R] [--base B] ADDRESS\n"
    "\n"
    "Requests ADDRESS as ravlet's info window does (\"Get &Info\") and prints its result: the\n"
    "status code, the response head and the request head that was sent. The body is never\n"
    "read. The request carries \"Referer: R\" when R is given and always \"accept: */*\", with\n"
    "the settings' user agent, proxy and time-out (nettimeout). An ADDRESS without a scheme\n"
    "is asked as B followed directly by ADDRESS.\n"
    "\n"
    "options:\n"
    "  --referer R   the referrer to send\n"
    "  --base B      the base of an address without a scheme\n"
    "  --help        this text\n"
    "\n"
    "Exit status 0 when the server answered (whatever its status code), 1 when the request\n"
    "failed (the result then reads \"Error: \" and the reason, and \" Url: \" and the\n"
    "address), 2 for a wrong command line.\n";

int Usage(const std::string& problem) {
    return UsageError("info", problem, kHelp);
}

int Run(const std::vector<std::string>& args) {
    std::string referrer, base, address;
    bool haveAddress = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << kHelp;
            return 0;
        } else if (a == "--referer" || a == "--referrer") {
            if (i + 1 >= args.size()) return Usage(a + " needs an address");
            referrer = args[++i];
        } else if (a == "--base") {
            if (i + 1 >= args.size()) return Usage("--base needs an address");
            base = args[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            return Usage("unknown option '" + a + "'");
        } else if (haveAddress) {
            return Usage("one address at a time: '" + a + "'");
        } else {
            address = a;
            haveAddress = true;
        }
    }
    if (!haveAddress || address.empty()) return Usage("which address?");
    Settings& settings = AppSettings();
    SettingsLoad(settings);
    UrlSchemesInit();
    ctlStatusBar status;
    std::string text;
    const bool ok = GetInfoText(address, referrer, base, settings, status, text);
    std::cout << ReplaceAll(text, "\r\n", "\n");
    if (!ok) std::cout << '\n';
    std::cout << std::flush;
    return ok && std::cout ? 0 : 1;
}

const bool registered = RegisterCommand(
    {"info", "info [--referer R] [--base B] ADDRESS",
     "print the response head of an address as ravlet's info window shows it", 100, &Run});

}  // namespace

}  // namespace ravlet::cli
