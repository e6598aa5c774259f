#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "filters/FilterKindRows.h"
#include "filters/FilterPreSuffix.h"

namespace ravlet {

TEST(FilterPreSuffix, Judging) {
    // suffix, prefix, cut, invert; link, result, link after
    test::ExpectJudged<PreSuffixFilter>(
        {
            {{".zip ", "", false, false}, "/dl/f.ZIP", 0, "/dl/f.ZIP"},
            {{".zip", "", false, false}, "/dl/f.rar", 1, "/dl/f.rar"},
            {{".zip", "/Dl/", false, false}, "/dl/f.zip", 1, "/dl/f.zip"},  // prefix regards case
            {{".zip", "/dl/", false, false}, "/dl/f.zip", 0, "/dl/f.zip"},
            {{"", "/dl/", true, false}, "/dl/f.zip", 2, "f.zip"},
            {{"", "/dl/", true, true}, "/dl/f.zip", 1, "/dl/f.zip"},  // inverted: removed, not cut
            {{"", "/dl/", true, true}, "/up/f.zip", 0, "/up/f.zip"},
            {{".zip", "", false, true}, "/a.zip", 1, "/a.zip"},
            {{".zip", "", false, true}, "/a.rar", 0, "/a.rar"},
            {{".zip", "/x", false, true}, "/a.rar", 0, "/a.rar"},  // inverted: removed on either
            {{".zip", "/a", false, true}, "/a.rar", 1, "/a.rar"},
            {{"", "", true, false}, "/a", 0, "/a"},                 // no test set keeps everything
            {{"  .zip", "", false, false}, "/a.zip", 0, "/a.zip"},  // the suffix's leading blanks
            {{".zip", "", false, false}, "zip", 1, "zip"},
            {{"", "/dl/", true, false}, "/dl/", 2, ""},  // cut to an empty text
            {{"", "/dl/", false, false}, "/d", 1, "/d"},
            // Not at the front.
            {{"", "/dl/", true, false}, "/mirror/dl/f.zip", 1, "/mirror/dl/f.zip"},
        },
        [](const PreSuffixFilter& f) {
            EXPECT_TRUE(f.suffix.empty() || f.suffix.back() != ' ') << "stored back trimmed";
        });
}

TEST(FilterPreSuffix, DataBlockRoundTrips) {
    PreSuffixFilter f{".z\"ip", "a&b>", true, false};
    EXPECT_EQ(f.DataRead(),
              "<data name=\"suffix\" value=\".z&quote;ip\" />\r\n"
              "<data name=\"prefix\" value=\"a&amp;b&gt;\" />\r\n"
              "<data name=\"cut\" value=\"1\" />\r\n"
              "<data name=\"invert\" value=\"0\" />");
    PreSuffixFilter g;
    g.DataWrite(DataLinesRead(f.DataRead()));
    EXPECT_EQ(std::tie(g.suffix, g.prefix, g.cut, g.invert),
              std::tie(f.suffix, f.prefix, f.cut, f.invert));
}

}  // namespace ravlet
