// The scanner's passes as a user would see them: a page, the modes, what is cut out of it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "links/LinkScanner.h"
#include "support/Joined.h"
#include "support/RowName.h"

namespace ravlet {
namespace {

using Links = std::vector<std::string>;

struct ScanRow {
    const char* what;
    std::string page;
    int modes;
    std::string found;  // the values in order, separated by "|"
};

class ScanLinksRows : public ::testing::TestWithParam<ScanRow> {};

TEST_P(ScanLinksRows, Finds) {
    const ScanRow& r = GetParam();
    Links found;
    const bool any = ScanLinks(r.page, found, r.modes, nullptr);
    EXPECT_EQ(test::Joined(found), r.found) << r.page;
    EXPECT_EQ(any, !found.empty());
    EXPECT_EQ(found.empty(), r.found.empty());
}

constexpr int kAll = ScanHref | ScanImages | ScanWildSrc | ScanPlainHttp;

const ScanRow kScanRows[] = {
    // Tag and attribute names
    {"capital letters", "<A HREF=\"x.html\">", ScanHref, "x.html"},
    {"blanks around the equals sign are not found", "<a href = \"x.html\">", ScanHref, ""},
    {"area found by the anchor pass", "<area shape=rect href=\"m.html\">", ScanHref, "m.html"},
    {"frameset and frame give one value", "<frameset><frame src=\"f1.html\">", ScanHref, "f1.html"},
    {"tr pass matches track", "<track background=\"t.png\">", ScanImages, "t.png"},
    {"the attribute of a later tag is taken", "<a name=\"top\">Top</a><link href=\"s.css\">",
     ScanHref, "s.css|s.css"},
    {"no blank before the attribute", "<a\thref=\"x\">", ScanHref, ""},
    {"a line break before the attribute is a blank", "<a\r\nhref=\"x\">", ScanHref, "x"},
    {"attribute before any tag is not taken", " href=\"x\"<a>", ScanHref, ""},
    // Values
    {"unquoted ends at >", "<a href=x.html>X</a>", ScanHref, "x.html"},
    {"unquoted ends at a blank", "<a href=x.html title=y>", ScanHref, "x.html"},
    {"unquoted ends at the nearer end", "<a href=x>y z", ScanHref, "x"},
    {"unquoted ends at a line break", "<a href=x\ny>", ScanHref, "x"},
    {"unquoted at the very end is not taken", "<p><a href=x.html", ScanHref, ""},
    {"single quotes", "<a href='x y.html'>", ScanHref, "x y.html"},
    {"double quotes hold a single one", "<a href=\"it's.html\">", ScanHref, "it's.html"},
    {"single quotes hold a double one", "<a href='say\"hi'>", ScanHref, "say\"hi"},
    {"quoted value runs over > and blanks", "<a href=\"a b>c\">", ScanHref, "a b>c"},
    {"missing closing quote is skipped", "<a href=\"x.html>X</a>", ScanHref, ""},
    {"the search goes on after an unclosed quote", "<a href=\"x.html><a href='y.html'>", ScanHref,
     "y.html"},
    {"an unclosed quote right before the next tag", "<a href=\"<a href=y>", ScanHref, "y"},
    {"empty value skipped, the next one taken", "<a href=\"\"><a href=\"b\">", ScanHref, "b"},
    {"empty unquoted value", "<a href=>", ScanHref, ""},
    {"&amp; decoded", "<a href=\"p?a=1&amp;b=2\">", ScanHref, "p?a=1&b=2"},
    {"&AMP; decoded too", "<a href=\"p?a=1&AMP;b=2\">", ScanHref, "p?a=1&b=2"},
    {"other entities kept", "<a href=\"p?a=&lt;&amp;amp;\">", ScanHref, "p?a=&lt;&amp;"},
    {"javascript and mailto taken", "<a href=\"javascript:go()\"><a href=mailto:x@y>", ScanHref,
     "javascript:go()|mailto:x@y"},
    {"fragment and query taken as found", "<a href=\"../p.php?q=1#top\">", ScanHref,
     "../p.php?q=1#top"},
    {"NUL bytes are part of a value", std::string("<a href=\"x\0y\">", 14), ScanHref,
     std::string("x\0y", 3)},
    // The end of the text
    {"tag at the very end", "text <a", ScanHref, ""},
    {"attribute at the very end", "<a href=", ScanHref, ""},
    {"opening quote at the very end", "<a href=\"", ScanHref, ""},
    {"opening single quote at the very end", "<a href='", ScanHref, ""},
    {"empty page", "", kAll, ""},
    {"no modes", "<a href=x>", 0, ""},
    // Passes and their order
    {"each reference pass in turn",
     "<form action=f><map href=m><frame src=fr><link href=l><a href=a>", ScanHref, "a|l|fr|m|f"},
    {"image passes",
     "<td background=td><tr background=tr><table background=tb>"
     "<body background=b><img lowsrc=lo src=s>",
     ScanImages, "s|lo|b|tb|tr|td"},
    {"wild: every src, then every value", "<input value=\"1\"><script src=\"j.js\">", ScanWildSrc,
     "j.js|1"},
    {"group order", "<img src=\"i.png\"><a href=\"h.html\"> http://p/q", kAll,
     "h.html|i.png|i.png|http://p/q"},
    {"images only", "<a href=a><img src=i>", ScanImages, "i"},
    // Plain text
    {"plain address ends at a blank", "see http://a/b now", ScanPlainHttp, "http://a/b"},
    {"plain address runs to the end", "go to http://a/b", ScanPlainHttp, "http://a/b"},
    {"plain address ends at a double quote", "<a href=\"http://a/b\">", ScanPlainHttp,
     "http://a/b"},
    {"a single quote, < and > do not end it", "'http://a/b'<br>x y", ScanPlainHttp,
     "http://a/b'<br>x"},
    {"a second address in the query", "http://a/r?u=http://b/c d", ScanPlainHttp,
     "http://a/r?u=|http://b/c"},
    {"https ends at a following http://", "https://s/x?http://t/ y", ScanPlainHttp,
     "http://t/|https://s/x?"},
    {"prefix order http, https, ftp", "ftp://f/1 https://s/2 http://h/3", ScanPlainHttp,
     "http://h/3|https://s/2|ftp://f/1"},
    {"plain search ignores case, keeps the text", "HTTP://A/B", ScanPlainHttp, "HTTP://A/B"},
    {"plain keeps &amp;", "http://h/a?x=1&amp;y=2", ScanPlainHttp, "http://h/a?x=1&amp;y=2"},
    {"a bare prefix at the end", "x http://", ScanPlainHttp, "http://"},
    {"a line break ends a plain address", "http://a/b\r\nnext", ScanPlainHttp, "http://a/b"},
    {"hxxp is not an address", "hxxp://a/b", ScanPlainHttp, ""},
};

INSTANTIATE_TEST_SUITE_P(Rows, ScanLinksRows, ::testing::ValuesIn(kScanRows), test::RowName());

TEST(ScanLinks, OnlyAppendsToTheResults) {
    Links found{"kept"};
    EXPECT_FALSE(ScanLinks("no links here", found, 15, nullptr));
    EXPECT_EQ(found, Links{"kept"});
    EXPECT_TRUE(ScanLinks("<a href=new>", found, ScanHref, nullptr));
    EXPECT_EQ(found, (Links{"kept", "new"}));
}

}  // namespace
}  // namespace ravlet
