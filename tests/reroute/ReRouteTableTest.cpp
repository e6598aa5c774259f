#include <gtest/gtest.h>

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
    const struct {
        const char* id;
        int index;
        const char* caption;  // of the entry at the index
    } rows[] = {{"fdm", 0, "Free Download Manager"},
                {"downloadmage", 7, "Download Mage"},
                {"flashget", 8, "Flashget (former JetCar)"},
                {"wackget122", 5, "WackGet v1.2.2 (millweed.com)"},
                {"netvampire", 11, "Net Vampire"},
                {"aria2", 12, "aria2"},
                {"uget", 13, "uGet"},
                // "none", routines without an entry, other case and unknown: -1, "none".
                {"none", -1, "none"},
                {"fdnl", -1, "none"},
                {"leechget", -1, "none"},
                {"FDM", -1, "none"},
                {"", -1, "none"},
                {"fdm ", -1, "none"}};
    for (const auto& r : rows) {
        EXPECT_EQ(ReRouteIndex(r.id), r.index) << r.id;
        EXPECT_EQ(ReRouteCaption(ReRouteEntryAt(r.index).name), r.caption) << r.id;
    }
}

TEST(ReRouteCaption, CutsAtTheFirstBracketAndTrims) {
    EXPECT_EQ(ReRouteCaption("  Net [a] [b]"), "Net");
    EXPECT_EQ(ReRouteCaption("[only]"), "");
    EXPECT_EQ(ReRouteCaption("no bracket "), "no bracket");
}

}  // namespace ravlet
