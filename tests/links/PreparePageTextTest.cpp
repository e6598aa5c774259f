// The one-pass preparation against the replacements done one after another, each a whole
// pass over the text, on texts made of exactly the bytes those replacements care about.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>

#include "links/LinkScanner.h"
#include "links/ParsePage.h"
#include "links/TextFinder.h"
#include "net/ravlet_url.h"

namespace ravlet {
namespace {

// Every non-overlapping from, left to right, by to.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    std::string out;
    std::size_t at = 0;
    for (std::size_t p; (p = text.find(from, at)) != std::string::npos; at = p + from.size())
        out += text.substr(at, p - at) + to;
    return out + text.substr(at);
}

std::string CleanStepByStep(std::string text) {
    text = ReplaceAll(text, "\t", " ");
    text = ReplaceAll(text, "  ", " ");
    text = ReplaceAll(text, " =", "=");
    text = ReplaceAll(text, "= ", "=");
    text = ReplaceAll(text, "hxxp://", "http://");
    return ReplaceAll(text, "hxxps://", "https://");
}

std::string RandomText(std::mt19937& random, std::size_t pieces) {
    // Weighted toward blanks, "=" and line breaks, with whole and broken disguised schemes;
    // one in capitals, which stays as it is.
    static const char* const kPieces[] = {" ",  " ",  "  ", "\t",     "=",       "=",
                                          "\r", "\n", "\n", "a",      "hxxp://", "hxxps://",
                                          "hx", "h",  "<",  "HXXP://"};
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) - 1);
    std::string text;
    for (std::size_t i = 0; i < pieces; ++i) text += kPieces[pick(random)];
    return text;
}

// Under every loop the processor has for finding the next change (the text finder's).
TEST(PreparePageText, EqualsTheReplacementsOneAfterAnother) {
    for (const FinderPath path : {FinderPath::Scalar, FinderPath::Sse2, FinderPath::Avx512}) {
        if (!ForceFinderPath(path)) continue;
        SCOPED_TRACE(static_cast<int>(path));
        std::mt19937 random(20261207);
        std::uniform_int_distribution<std::size_t> length(0, 90);
        for (int round = 0; round < 8000; ++round) {
            // Long texts too, so that runs cross the blocks the search compares at once.
            const std::string text = RandomText(random, round % 20 == 0 ? 3000 : length(random));
            const std::string prepared = CleanStepByStep(NormalizeNewlines(text));
            ASSERT_EQ(PreparePageText(text), prepared) << text;
            // For the scanner alone: every line break the two blanks it makes of a pair.
            std::string scanned;
            PrepareScanText(text, scanned);
            ASSERT_EQ(scanned, ReplaceAll(prepared, "\r\n", "  ")) << text;
            std::string cleaned = text;
            ASSERT_EQ(CleanPageText(cleaned), CleanStepByStep(text)) << text;
            ASSERT_EQ(cleaned, CleanStepByStep(text));
        }
    }
    ForceFinderPath(FinderPath::Best);
}

TEST(PreparePageText, GrowsPastItsFirstGuessWhenEveryByteIsALineFeed) {
    const std::string feeds(100000, '\n');
    std::string expected;
    for (std::size_t i = 0; i < feeds.size(); ++i) expected += "\r\n";
    EXPECT_EQ(PreparePageText(feeds), expected);
    EXPECT_EQ(PreparePageText(std::string(100000, '\r')), expected);
}

}  // namespace
}  // namespace ravlet
