// ravlet-cli reroute: a list handed to a download manager, as the window's Re-Route menu does.
#include <iostream>
#include <string>
#include <vector>

#include "app/FileLines.h"
#include "app/Settings.h"
#include "cli/CliCommand.h"
#include "cli/ReadListInput.h"
#include "links/LinkList.h"
#include "net/ravlet_url.h"
#include "reroute/ReRoute.h"
#include "reroute/ReRouteTable.h"

namespace ravlet::cli {

namespace {

const char kUsage[] = "reroute [--to ID] [--base B] [--referer R] [LISTFILE|-] | reroute --list";

const char kHelp[] =
    "usage: ravlet-cli reroute [--to ID] [--base B] [--referer R] [LISTFILE|-]\n"
    "       ravlet-cli reroute --list\n"
    "\n"
    "Hands a list of addresses (one a line; - or no name reads standard input) to a download\n"
    "manager, as ravlet's Re-Route menu hands its link list: relative entries are resolved\n"
    "against the base (--base, else the folder of the referrer), and the referrer is the page\n"
    "the links came from. Managers that take one address at a time get them one by one;\n"
    "aria2 takes the whole list in one call.\n"
    "\n"
    "options:\n"
    "  --to ID       the manager (default: ReRouteDefaultId of the settings)\n"
    "  --base B      the base address of relative entries\n"
    "  --referer R   the referrer (the page address)\n"
    "  --list        the managers with their identifiers and whether they are available\n"
    "  --help        this text\n"
    "\n"
    "aria2 is reached at ReRouteAria2Rpc with the secret ReRouteAria2Secret of the settings;\n"
    "uGet through its program uget-gtk on the PATH.\n"
    "\n"
    "Exit status 0 when the list was handed over, 1 when the manager is not available or\n"
    "refused it, 2 for a wrong command line.\n";

int Usage(const std::string& problem) {
    return UsageError("reroute", problem,
                      std::string("usage: ravlet-cli ") + kUsage +
                          "\n(ravlet-cli reroute --help for the options)\n");
}

struct CliHost : ReRouteHost {
    std::vector<std::string> rows;
    std::string page, base;
    std::vector<std::string> Rows() const override { return rows; }
    std::string PageAddress() const override { return page; }
    std::string BaseText() const override { return base; }
};

int List() {
    const CliHost none;
    const int last = kReRouteCount + static_cast<int>(ReRouteLocalTable().size());
    for (int i = 0; i <= last; ++i) {
        const ReRouteEntry& e = ReRouteEntryAt(i);
        const bool available = ReRoute(none, e.id, std::string(), std::string()) >= 1;
        std::cout << e.id << std::string(e.id.size() < 16 ? 16 - e.id.size() : 1, ' ')
                  << (available ? "available      " : "not available  ") << ReRouteCaption(e.name)
                  << "\n";
    }
    return 0;
}

bool KnownId(const std::string& id) {
    return ReRouteIndex(id) >= 0 || id == "fdnl" || id == "leechget";
}

int Run(const std::vector<std::string>& args) {
    std::string id, source;
    CliHost host;
    bool haveSource = false, list = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << kHelp;
            return 0;
        } else if (a == "--list") {
            list = true;
        } else if (a == "--to" || a == "--base" || a == "--referer") {
            if (i + 1 >= args.size()) return Usage(a + " needs a value");
            std::string& field = a == "--to" ? id : a == "--base" ? host.base : host.page;
            field = args[++i];
        } else if (a.size() > 1 && a[0] == '-' && a != "-") {
            return Usage("unknown option '" + a + "'");
        } else if (haveSource) {
            return Usage("one list at a time");
        } else {
            source = a;
            haveSource = true;
        }
    }
    Settings& settings = AppSettings();
    SettingsLoad(settings);
    UrlSchemesInit();
    if (list) return haveSource || !id.empty() ? Usage("--list takes nothing else") : List();
    if (id.empty()) id = settings.ReRouteDefaultId;
    if (id.empty() || id == "none")
        return Usage(
            "no manager: give --to ID or set ReRouteDefaultId (ravlet-cli reroute --list)");
    if (!KnownId(id)) return Usage("unknown manager '" + id + "' (ravlet-cli reroute --list)");
    const std::string name =
        ReRouteIndex(id) >= 0 ? ReRouteCaption(ReRouteEntryAt(ReRouteIndex(id)).name) : id;
    if (ReRoute(host, id, std::string(), std::string()) < 1) {
        std::cerr << "ravlet-cli reroute: " << name << " is not available\n";
        return 1;
    }
    std::string bytes;
    if (!ReadListInput("reroute", source, bytes)) return 2;
    LinkList links;
    for (const std::string& line : FileLines(bytes)) AddLinkUnique(links, line);
    host.rows = links.Items();
    if (host.rows.empty()) {
        std::cerr << "ravlet-cli reroute: the list holds no addresses; nothing was handed over\n";
        return 1;
    }
    std::size_t handed = 0;
    const int result = ReRouteRows(host, id, host.page, &handed);
    if (result == ReRoute_WholeList) {
        std::cout << name << " took the list (" << host.rows.size() << " addresses)\n";
        return 0;
    }
    if (result == ReRoute_GoOn) {
        std::cout << "handed " << handed << " address(es) to " << name << "\n";
        return 0;
    }
    std::cerr << "ravlet-cli reroute: " << name << " did not take the list";
    if (handed > 1) std::cerr << " after " << handed - 1 << " address(es)";
    std::cerr << "\n";
    return 1;
}

const bool registered = RegisterCommand(
    {"reroute", kUsage, "hand a list of addresses to a download manager (aria2, uGet, ...)", 75,
     &Run});

}  // namespace

}  // namespace ravlet::cli
