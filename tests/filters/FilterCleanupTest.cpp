#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "filters/FilterCleanup.h"
#include "filters/FilterKindRows.h"
#include "support/Defaults.h"

namespace ravlet {

TEST(FilterCleanup, Judging) {
    // opts, link, result, link after
    const std::tuple<int, std::string, int, std::string> rows[] = {
        {0, "/p.html#top", 0, "/p.html#top"},
        {1, "/p.html#top", 2, "/p.html"},
        {1, "#top", 1, ""},
        {1, "/plain", 0, "/plain"},
        {1, "/a#b#c", 2, "/a#b"},  // cut before the last "#"
        {2, ".", 1, ""},
        {2, "/dir/.", 2, "/dir/"},
        {2, "/dir.", 0, "/dir."},
        {2, "/.", 2, "/"},
        {3, "/dir/.#x", 2, "/dir/"},  // the anchor goes first, then the dot
        {3, "#", 1, ""},
        // A folder page's sort links and icons; links that only look alike stay.
        {4, "/dir/?N=A", 1, ""},
        {4, "/dir/?N=D", 1, ""},
        {4, "/dir/?M=A", 1, ""},
        {4, "/dir/?M=D", 1, ""},
        {4, "?S=A", 1, ""},
        {4, "/dir/?S=D", 1, ""},
        {4, "/dir/?D=A", 1, ""},
        {4, "/dir/?D=D", 1, ""},
        {4, "/ICONS/back.gif", 1, ""},
        {4, "http://h/icons/folder.gif", 1, ""},
        {4, "/dir/?n=d", 0, "/dir/?n=d"},  // the sort keys regard case
        {4, "/dir/?N=X", 0, "/dir/?N=X"},
        {4, "/dir/?X=D", 0, "/dir/?X=D"},
        {4, "/dir/N=D", 0, "/dir/N=D"},
        {4, "/a.php?id=1&N=D", 0, "/a.php?id=1&N=D"},
        {4, "http://h/iconsets/a.gif", 0, "http://h/iconsets/a.gif"},
        {4, "?N=", 0, "?N="},
        {4, "", 0, ""},
        {8, "/index.HTML", 1, ""},
        {8, "/dir/", 1, ""},
        {8, "/f.zip", 0, "/f.zip"},
        {9, "/page.php#x", 1, ""},  // a later option overrides the result
        {1 | 8, "/f.zip#x", 2, "/f.zip"},
    };
    const std::string types = test::Defaults().Scanner_TextTypes;
    for (const auto& [opts, given, result, after] : rows) {
        std::string link = given;
        EXPECT_EQ(CleanupFilter{opts}.Judge(link, types, nullptr), result) << opts << " " << given;
        EXPECT_EQ(link, after) << opts << " " << given;
    }
}

TEST(FilterCleanup, AnEmptyTextIsNeverADuplicate) {
    // The list answers that every text is elsewhere; an empty row is still not taken for a
    // duplicate, and the list is not even asked.
    int asked = 0;
    auto everything = [&asked](const std::string&) {
        ++asked;
        return true;
    };
    std::string link;
    EXPECT_EQ(CleanupFilter{kCleanupDoubles}.Judge(link, "", everything), 0);
    EXPECT_EQ(link, "");
    EXPECT_EQ(asked, 0);
    link = "/a";
    EXPECT_EQ(CleanupFilter{kCleanupDoubles}.Judge(link, "", everything), 1);
    EXPECT_EQ(asked, 1);
}

TEST(FilterCleanup, DataBlockRoundTrips) {
    CleanupFilter g;
    g.DataWrite(DataLinesRead(CleanupFilter{31}.DataRead()));
    EXPECT_EQ(g.opts, 31);
    g.DataWrite(DataLinesRead("<data name=\"opts\" value=\"99999999999999\" />"));
    EXPECT_EQ(g.opts, 2147483647);
}

}  // namespace ravlet
