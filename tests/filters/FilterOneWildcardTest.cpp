#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "filters/FilterKindRows.h"
#include "filters/FilterOneWildcard.h"

namespace ravlet {

TEST(FilterOneWildcard, Judging) {
    // action, mask; link, result, link after
    test::ExpectJudged<OneWildcardFilter>({
        {{1, "img*.jpg"}, "/pics/img01.jpg", 2, "/pics/"},
        {{2, "img*.jpg"}, "/pics/img01.jpg", 2, "img01.jpg"},
        {{3, "img*.jpg"}, "/pics/img01.jpg", 0, "/pics/img01.jpg"},
        {{4, "img*.jpg"}, "/pics/img01.jpg", 1, "/pics/img01.jpg"},
        {{1, "img*.jpg"}, "/pics/a.png", 1, "/pics/a.png"},
        {{2, "img*.jpg"}, "/pics/a.png", 1, "/pics/a.png"},
        {{3, "img*.jpg"}, "/pics/a.png", 1, "/pics/a.png"},
        {{4, "img*.jpg"}, "/pics/a.png", 0, "/pics/a.png"},
        {{9, "img*.jpg"}, "/pics/a.png", 0, "/pics/a.png"},  // above 4 acts as 4
        // A last star: the match runs from the front to the end of the link.
        {{3, "files/f1*"}, "http://h/files/f1.zip", 0, "http://h/files/f1.zip"},
        {{3, "files/f1*"}, "http://h/files/f2.zip", 1, "http://h/files/f2.zip"},
        {{4, "files/f1*"}, "http://h/files/f1.zip", 1, "http://h/files/f1.zip"},
        {{1, "img*"}, "/a/img/b.gif", 2, "/a/"},
        {{2, "img*"}, "/a/img/b.gif", 2, "img/b.gif"},
        {{3, "img*"}, "/a/img", 0, "/a/img"},  // the front at the very end still matches
        {{3, "a*"}, "/a/b", 0, "/a/b"},
        {{3, "*"}, "/a/b", 0, "/a/b"},
        {{2, "*"}, "/a/b", 2, "/a/b"},
        {{3, "*"}, "", 1, ""},
        {{3, "*b"}, "b/a", 1, "b/a"},  // back only after the first character
        {{3, "*b"}, "/ab", 0, "/ab"},
        {{2, "*b"}, "/ab", 2, "/ab"},
        {{1, "/*/"}, "/x/y/z", 1, "/x/y/z"},  // back searched from the front's start: no match
        {{1, "/*y"}, "/x/y/z", 2, "/z"},
        {{2, "x*/"}, "ax/b/", 2, "x/"},
        {{3, "a*b"}, "bxa", 1, "bxa"},                   // back before front
        {{3, "A*b"}, "axb", 1, "axb"},                   // regards case
        {{2, "a*b*c"}, "xab*cy", 2, "ab*c"},             // the second star is a character
        {{0, "img*.jpg"}, "/img1.jpg", 0, "/img1.jpg"},  // "-skip this filter-"
        {{-1, "img*.jpg"}, "/img1.jpg", 0, "/img1.jpg"},
        {{4, "nostar"}, "/nostar", 0, "/nostar"},
        {{3, ""}, "/a", 0, "/a"},
        {{3, "*x"}, "", 1, ""},     // an empty link matches nothing
        {{1, "a*b"}, "ab", 2, ""},  // the match may be the whole link
    });
}

TEST(FilterOneWildcard, DataBlockRoundTrips) {
    const OneWildcardFilter f{-1, "a*\"b"};
    EXPECT_EQ(f.DataRead(),
              "<data name=\"action\" value=\"-1\" />\r\n"
              "<data name=\"mask\" value=\"a*&quote;b\" />");
    OneWildcardFilter g{3, ""};
    g.DataWrite(DataLinesRead(f.DataRead()));
    EXPECT_EQ(std::tie(g.action, g.mask), std::tie(f.action, f.mask));
}

}  // namespace ravlet
