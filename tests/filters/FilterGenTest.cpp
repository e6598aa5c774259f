#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Settings.h"
#include "filters/FilterGen.h"
#include "filters/RefineRows.h"

namespace ravlet {

namespace {

class FilterGenTest : public ::testing::Test {
  protected:
    void SetUp() override { SettingsSetDefaults(AppSettings()); }
};

// Runs one filter over a list as the refiner does: top to bottom, rows removed at once.
std::vector<std::string> RunOver(FilterGen& f, std::vector<std::string> rows) {
    RefineRows list(std::move(rows));
    while (!list.Finished()) {
        std::string link = list.Current();
        const int r = f.FilteringLink(list.CurrentIndex(), link, list);
        if (r == kFilterRemove)
            list.Remove();
        else if (r == kFilterReplace)
            list.Replace(link);
        else
            list.Keep();
    }
    std::vector<std::string> out;
    std::vector<char> selected;
    list.Take(out, selected);
    return out;
}

}  // namespace

TEST_F(FilterGenTest, KindIsSetOnceAndOnlyToAKnownName) {
    EXPECT_EQ(FilterGen::FilterNames(),
              "Cleanup,File Type,Find (and Replace),OneWildcard*,Pre- and Suf-fix");
    FilterGen f;
    EXPECT_EQ(f.Filter(), "");
    f.Filter("");
    EXPECT_EQ(f.Filter(), "");
    f.Filter("cleanup");  // names are exact
    EXPECT_EQ(f.Filter(), "");
    f.Filter("OneWildcard*");
    EXPECT_EQ(f.Filter(), "OneWildcard*");
    f.Filter("Cleanup");
    EXPECT_EQ(f.Filter(), "OneWildcard*");
}

TEST_F(FilterGenTest, WithoutKindEveryLinkStays) {
    FilterGen f;
    f.Filter("Unknown");
    const RefineRows list({"/a"});
    std::string link = "/a";
    EXPECT_EQ(f.FilteringLink(0, link, list), kFilterNoKind);
    EXPECT_EQ(link, "/a");
    EXPECT_EQ(f.DataRead(), "");
}

TEST_F(FilterGenTest, NewFiltersStartFromTheSettings) {
    FilterGen f;
    EXPECT_EQ(f.fileType.GroupCount(), 8u);
    EXPECT_EQ(f.fileType.Opts(), 0);
    EXPECT_EQ(f.oneWildcard.action, -1);
    f.Filter("Cleanup");
    EXPECT_EQ(f.DataRead(), "<data name=\"opts\" value=\"0\" />");
}

TEST_F(FilterGenTest, DoubleEntriesKeepTheLastOfEqualRows) {
    FilterGen f;
    f.Filter("Cleanup");
    f.cleanup.opts = kCleanupDoubles;
    EXPECT_EQ(RunOver(f, {"A", "a", "B"}), (std::vector<std::string>{"a", "B"}));
    EXPECT_EQ(RunOver(f, {"x", "y", "X", "z", "x", "y"}),
              (std::vector<std::string>{"z", "x", "y"}));
    EXPECT_EQ(RunOver(f, {"only"}), (std::vector<std::string>{"only"}));
}

TEST_F(FilterGenTest, DoubleEntriesSeeTheRewrittenText) {
    FilterGen f;
    f.Filter("Cleanup");
    f.cleanup.opts = kCleanupCutAnchor | kCleanupDoubles;
    EXPECT_EQ(RunOver(f, {"a#1", "a#2", "b"}), (std::vector<std::string>{"a", "b"}));
    // "a#1" becomes "a" and meets the row "a" below; that row is then no duplicate of the
    // "a#2" still below it, which becomes "a" and meets it above.
    EXPECT_EQ(RunOver(f, {"a#1", "a", "a#2"}), (std::vector<std::string>{"a"}));
}

TEST_F(FilterGenTest, DataWriteGoesToTheKindOnly) {
    FilterGen f;
    f.Filter("Pre- and Suf-fix");
    f.DataWrite(
        "  <data name=\"suffix\" value=\".zip\" />\r\n\t\t<other x=\"1\" />"
        "<data name=\"opts\" value=\"4\" /><DATA NAME=\"CUT\" VALUE=\"1\" />");
    EXPECT_EQ(f.preSuffix.suffix, ".zip");
    EXPECT_TRUE(f.preSuffix.cut);
    EXPECT_EQ(f.cleanup.opts, 0);
    EXPECT_EQ(f.fileType.Opts(), 0);
}

}  // namespace ravlet
