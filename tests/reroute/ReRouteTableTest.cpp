#include <gtest/gtest.h>

#include "reroute/ReRouteTable.h"
#include "support/RowName.h"

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

struct IndexCase {
    const char* id;
    int index;
    const char* caption;  // of the entry at the index
};

class ReRouteIndexOf : public ::testing::TestWithParam<IndexCase> {};

TEST_P(ReRouteIndexOf, FindsThePositionAndItsCaption) {
    const IndexCase& c = GetParam();
    EXPECT_EQ(ReRouteIndex(c.id), c.index);
    EXPECT_EQ(ReRouteCaption(ReRouteEntryAt(c.index).name), c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, ReRouteIndexOf,
    ::testing::Values(IndexCase{"fdm", 0, "Free Download Manager"},
                      IndexCase{"downloadmage", 7, "Download Mage"},
                      IndexCase{"flashget", 8, "Flashget (former JetCar)"},
                      IndexCase{"wackget122", 5, "WackGet v1.2.2 (millweed.com)"},
                      IndexCase{"netvampire", 11, "Net Vampire"}, IndexCase{"aria2", 12, "aria2"},
                      IndexCase{"uget", 13, "uGet"},
                      // "none", routines without an entry, other case and unknown: -1, "none".
                      IndexCase{"none", -1, "none"}, IndexCase{"fdnl", -1, "none"},
                      IndexCase{"leechget", -1, "none"}, IndexCase{"FDM", -1, "none"},
                      IndexCase{"", -1, "none"}, IndexCase{"fdm ", -1, "none"}),
    test::KeyedName<&IndexCase::id>());

TEST(ReRouteCaption, CutsAtTheFirstBracketAndTrims) {
    EXPECT_EQ(ReRouteCaption("  Net [a] [b]"), "Net");
    EXPECT_EQ(ReRouteCaption("[only]"), "");
    EXPECT_EQ(ReRouteCaption("no bracket "), "no bracket");
}

}  // namespace ravlet
