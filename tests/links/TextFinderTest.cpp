// The scanner's substring search against a plain byte-by-byte search, on buffers exactly as
// long as the text, so that any read past the end shows under AddressSanitizer.
#include "links/TextFinder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <string_view>

namespace ravlet {
namespace {

char Fold(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

std::size_t PlainFind(std::string_view text, std::string_view needle, std::size_t from,
                      bool ignoreCase) {
    for (std::size_t i = from; i + needle.size() <= text.size(); ++i) {
        bool same = true;
        for (std::size_t k = 0; k < needle.size() && same; ++k)
            same = ignoreCase ? Fold(text[i + k]) == Fold(needle[k]) : text[i + k] == needle[k];
        if (same) return i;
    }
    return TextFinder::npos;
}

// A text in a heap block of exactly its length.
class ExactText {
  public:
    explicit ExactText(const std::string& text)
        : bytes_(std::make_unique<char[]>(text.size() + (text.empty() ? 1 : 0))),
          size_(text.size()) {
        std::memcpy(bytes_.get(), text.data(), text.size());
    }
    std::string_view View() const { return {bytes_.get(), size_}; }

  private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_;
};

TEST(TextFinder, AgreesWithAPlainSearchOnRandomTexts) {
    const std::string needles[] = {"<a",
                                   " href=",
                                   "http://",
                                   "<img",
                                   "x",
                                   "A",
                                   "<",
                                   "hTtP://",
                                   " background=",
                                   "==",
                                   "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"};
    const char alphabet[] = "<aA hHtTp:/=\"'>x";
    std::mt19937 random(42);
    for (int round = 0; round < 3000; ++round) {
        const std::size_t size = random() % 150;
        std::string text(size, ' ');
        for (char& c : text) c = alphabet[random() % (sizeof alphabet - 1)];
        const std::string& needle = needles[round % std::size(needles)];
        // Often put the needle right at the end, where a wide read would overrun.
        if (round % 3 == 0 && size >= needle.size())
            text.replace(size - needle.size(), needle.size(), needle);
        const ExactText exact(text);
        for (const bool ignoreCase : {true, false}) {
            const TextFinder finder(needle, ignoreCase);
            for (std::size_t from = 0; from <= size; from += 1 + from / 8) {
                ASSERT_EQ(finder.Find(exact.View(), from),
                          PlainFind(exact.View(), needle, from, ignoreCase))
                    << "needle '" << needle << "' from " << from << " in '" << text << "'";
            }
        }
    }
}

TEST(TextFinder, IgnoresOnlyTheCaseOfAsciiLetters) {
    const TextFinder finder("<a", true);
    EXPECT_EQ(finder.Find("x<A", 0), 1u);
    // '@' | 0x20 is '`' and 'A' | 0x20 is 'a': only a real letter may match a letter.
    EXPECT_EQ(TextFinder("@", true).Find("`@", 0), 1u);
    EXPECT_EQ(TextFinder("a", true).Find("\xc1"
                                         "a",
                                         0),
              1u);
    EXPECT_EQ(TextFinder("[", true).Find("{[", 0), 1u);
    EXPECT_EQ(TextFinder("<A", false).Find("<a<A", 0), 2u);
}

TEST(TextFinder, EdgesOfTheRange) {
    const TextFinder finder("ab", true);
    EXPECT_EQ(finder.Find("", 0), TextFinder::npos);
    EXPECT_EQ(finder.Find("ab", 1), TextFinder::npos);
    EXPECT_EQ(finder.Find("ab", 2), TextFinder::npos);
    EXPECT_EQ(finder.Find("ab", 9), TextFinder::npos);
    EXPECT_EQ(TextFinder("", true).Find("ab", 2), 2u);
    EXPECT_EQ(TextFinder("", true).Find("ab", 3), TextFinder::npos);
}

TEST(NextByte, AnswersLikeAFreshSearchFromGrowingPositions) {
    const std::string text = "a b  c   d";
    NextByte next(' ');
    for (std::size_t from = 0; from <= text.size(); ++from) {
        const std::size_t expected = text.find(' ', from);
        EXPECT_EQ(next.From(text, from),
                  expected == std::string::npos ? TextFinder::npos : expected)
            << from;
    }
}

TEST(NextText, AnswersLikeAFreshSearchEvenWhenAskedFromFurtherBack) {
    const std::string text = "http://a http://b http://c";
    const TextFinder finder("http://", true);
    NextText next(finder);
    for (const std::size_t from : {0u, 1u, 9u, 10u, 3u, 18u, 25u, 26u, 0u}) {
        EXPECT_EQ(next.From(text, from), finder.Find(text, from)) << from;
    }
}

}  // namespace
}  // namespace ravlet
