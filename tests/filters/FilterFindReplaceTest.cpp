#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "filters/FilterFindReplace.h"
#include "filters/FilterKindRows.h"

namespace ravlet {

TEST(FilterFindReplace, Judging) {
    // pos, find, case, action, NOT, replacement; link, result, link after
    test::ExpectJudged<FindReplaceFilter>({
        {{0, "old/", false, 2, false, "new/"}, "/OLD/a/old/b", 2, "/new/a/new/b"},
        {{0, "old/", true, 2, false, "new/"}, "/OLD/a/old/b", 2, "/OLD/a/new/b"},
        {{0, "", false, 0, false, ""}, "/a", 0, "/a"},  // an empty find passes
        {{0, "", false, 0, true, ""}, "/a", 1, "/a"},   // NOT of a pass removes
        {{0, "x", false, 0, false, ""}, "/a", 1, "/a"},
        {{0, "X", false, 0, false, ""}, "/x", 0, "/x"},
        {{0, "X", true, 0, false, ""}, "/x", 1, "/x"},
        {{0, "x", false, 0, true, ""}, "/a", 0, "/a"},
        {{1, "/a", false, 0, false, ""}, "/abc", 0, "/abc"},
        {{1, "b", false, 0, false, ""}, "/abc", 1, "/abc"},
        {{2, "BC", false, 0, false, ""}, "/abc", 0, "/abc"},
        {{2, "/abcd", false, 0, false, ""}, "/abc", 1, "/abc"},         // longer than the link
        {{1, "/A", false, 1, false, ""}, "/abc", 2, "bc"},              // cut at the front
        {{2, "C", false, 1, false, ""}, "/abc", 2, "/ab"},              // cut at the back
        {{0, "b", false, 1, false, ""}, "/abcb", 2, "/ac"},             // cut everywhere
        {{1, "", false, 2, false, "http://h"}, "/a", 2, "http://h/a"},  // empty find: in front
        {{2, "", false, 2, false, ".bak"}, "/a", 2, "/a.bak"},          // and appended
        {{0, "", false, 2, false, "z"}, "/a", 2, "/a"},       // nothing to replace, still 2
        {{0, "q", false, 2, false, "z"}, "/a", 0, "/a"},      // a failed test keeps
        {{0, "/a", false, 1, false, ""}, "/a", 2, ""},        // may leave an empty row
        {{0, "aa", false, 2, false, "b"}, "aaa", 2, "ba"},    // left to right, no overlap
        {{0, "A", false, 2, false, "aA"}, "xaX", 2, "xaAX"},  // the new text is not searched
        {{-1, "b", false, -1, false, ""}, "/b", 0, "/b"},     // no choice counts as 0
    });
}

TEST(FilterFindReplace, DataBlockRoundTrips) {
    const FindReplaceFilter f{2, "a\"b", true, 1, true, "x>y"};
    EXPECT_EQ(f.DataRead(),
              "<data name=\"pos\" value=\"2\" />\r\n"
              "<data name=\"find\" value=\"a&quote;b\" />\r\n"
              "<data name=\"case\" value=\"1\" />\r\n"
              "<data name=\"action\" value=\"1\" />\r\n"
              "<data name=\"matchnot\" value=\"1\" />\r\n"
              "<data name=\"replace\" value=\"x&gt;y\" />");
    FindReplaceFilter g;
    g.DataWrite(DataLinesRead(f.DataRead()));
    EXPECT_EQ(std::tie(g.pos, g.find, g.caseSensitive, g.action, g.matchnot, g.replace),
              std::tie(f.pos, f.find, f.caseSensitive, f.action, f.matchnot, f.replace));
}

TEST(FilterFindReplace, PositionsWithoutAnOptionAreIgnored) {
    FindReplaceFilter g;
    g.DataWrite(
        DataLinesRead("<data name=\"pos\" value=\"7\" /><data name=\"action\" "
                      "value=\"-1\" /><data name=\"FIND\" value=\"q\" />"));
    EXPECT_EQ(g.pos, 0);
    EXPECT_EQ(g.action, 0);
    EXPECT_EQ(g.find, "q");  // data names are compared lower-cased
    // A replacement text read without an action chooses "replace:".
    g.DataWrite(DataLinesRead(
        "<data name=\"replace\" value=\"r\" /><data name=\"action\" value=\"-1\" />"));
    EXPECT_EQ(g.action, 2);
    // A missing action line chooses the first option.
    g.DataWrite(DataLinesRead("<data name=\"replace\" value=\"s\" />"));
    EXPECT_EQ(g.action, 0);
    EXPECT_EQ(g.find, "");
    // So does entering the replacement field.
    g.ReplaceEntered();
    EXPECT_EQ(g.action, 2);
}

}  // namespace ravlet
