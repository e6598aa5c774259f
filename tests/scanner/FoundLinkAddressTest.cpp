#include <gtest/gtest.h>

#include "net/ravlet_url.h"
#include "scanner/FoundLinkAddress.h"

namespace ravlet {

namespace {

struct FoundCase {
    const char* base;
    const char* link;
    const char* address;
    bool fetchable;
};

const FoundCase kFound[] = {
    // Relative links append to the page base; the fragment goes, the path is canonical.
    {"http://h/dir/", "page.html", "http://h/dir/page.html", true},
    {"http://h/dir/", "  page.html  ", "http://h/dir/page.html", true},
    {"http://h/dir/", "page.html#top", "http://h/dir/page.html", true},
    {"http://h/dir/", "../up.html", "http://h/up.html", true},
    {"http://h/dir/", "", "http://h/dir/", true},
    {"http://h/dir/", "?q=1", "http://h/dir/?q=1", true},
    {"http://h/dir/", "#only", "http://h/dir/", true},
    // "/x" stays on the page's site: scheme, user, host and port.
    {"http://h:8080/dir/", "/x.html", "http://h:8080/x.html", true},
    {"http://u:p@h:81/dir/", "/x", "http://u:p@h:81/x", true},
    {"http://h/dir/", "/x", "http://h/x", true},
    // "//host/x" takes the page's scheme.
    {"http://h:8080/dir/", "//cdn.example/x.js", "http://cdn.example/x.js", true},
    {"https://h/dir/", "//cdn.example/x.js", "https://cdn.example/x.js", true},
    // Known schemes stand as they are.
    {"http://h/dir/", "https://other/a.html#f", "https://other/a.html", true},
    {"http://h/dir/", "javascript:void(0)", "javascript:void(0)", true},
    {"http://h/dir/", "MAILTO:me@h", "MAILTO:me@h", true},
    // Schemes the table does not know are taken as they stand and never fetched.
    {"http://h/dir/", "data:image/png;base64,AAAA", "data:image/png;base64,AAAA", false},
    {"http://h/dir/", "tel:+49 30 1234", "tel:+49 30 1234", false},
    {"http://h/dir/", "about:blank#x", "about:blank#x", false},
    {"http://h/dir/", "ms-settings:", "ms-settings:", false},
    // Not schemes: a colon after a character no scheme holds.
    {"http://h/dir/", "a/b:c.html", "http://h/dir/a/b:c.html", true},
    {"http://h/dir/", "1up:x", "http://h/dir/1up:x", true},
};

class FoundLinkAddressTest : public ::testing::TestWithParam<FoundCase> {};

}  // namespace

TEST_P(FoundLinkAddressTest, Address) {
    UrlSchemesInit();
    const FoundCase& c = GetParam();
    const FoundAddress a = FoundLinkAddress(c.link, c.base);
    EXPECT_EQ(a.text, c.address) << c.base << " + " << c.link;
    EXPECT_EQ(a.fetchable, c.fetchable) << c.link;
}

INSTANTIATE_TEST_SUITE_P(Links, FoundLinkAddressTest, ::testing::ValuesIn(kFound));

}  // namespace ravlet
