#include <gtest/gtest.h>

#include "net/ravlet_url.h"

namespace ravlet {
namespace {

TEST(UrlSchemes, GetSchemeTakesTheFirstEntryThatMatches) {
    // Every scheme the table knows, and texts that only look like one.
    const std::pair<const char*, const char*> rows[] = {{"http://h", "http://"},
                                                        {"telnet://host", "telnet://"},
                                                        {"TELNET:host", "telnet:"},
                                                        {"HTTPS://x", "https://"},
                                                        {"ftp://f/a", "ftp://"},
                                                        {"mms://m/s", "mms://"},
                                                        {"Gopher://g", "gopher://"},
                                                        {"file:///tmp/a", "file://"},
                                                        {"mailto:a@b", "mailto:"},
                                                        {"callto:x", "callto:"},
                                                        {"javascript:void(0)", "javascript:"},
                                                        {"http:/x", ""},
                                                        {"http", ""},
                                                        {"", ""},
                                                        {"news:comp.lang", "news:"}};
    for (const auto& [text, scheme] : rows) EXPECT_EQ(UrlGetScheme(text), scheme) << text;
    EXPECT_TRUE(UrlHasScheme("Mailto:a@b"));
    EXPECT_FALSE(UrlHasScheme("www.host.com"));
    EXPECT_TRUE(UrlIsFile("FILE:///tmp/a"));
    EXPECT_FALSE(UrlIsFile("file:/tmp"));
}

TEST(UrlResolve, References) {
    struct Row {
        const char* base;
        const char* ref;
        const char* result;
    };
    const Row rows[] = {{"http://host/dir/", "img/a.gif", "http://host/dir/img/a.gif"},
                        {"http://host/dir/", "../a.gif", "http://host/dir/../a.gif"},
                        {"http://host/dir/", "/x/y.gif", "http://host/x/y.gif"},
                        {"http://u:p@host:81/dir/", "/x", "http://u:p@host:81/x"},
                        {"http://host/dir/", "", "http://host/dir/"},
                        {"http://host/dir/", "ftp://other/f", "ftp://other/f"},
                        {"dir/", "/x", "dir//x"},
                        // A protocol-relative reference names another host with the page's scheme.
                        {"https://host/dir/", "//cdn.example/a.js", "https://cdn.example/a.js"},
                        {"http://host/dir/", "?page=2", "http://host/dir/?page=2"}};
    for (const Row& r : rows) EXPECT_EQ(UrlResolve(r.base, r.ref), r.result) << r.ref;
}

TEST(UrlBase, FolderOfTheAddress) {
    EXPECT_EQ(UrlBase(""), "");
    EXPECT_EQ(UrlBase("http://host/a/b.html?x"), "http://host/a/");
    EXPECT_EQ(UrlBase("http://host"), "http://host/");
}

TEST(UrlSplit, Parts) {
    UrlParts p;
    ASSERT_TRUE(UrlSplit("http://user@host:81/x/y?q", p));
    EXPECT_EQ(p.scheme, "http://");
    EXPECT_EQ(p.userinfo, "user");
    EXPECT_EQ(p.host, "host");
    EXPECT_EQ(p.port, "81");
    EXPECT_EQ(p.path, "/x/y?q");
    ASSERT_TRUE(UrlSplit("https://host", p));
    EXPECT_EQ(p.host, "host");
    EXPECT_EQ(p.path, "");
    // A bracketed IPv6 host keeps its colons; the port follows the bracket.
    ASSERT_TRUE(UrlSplit("http://[::1]:81/x", p));
    EXPECT_EQ(p.host, "[::1]");
    EXPECT_EQ(p.port, "81");
    EXPECT_EQ(p.path, "/x");
    EXPECT_EQ(UrlSite("http://[::1]:81/x"), "http://[::1]");
    EXPECT_EQ(UrlSite("http://user@host:81/x"), "http://user@host");
    EXPECT_EQ(UrlSite("nohost"), "");
    UrlParts untouched;
    untouched.host = "keep";
    EXPECT_FALSE(UrlSplit("host/x", untouched));
    EXPECT_EQ(untouched.host, "keep");
}

TEST(UrlSplitPath, LastSlash) {
    std::string folder = "old", file;
    UrlSplitPath("a/b/c.txt", folder, file);
    EXPECT_EQ(folder, "a/b");
    EXPECT_EQ(file, "c.txt");
    folder = "old";
    UrlSplitPath("c.txt", folder, file);
    EXPECT_EQ(folder, "old");
    EXPECT_EQ(file, "c.txt");
}

TEST(UrlTexts, FragmentAndAmp) {
    EXPECT_EQ(UrlStripFragment("a#b#c"), "a#b");
    EXPECT_EQ(UrlStripFragment("abc"), "abc");
    EXPECT_EQ(UrlStripFragment(""), "");
    EXPECT_EQ(HtmlDecodeAmp("a?x=1&AMP;y=2&amp;z"), "a?x=1&y=2&z");
    EXPECT_EQ(HtmlDecodeAmp("&amp;amp;"), "&amp;");
}

TEST(UrlCanonicalize, DotSegmentsEscapesAndLength) {
    EXPECT_EQ(UrlCanonicalize(""), "");
    EXPECT_EQ(UrlCanonicalize("http://host/a/b/../c/./d.html"), "http://host/a/c/d.html");
    EXPECT_EQ(UrlCanonicalize("http://host/../x"), "http://host/x");
    EXPECT_EQ(UrlCanonicalize("http://host/a/?q=../x"), "http://host/a/?q=../x");
    EXPECT_EQ(UrlCanonicalize("mailto:a@b"), "mailto:a@b");
    // Long addresses are canonicalised like short ones, never dropped.
    const std::string longPath(5000, 'p');
    EXPECT_EQ(UrlCanonicalize("http://host/x/../" + longPath), "http://host/" + longPath);
}

// The canonical address asks the server for the same thing as the one given.
TEST(UrlCanonicalize, KeepsWhatTheAddressAsksFor) {
    const std::pair<std::string, std::string> rows[] = {
        {"http://h/a%41", "http://h/aA"},  // an escape at the very end
        {"http://h/%7e%2Dx%5F%2e", "http://h/~-x_."},
        {"http://h/a%20b.html", "http://h/a%20b.html"},
        {"http://h/a b.html", "http://h/a%20b.html"},
        {"http://h/s?q=rock%26roll", "http://h/s?q=rock%26roll"},
        {"http://h/a%2Fb", "http://h/a%2Fb"},
        {"http://h/a%3Fb", "http://h/a%3Fb"},
        {"http://h/a%23b", "http://h/a%23b"},
        {"http://h/100%25", "http://h/100%25"},
        {"http://h/%25%41", "http://h/%25A"},  // decoded once, not twice
        {"http://h/%0A%7F%C3%A9", "http://h/%0A%7F%C3%A9"},
        {"http://h/%3C%3E%22", "http://h/%3C%3E%22"},
        {"http://h/50%", "http://h/50%"},
        {"http://h/%4", "http://h/%4"},
        {"http://h/\xC3\xA9\t", "http://h/%C3%A9%09"}};
    for (const auto& [in, out] : rows) EXPECT_EQ(UrlCanonicalize(in), out) << in;
}

TEST(UrlFileToPath, LocalAndServerPaths) {
    EXPECT_EQ(UrlFileToPath("file:///tmp/dir/a.htm"), "/tmp/dir/a.htm");
    EXPECT_EQ(UrlFileToPath("file://server/share/a.htm"), "//server/share/a.htm");
}

TEST(OneOf, CommaLists) {
    EXPECT_TRUE(EndsWithOneOf("index.HTML", ".htm,.html", ","));
    EXPECT_FALSE(EndsWithOneOf("index.php", ".htm,.html", ","));
    EXPECT_FALSE(EndsWithOneOf("a", ".htm,,", ","));
    EXPECT_FALSE(EndsWithOneOf("htm", "x.htm", ","));
    EXPECT_TRUE(StartsWithOneOf("Text/HTML; charset=x", "text/,image/", ","));
    EXPECT_FALSE(StartsWithOneOf("application/zip", "text/,image/", ","));
}

}  // namespace
}  // namespace ravlet
