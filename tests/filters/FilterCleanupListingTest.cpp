// The clean-up filter's directory-listing option: the sort links a server's folder page
// carries and its icons go, links that only look alike stay.
#include <gtest/gtest.h>

#include <string>

#include "filters/FilterCleanup.h"

namespace ravlet {
namespace {

int Judge(std::string& link) {
    CleanupFilter filter;
    filter.opts = kCleanupApache;
    return filter.Judge(link, "", {});
}

TEST(FilterCleanupListing, EverySortLinkOfAFolderPageGoes) {
    for (const char* sort : {"?N=A", "?N=D", "?M=A", "?M=D", "?S=A", "?S=D", "?D=A", "?D=D"}) {
        std::string link = std::string("http://h/files/") + sort;
        EXPECT_EQ(Judge(link), 1) << sort;
        EXPECT_EQ(link, "") << sort;
    }
    std::string icon = "http://h/icons/folder.gif";
    EXPECT_EQ(Judge(icon), 1);
}

TEST(FilterCleanupListing, LinksThatOnlyLookAlikeStay) {
    for (const char* kept : {"http://h/files/?N=X", "http://h/files/?X=D", "http://h/files/N=D",
                             "http://h/a.php?id=1&N=D", "http://h/iconsets/a.gif", "?N=", ""}) {
        std::string link = kept;
        EXPECT_EQ(Judge(link), 0) << kept;
        EXPECT_EQ(link, kept);
    }
}

}  // namespace
}  // namespace ravlet
