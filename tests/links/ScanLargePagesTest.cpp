// Pages far larger than real ones, and pages made of nothing but matches: the scanner must stay
// one forward scan per pass (a quadratic pass would not end within the test's time limit).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "links/LinkList.h"
#include "links/LinkScanner.h"
#include "links/ParsePage.h"

namespace ravlet {
namespace {

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

constexpr std::size_t kMillion = 1000000;

TEST(ScanLargePages, AMillionAnchorsGiveAMillionValuesInTextOrder) {
    std::string page;
    page.reserve(20 * kMillion);
    for (std::size_t i = 0; i < kMillion; ++i) page += "<a href=p" + std::to_string(i % 1000) + ">";
    std::vector<std::string> found;
    ASSERT_TRUE(ScanTagAttribute(page, "a", "href", found));
    ASSERT_EQ(found.size(), kMillion);
    EXPECT_EQ(found[1], "p1");
    EXPECT_EQ(found.back(), "p999");
    LinkList list;
    for (const std::string& link : found) AddLinkUnique(list, link);
    EXPECT_EQ(list.Count(), 1000u);
}

TEST(ScanLargePages, AMillionUnquotedValuesOnAPageWithoutAnyClosingBracket) {
    // Every value ends at a blank; the ">" that is never there must not be searched for anew
    // each time. The opening quote without a closing one is skipped first.
    std::vector<std::string> found;
    ASSERT_TRUE(ScanLinks("<a href='" + Repeat("<a href=x ", kMillion), found, 15, nullptr));
    ASSERT_EQ(found.size(), kMillion);
    EXPECT_EQ(found.back(), "x");
}

TEST(ScanLargePages, AMillionPlainAddressesOnAPageWithoutQuotes) {
    std::vector<std::string> found;
    ASSERT_TRUE(ScanLinks(Repeat("http://a ", kMillion), found, ScanPlainHttp, nullptr));
    EXPECT_EQ(found.size(), kMillion);
}

TEST(ScanLargePages, AMillionBareTagsWithoutAttributes) {
    std::vector<std::string> found;
    EXPECT_FALSE(ScanLinks(Repeat("<a<img<td<", kMillion), found, 15, nullptr));
    EXPECT_TRUE(found.empty());
}

TEST(ScanLargePages, AddressesGluedTogetherSkipEveryOther) {
    // Each address ends where the next begins; the search goes on one character behind the
    // prefix, so the address right after is passed over.
    std::vector<std::string> found;
    ASSERT_TRUE(ScanPlainText(Repeat("http://", kMillion), "http://", found));
    ASSERT_EQ(found.size(), kMillion / 2);
    EXPECT_EQ(found.front(), "http://");
    EXPECT_EQ(found.back(), "http://");
}

TEST(ScanLargePages, AFiftyMegabytePageInAllModes) {
    const std::string chunk =
        "<tr><td background=\"bg.gif\"><a href=\"/doc/page.html?a=1&amp;b=2\">Page</a> see "
        "http://example.org/x.html and <img src=\"i.png\" alt=\"\"><input value=\"v\"></td></tr>\n"
        "<p>Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor.</p>\n";
    const std::string page = Repeat(chunk, 50 * 1024 * 1024 / chunk.size());
    std::vector<std::string> found;
    ASSERT_TRUE(ScanLinks(page, found, 15, nullptr));
    const std::size_t chunks = page.size() / chunk.size();
    // Per chunk: href; img src; the td's background by the tr pass (which has no word end)
    // and by the td pass; wild src and value; the plain address.
    ASSERT_EQ(found.size(), 7 * chunks);
    EXPECT_EQ(found.front(), "/doc/page.html?a=1&b=2");
    EXPECT_EQ(found.back(), "http://example.org/x.html");
}

TEST(ScanLargePages, UnterminatedTagsAndQuotesAtTheVeryEnd) {
    const std::string ends[] = {"<",           "<a",         "<a ",       "<a href",
                                "<a href=",    "<a href=\"", "<a href='", "<a href=\"abc",
                                "<a href=abc", "http",       "<img src=", " src='x"};
    for (const std::string& end : ends) {
        std::string page = Repeat("<a href=\"ok\">", 1000) + end;
        page.shrink_to_fit();
        std::vector<std::string> found;
        ScanLinks(page, found, 15, nullptr);
        ASSERT_EQ(found.size(), 1000u) << end;
        std::string cleaned = page;
        CleanPageText(cleaned);
        EXPECT_EQ(cleaned, page);
    }
}

}  // namespace
}  // namespace ravlet
