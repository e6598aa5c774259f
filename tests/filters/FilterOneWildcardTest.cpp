#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filters/FilterOneWildcard.h"

namespace ravlet {

namespace {

struct WildcardRow {
    std::string mask;
    int action;
    std::string link;
    int result;
    std::string after;
};

}  // namespace

TEST(FilterOneWildcard, Judging) {
    const std::vector<WildcardRow> rows = {
        {"img*.jpg", 1, "/pics/img01.jpg", 2, "/pics/"},
        {"img*.jpg", 2, "/pics/img01.jpg", 2, "img01.jpg"},
        {"img*.jpg", 3, "/pics/img01.jpg", 0, "/pics/img01.jpg"},
        {"img*.jpg", 4, "/pics/img01.jpg", 1, "/pics/img01.jpg"},
        {"img*.jpg", 1, "/pics/a.png", 1, "/pics/a.png"},
        {"img*.jpg", 2, "/pics/a.png", 1, "/pics/a.png"},
        {"img*.jpg", 3, "/pics/a.png", 1, "/pics/a.png"},
        {"img*.jpg", 4, "/pics/a.png", 0, "/pics/a.png"},
        {"img*.jpg", 9, "/pics/a.png", 0, "/pics/a.png"},  // above 4 acts as 4
        // A last star: the match runs from the front to the end of the link.
        {"files/f1*", 3, "http://h/files/f1.zip", 0, "http://h/files/f1.zip"},
        {"files/f1*", 3, "http://h/files/f2.zip", 1, "http://h/files/f2.zip"},
        {"files/f1*", 4, "http://h/files/f1.zip", 1, "http://h/files/f1.zip"},
        {"img*", 1, "/a/img/b.gif", 2, "/a/"},
        {"img*", 2, "/a/img/b.gif", 2, "img/b.gif"},
        {"img*", 3, "/a/img", 0, "/a/img"},  // the front at the very end still matches
        {"a*", 3, "/a/b", 0, "/a/b"},
        {"*", 3, "/a/b", 0, "/a/b"},
        {"*", 2, "/a/b", 2, "/a/b"},
        {"*", 3, "", 1, ""},
        {"*b", 3, "b/a", 1, "b/a"},  // back only after the first character
        {"*b", 3, "/ab", 0, "/ab"},
        {"*b", 2, "/ab", 2, "/ab"},
        {"/*/", 1, "/x/y/z", 1, "/x/y/z"},  // back searched from the front's start: no match
        {"/*y", 1, "/x/y/z", 2, "/z"},
        {"x*/", 2, "ax/b/", 2, "x/"},
        {"a*b", 3, "bxa", 1, "bxa"},                   // back before front
        {"A*b", 3, "axb", 1, "axb"},                   // regards case
        {"a*b*c", 2, "xab*cy", 2, "ab*c"},             // the second star is a character
        {"img*.jpg", 0, "/img1.jpg", 0, "/img1.jpg"},  // "-skip this filter-"
        {"img*.jpg", -1, "/img1.jpg", 0, "/img1.jpg"},
        {"nostar", 4, "/nostar", 0, "/nostar"},
        {"", 3, "/a", 0, "/a"},
        {"*x", 3, "", 1, ""},     // an empty link matches nothing
        {"a*b", 1, "ab", 2, ""},  // the match may be the whole link
    };
    for (const auto& r : rows) {
        const OneWildcardFilter f{r.action, r.mask};
        std::string link = r.link;
        EXPECT_EQ(f.Judge(link), r.result) << r.mask << " action " << r.action << " " << r.link;
        EXPECT_EQ(link, r.after) << r.mask << " action " << r.action << " " << r.link;
    }
}

TEST(FilterOneWildcard, DataBlockRoundTrips) {
    const OneWildcardFilter f{-1, "a*\"b"};
    EXPECT_EQ(f.DataRead(),
              "<data name=\"action\" value=\"-1\" />\r\n"
              "<data name=\"mask\" value=\"a*&quote;b\" />");
    OneWildcardFilter g{3, ""};
    g.DataWrite(DataLinesRead(f.DataRead()));
    EXPECT_EQ(g.action, -1);
    EXPECT_EQ(g.mask, "a*\"b");
}

}  // namespace ravlet
