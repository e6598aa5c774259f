// The parse a segment at a time against the parse of the whole page: the same list, the same
// answer and the same source view, wherever the segments are cut.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "links/ConsoleParseTarget.h"
#include "links/LinkList.h"
#include "links/LinkScanner.h"
#include "links/ParsePage.h"
#include "support/ScriptedUi.h"

namespace ravlet {
namespace {

struct CutParse {
    bool any = false;
    std::vector<std::string> links;
    std::string source;
};

// The parse of the whole page (segment 0) or a segment at a time, into a list holding before.
CutParse Parsed(const std::string& page, int modes, const std::vector<std::string>& before,
                std::size_t segment = 0) {
    ConsoleParseTarget console(modes);
    console.Links().Assign(before);
    CutParse p;
    p.any = segment == 0 ? ParsePage(console, page, !before.empty())
                         : ParseSegmentedPage(console, page, !before.empty(), segment);
    p.links = console.Links().Items();
    p.source = console.Source();
    return p;
}

// Pages of the pieces that matter to the preparation and the passes, "<" among them so that
// segments are cut often: tag openings, names, quotes, ends, line breaks, blank runs, "=",
// disguised schemes and "&amp;".
std::string PiecesPage(std::mt19937& random) {
    static const char* const kPieces[] = {
        "<a",   "<A",      " href=", " HREF=", " src=", " value=",      "\"",       "'",
        " ",    "  ",      ">",      "x",      "&amp;", "http://",      "HTTPS://", "ftp://",
        "<tr",  "<img",    "=",      " = ",    "\t",    " background=", "\r",       "\n",
        "\r\n", "hxxp://", "hx",     "y/z",    "<",     "<link",        "X"};
    std::string page;
    const std::size_t count = random() % 120;
    for (std::size_t i = 0; i < count; ++i) page += kPieces[random() % std::size(kPieces)];
    return page;
}

TEST(ParseSegmentedPage, EqualsTheWholeParseOnRandomPagesWhereverTheSegmentsAreCut) {
    test::ScriptedUi ui;
    std::mt19937 random(20261208);
    const std::vector<std::string> none;
    for (int round = 0; round < 3000; ++round) {
        const std::string page = PiecesPage(random);
        const int modes = 1 + static_cast<int>(random() % 15);
        // Now and then into a list that holds some of the links already, in other letters.
        const std::vector<std::string> before =
            round % 5 == 0 ? std::vector<std::string>{"X", "HTTP://Y/Z", "keep"} : none;
        const CutParse whole = Parsed(page, modes, before);
        for (const std::size_t segment : {1, 2, 3, 7, 16, 64, 1 << 20}) {
            const CutParse parts = Parsed(page, modes, before, segment);
            ASSERT_EQ(parts.links, whole.links) << "page: " << page << "\nsegment " << segment;
            ASSERT_EQ(parts.any, whole.any) << "page: " << page << "\nsegment " << segment;
            ASSERT_EQ(parts.source, whole.source) << "page: " << page << "\nsegment " << segment;
        }
    }
}

// The cases the random pages reach only by chance, each cut at every possible place.
TEST(ParseSegmentedPage, ValuesAndAddressesThatSpanACut) {
    test::ScriptedUi ui;
    const char* const pages[] = {
        // a quoted value with tag openings inside it, and its "&amp;"
        "<a href=\"one<b>two&amp;three<i>four\">x</a><a href=two>",
        // the name in one segment, the value in the next
        "<a x href=<b>value<i> rest",
        // a tag opening whose attribute comes segments later
        "<a><b><i><u> href='far'>",
        // an address in running text that runs through several segments to the page's end
        "see http://host/a<b>c<d>e",
        // two addresses still open together, and one that ends where "http://" begins
        "<p>https://a<b>https://b<c>http://c d",
        // a value without an end: the passes go on behind it
        "<a href=\"open<a href=shut> <img src='x'>",
        // line breaks and blank runs on both sides of a cut
        "a  \r\n<b>  \t = \n<c href = \"q\">\r<d hxxp://e.f/g>",
    };
    for (const std::string page : pages) {
        const CutParse whole = Parsed(page, 15, {});
        ASSERT_TRUE(whole.any) << page;
        for (std::size_t segment = 1; segment <= page.size(); ++segment) {
            const CutParse parts = Parsed(page, 15, {}, segment);
            EXPECT_EQ(parts.links, whole.links) << page << "\nsegment " << segment;
            EXPECT_EQ(parts.source, whole.source) << page << "\nsegment " << segment;
        }
    }
}

TEST(ParseSegmentedPage, ALargePageInMegabyteSegments) {
    test::ScriptedUi ui;
    std::string page;
    for (int i = 0; page.size() < (std::size_t{3} << 20); ++i) {
        const std::string n = std::to_string(i % 5000);
        page += "<tr background=\"/bg" + n + ".png\">\r\n  <a href='/page" + n +
                ".html?x=1&amp;y=2'>http://plain.example/" + n + "</a>\n\t<img src=i" + n +
                ".gif>\n";
    }
    const CutParse whole = Parsed(page, 15, {});
    const CutParse parts = Parsed(page, 15, {}, std::size_t{1} << 20);
    EXPECT_EQ(parts.links.size(), 20000u);
    EXPECT_EQ(parts.links, whole.links);
    EXPECT_EQ(parts.source, whole.source);
    EXPECT_EQ(parts.source.size(), kSourceViewChars);
}

}  // namespace
}  // namespace ravlet
