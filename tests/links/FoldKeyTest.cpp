// Case-folded keys, eight bytes at a time: every position of a word and the bytes next to the
// letters must fold exactly as one byte at a time would.
#include "links/FoldKey.h"

#include <gtest/gtest.h>

#include <string>

namespace ravlet {
namespace {

TEST(FoldKey, TextsThatDifferOnlyInLetterCaseAreOneKeyAtEveryPosition) {
    const FoldHash hash;
    const FoldEqual equal;
    for (std::size_t length = 1; length <= 20; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            std::string lower(length, 'q'), upper = lower;
            upper[at] = 'Q';
            EXPECT_TRUE(equal(lower, upper)) << length << " " << at;
            EXPECT_EQ(hash(lower), hash(upper)) << length << " " << at;
        }
    }
}

TEST(FoldKey, BytesBesideTheLettersAndAboveAsciiAreNotFolded) {
    const FoldEqual equal;
    // '@' and '[' lie just outside 'A'..'Z'; 0xC1 and 0xE1 differ by the letter bit but are
    // no ASCII letters; '`' and '{' are the neighbours of 'a'..'z'.
    const std::pair<std::string, std::string> different[] = {{"@", "`"},
                                                             {"[", "{"},
                                                             {"\xc1", "\xe1"},
                                                             {"abcdefgh@", "abcdefgh`"},
                                                             {"x", "xx"},
                                                             {"", "a"},
                                                             {"ABCDEFGHIJ", "abcdefghik"}};
    for (const auto& [a, b] : different) EXPECT_FALSE(equal(a, b)) << a << " / " << b;
    EXPECT_TRUE(equal("HTTP://EXAMPLE.ORG/A", "http://example.org/a"));
    EXPECT_TRUE(equal("", ""));
}

}  // namespace
}  // namespace ravlet
