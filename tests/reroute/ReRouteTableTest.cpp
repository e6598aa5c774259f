#include <gtest/gtest.h>

#include <tuple>

#include "reroute/ReRouteTable.h"

namespace ravlet {

TEST(ReRouteTable, HoldsTheManagersInOrder) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"none", "none"},
        {"Free Download Manager [freeware]", "fdm"},
        {"DLExpert [freeware]", "dlexpert"},
        {"Download Express [freeware]", "downloadexpress"},
        {"WinGet [freeware]", "winget"},
        {"WackGet v1.1 (millweed.com) [open source]", "wackget11"},
        {"WackGet v1.2.2 (millweed.com) [open source]", "wackget122"},
        {"Download Accelerator Plus -DAP [adware or payware]", "dap"},
        {"Download Mage [shareware 30 days]", "downloadmage"},
        {"Flashget (former JetCar)  [shareware 30 days, no adware since v1.2]", "flashget"},
        {"Mass Downloader [shareware 30 days]", "massdownloader"},
        {"Net Transport [freeware]", "nettransport"},
        {"Net Vampire [shareware]", "netvampire"},
    };
    ASSERT_EQ(ReRouteTable().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(ReRouteTable()[i].name, expected[i].first) << i;
        EXPECT_EQ(ReRouteTable()[i].id, expected[i].second) << i;
    }
    EXPECT_EQ(ReRouteTable()[0].web, "");
}

TEST(ReRouteIndex, FindsThePositionAndItsCaption) {
    const std::tuple<const char*, int, const char*> found[] = {
        // and the caption there
        {"fdm", 0, "Free Download Manager"},
        {"downloadmage", 7, "Download Mage"},
        {"flashget", 8, "Flashget (former JetCar)"},
        {"wackget122", 5, "WackGet v1.2.2 (millweed.com)"},
        {"netvampire", 11, "Net Vampire"},
        {"aria2", 12, "aria2"},
        {"uget", 13, "uGet"}};
    for (const auto& [id, index, caption] : found) {
        EXPECT_EQ(ReRouteIndex(id), index) << id;
        EXPECT_EQ(ReRouteCaption(ReRouteEntryAt(index).name), caption) << id;
    }
    // "none", routines without an entry, other case and unknown ids.
    for (const char* id : {"none", "fdnl", "leechget", "FDM", "", "fdm "})
        EXPECT_EQ(ReRouteIndex(id), -1) << id;
    EXPECT_EQ(ReRouteCaption(ReRouteEntryAt(-1).name), "none");
}

TEST(ReRouteCaption, CutsAtTheFirstBracketAndTrims) {
    EXPECT_EQ(ReRouteCaption("  Net [a] [b]"), "Net");
    EXPECT_EQ(ReRouteCaption("[only]"), "");
    EXPECT_EQ(ReRouteCaption("no bracket "), "no bracket");
}

}  // namespace ravlet
