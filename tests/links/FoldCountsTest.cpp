// The membership index against a plain map of lower-cased texts, through adds and removes
// that make its table grow and make entries move back over removed ones.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <random>
#include <string>

#include "links/FoldCounts.h"

namespace ravlet {
namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

TEST(FoldCounts, AgreesWithAMapOfLowerCasedTexts) {
    std::mt19937 random(20261208);
    // Few distinct texts, so removes hit held ones and probes run into each other; letters in
    // either case, and lengths on both sides of the eight-byte steps of the hash.
    std::uniform_int_distribution<int> pick(0, 599), action(0, 9), letterCase(0, 1);
    FoldCounts counts;
    std::map<std::string, std::size_t> reference;
    for (int step = 0; step < 60000; ++step) {
        const int n = pick(random);
        std::string text = "http://h/" + std::to_string(n) + std::string(n % 13, 'x');
        if (letterCase(random)) text = "HTTP://H/" + text.substr(9);
        const std::string key = Lower(text);
        if (action(random) < 6) {
            counts.Add(text);
            ++reference[key];
        } else {
            counts.Remove(text);
            auto it = reference.find(key);
            if (it != reference.end() && --it->second == 0) reference.erase(it);
        }
        if (step % 997 == 0) {
            ASSERT_EQ(counts.Size(), reference.size()) << "step " << step;
            for (int k = 0; k < 600; ++k) {
                const std::string probe =
                    "http://h/" + std::to_string(k) + std::string(k % 13, 'X');
                const auto it = reference.find(Lower(probe));
                ASSERT_EQ(counts.Count(probe), it == reference.end() ? 0 : it->second)
                    << probe << " at step " << step;
            }
        }
    }
    counts.Clear();
    EXPECT_EQ(counts.Size(), 0u);
    EXPECT_FALSE(counts.Contains("http://h/1x"));
}

TEST(FoldCounts, FoldsAsciiLettersOnly) {
    FoldCounts counts;
    counts.Reserve(3);
    counts.Add("http://h/\xC3\x84");  // Ä in UTF-8: its bytes are not letters to fold
    counts.Add("");
    EXPECT_TRUE(counts.Contains("HTTP://H/\xC3\x84"));
    EXPECT_FALSE(counts.Contains("http://h/\xC3\xA4"));
    EXPECT_EQ(counts.Count(""), 1u);
    counts.Remove("");
    EXPECT_FALSE(counts.Contains(""));
    EXPECT_TRUE(counts.Contains("http://H/\xC3\x84"));
}

}  // namespace
}  // namespace ravlet
