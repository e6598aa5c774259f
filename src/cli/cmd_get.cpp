// ravlet-cli get: the main job without windows. The page is fetched and scanned, and every
// link it holds is downloaded as ravlet's run would.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "app/Settings.h"
#include "cli/CliCommand.h"
#include "cli/CliDownload.h"
#include "cli/DownloadOptions.h"
#include "links/LinkScanner.h"
#include "links/ParsePage.h"
#include "net/CookieFile.h"
#include "net/RvUrl.h"
#include "net/ravlet_url.h"
#include "platform/UserInterface.h"

namespace ravlet::cli {

namespace {

const char kUsage[] = "get [OPTIONS] ADDRESS";

int Usage(const std::string& problem) {
    return UsageError(
        "get", problem,
        std::string("usage: ravlet-cli ") + kUsage + "\n(ravlet-cli get --help for the options)\n");
}

void Help() {
    std::cout
        << "usage: ravlet-cli " << kUsage
        << "\n\n"
           "Fetches the page at ADDRESS (http://, https://, ftp://, file://, or a local file),\n"
           "scans it for links, sets the base address (--base, or from the page when the\n"
           "settings' Auto_BuildBase asks for it) and downloads every link in list order into\n"
           "the download folder, with the naming, existing-file and limit rules of the\n"
           "settings and the options below. An address without a scheme that names no local\n"
           "file gets \"http://\". Every skip and failure is printed as ravlet's log writes it,\n"
           "then \"download finished. \" and the number of errors. On a terminal a progress line\n"
           "is kept on standard error; Ctrl-C stops the run and removes the part of the file\n"
           "being read.\n\n"
           "scan modes (without any, the scan keys of the settings):\n"
           "  --links             references: a href, link href, frame src, area, form action\n"
           "  --images            images: img src and lowsrc, backgrounds\n"
           "  --wild              the src and value attributes of any tag\n"
           "  --plain             plain-text addresses\n"
        << kDownloadOptionsHelp
        << "\nExit status 0 when no link failed, 1 when some failed, 2 for a wrong command line\n"
           "or a page that could not be fetched. Settings files are changed only with\n"
           "--save-settings.\n";
}

int ModesOfSettings(const Settings& s) {
    const int modes = (s.scanlink ? ScanHref : 0) | (s.scanimg ? ScanImages : 0) |
                      (s.scanwildsrc ? ScanWildSrc : 0) | (s.scantxthttp ? ScanPlainHttp : 0);
    return modes == 0 ? ScanHref : modes;
}

// The address typed: a local file becomes its file:// address, a missing scheme "http://".
std::string PageAddress(const std::string& typed) {
    if (UrlHasScheme(typed)) return typed;
    std::error_code ec;
    if (std::filesystem::is_regular_file(typed, ec)) {
        const std::string path = std::filesystem::absolute(typed, ec).string();
        if (!ec) return "file://" + path;
    }
    return "http://" + typed;
}

// The page's text; false (said on standard error) when it cannot be had.
bool FetchPage(RvNetGet& net, const Settings& s, const std::string& address, std::string& text) {
    UseCookies(net, s.netCookies, "");
    net.NetInit(s.user_agent, s.netProxyUse, s.netProxy);
    net.Timeout(s.nettimeout);
    bool ok = false;
    net.NetUrlOpen(address, "User-Agent: " + s.user_agent + "\r\naccept: */html\r\n", ok);
    if (!ok) {
        std::cerr << "ravlet-cli get: Error: " << net.NetError() << "\n";
        net.NetUrlClose();
        return false;
    }
    const std::string code = net.NetUrlHeader(2);
    if (code != "200" && code != "0") {
        std::cerr << "ravlet-cli get: the page answered with HTTP status " << code << ": "
                  << EscapeControls(address) << "\n";
        net.NetUrlClose();
        return false;
    }
    const std::string type = net.NetUrlHeader(3);
    if (!IEquals(type, "text/html") && !UrlIsFile(address) &&
        MsgBox("This file does not seem to be HTML!\r\n\r\nDo you want to continue ?\r\n\r\n"
               "File info:\r\nMimetype:" +
                   type + "\r\nSize:" + net.NetUrlHeader(4),
               MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes) {
        net.NetUrlClose();
        return false;
    }
    net.NetUrlRead(false, -1, ok);
    net.NetUrlClose();
    if (!ok) {
        std::cerr << "ravlet-cli get: Error: " << net.NetError() << "\n";
        return false;
    }
    text = net.TakeDataText();
    return true;
}

int Run(const std::vector<std::string>& args) {
    DownloadOptions options;
    std::string typed, error;
    const int status = StartDownloadCommand(args, options, typed, "page", &Help, &Usage);
    if (status >= 0) return status;
    typed = Trim(typed);
    Settings& settings = AppSettings();

    CliDownloadHost host(settings, options);
    if (!host.LoadPad(error)) {
        std::cerr << "ravlet-cli get: " << error << "\n";
        return 2;
    }
    const std::string address = UrlCanonicalize(PageAddress(typed));
    host.Page(address);
    std::string page;
    if (!FetchPage(host.Net(), settings, address, page)) return 2;
    host.ScanModes(options.scanModes ? options.scanModes : ModesOfSettings(settings));
    ParsePage(host, std::move(page), false);
    host.ApplyPad();

    if (options.haveBase) {
        host.Base(options.base);
    } else if (settings.Auto_BuildBase == 2 ||
               (settings.Auto_BuildBase == 1 && Trim(host.Base()).empty())) {
        RvUrl url;
        url.url(address);
        host.Base(url.Base());
    }
    host.Print("Ready (" + std::to_string(host.Links().Count()) + " Links)");
    if (host.Links().Empty()) return 0;
    return host.Run();
}

const bool registered = RegisterCommand(
    {"get", kUsage,
     "fetch a page, scan it for links and download them all, as ravlet's main job does", 20, &Run});

}  // namespace

}  // namespace ravlet::cli
