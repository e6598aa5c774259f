#include "reroute/ReRouteTable.h"

namespace ravlet {

const std::vector<ReRouteEntry>& ReRouteTable() {
    static const std::vector<ReRouteEntry> table = {
        {"none", "none", ""},
        {"Free Download Manager [freeware]", "fdm", "www.freedownloadmanager.org"},
        {"DLExpert [freeware]", "dlexpert", "www.dlexpert.com"},
        {"Download Express [freeware]", "downloadexpress", "www.metaproducts.com"},
        {"WinGet [freeware]", "winget", "www.amecomp.com"},
        {"WackGet v1.1 (millweed.com) [open source]", "wackget11", "www.millweed.com"},
        {"WackGet v1.2.2 (millweed.com) [open source]", "wackget122", "www.millweed.com"},
        {"Download Accelerator Plus -DAP [adware or payware]", "dap", "www.speedbit.com"},
        {"Download Mage [shareware 30 days]", "downloadmage", "www.lct.net"},
        {"Flashget (former JetCar)  [shareware 30 days, no adware since v1.2]", "flashget",
         "www.flashget.com"},
        {"Mass Downloader [shareware 30 days]", "massdownloader", "www.metaproducts.com"},
        {"Net Transport [freeware]", "nettransport", "www.xi-soft.com"},
        {"Net Vampire [shareware]", "netvampire", "www.netvampire.com"},
    };
    return table;
}

const std::vector<ReRouteEntry>& ReRouteLocalTable() {
    static const std::vector<ReRouteEntry> table = {
        {"aria2 [open source, JSON-RPC]", "aria2", "aria2.github.io"},
        {"uGet [open source]", "uget", "ugetdm.com"},
    };
    return table;
}

int ReRouteIndex(const std::string& id) {
    const std::vector<ReRouteEntry>& table = ReRouteTable();
    for (int i = 0; i <= kReRouteCount; ++i)
        if (table[static_cast<std::size_t>(i) + 1].id == id) return i;
    const std::vector<ReRouteEntry>& local = ReRouteLocalTable();
    for (std::size_t j = 0; j < local.size(); ++j)
        if (local[j].id == id) return kReRouteCount + 1 + static_cast<int>(j);
    return -1;
}

const ReRouteEntry& ReRouteEntryAt(int position) {
    if (position >= 0 && position <= kReRouteCount)
        return ReRouteTable()[static_cast<std::size_t>(position) + 1];
    const int j = position - kReRouteCount - 1;
    if (j >= 0 && j < static_cast<int>(ReRouteLocalTable().size()))
        return ReRouteLocalTable()[static_cast<std::size_t>(j)];
    return ReRouteTable()[0];
}

std::string ReRouteCaption(const std::string& name) {
    std::string cut = name.substr(0, name.find('['));
    const std::size_t b = cut.find_first_not_of(' ');
    if (b == std::string::npos) return std::string();
    return cut.substr(b, cut.find_last_not_of(' ') - b + 1);
}

}  // namespace ravlet
