// The scanner's substring search against a plain byte-by-byte search, on buffers exactly as
// long as the text, so that any read past the end shows under AddressSanitizer.
#include "links/TextFinder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

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

// Every search loop this processor can run: the plain one, SSE2 and AVX2 where present. The
// best loop is put back when the test ends.
class EveryPath {
  public:
    EveryPath() {
        for (const FinderPath path :
             {FinderPath::Scalar, FinderPath::Sse2, FinderPath::Avx2, FinderPath::Avx512})
            if (ForceFinderPath(path)) paths_.push_back(path);
        ForceFinderPath(FinderPath::Best);
    }
    ~EveryPath() { ForceFinderPath(FinderPath::Best); }
    // Runs check once under each loop, naming the loop in failures.
    template <typename Check>
    void Run(Check check) const {
        for (const FinderPath path : paths_) {
            ASSERT_TRUE(ForceFinderPath(path));
            SCOPED_TRACE(Name(path));
            check();
        }
    }
    static const char* Name(FinderPath path) {
        const char* const names[] = {"best loop", "scalar loop", "SSE2 loop", "AVX2 loop",
                                     "AVX-512 loop"};
        return names[static_cast<int>(path)];
    }
    const std::vector<FinderPath>& Paths() const { return paths_; }

  private:
    std::vector<FinderPath> paths_;
};

TEST(TextFinder, EachLoopCanBeChosenWhereTheProcessorHasIt) {
    const EveryPath every;
    EXPECT_EQ(every.Paths().front(), FinderPath::Scalar);
#if defined(__x86_64__) || defined(__i386__)
    // Every x86-64 processor has SSE2; AVX2 and AVX-512 only some.
    __builtin_cpu_init();
    const bool avx2 = __builtin_cpu_supports("avx2");
    const bool avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
    EXPECT_EQ(every.Paths().size(), 2u + (avx2 ? 1u : 0u) + (avx512 ? 1u : 0u));
    EXPECT_EQ(every.Paths()[1], FinderPath::Sse2);
#else
    EXPECT_EQ(every.Paths().size(), 1u);
#endif
}

struct FindRow {
    const char* what;
    std::string text;
    std::string needle;
    bool ignoreCase;
    std::size_t from;
    std::size_t expected;
};

std::string X(std::size_t n) {
    return std::string(n, 'x');
}

// Texts around the widths of the loops (16 and 32 bytes), with the needle across a boundary,
// at the very end, or with near misses that pass the first- and last-byte filter.
const FindRow kFindRows[] = {
    {"needle across the 16-byte boundary", X(15) + "<a" + X(20), "<a", true, 0, 15},
    {"needle ending a 16-byte text", X(14) + "<a", "<a", true, 0, 14},
    {"needle ending a 32-byte text", X(30) + "<A", "<a", true, 0, 30},
    {"needle ending a 33-byte text", X(31) + "<a", "<a", true, 0, 31},
    {"needle across the 32-byte boundary", X(29) + "http://" + X(9), "http://", true, 0, 29},
    {"upper case across 48 bytes", X(44) + "HTTP://h", "http://", true, 0, 44},
    {"case kept across 16 bytes", X(13) + "HTTP://" + "http://", "http://", false, 0, 20},
    {"ends match, middle does not", X(3) + "hxxp://" + X(20) + "h__p:/" + "http://", "http://",
     true, 0, 36},
    {"first byte at the very end only", X(31) + "<", "<a", true, 0, TextFinder::npos},
    {"last byte missing at the end", X(40) + "http:/", "http://", true, 0, TextFinder::npos},
    {"from past a match inside a block", "<a" + X(30) + "<a" + X(5), "<a", true, 3, 32},
    {"from at the last start", X(20) + "<a", "<a", true, 20, 20},
    {"needle longer than a block", X(10) + std::string(35, 'a') + X(3), std::string(35, 'a'), true,
     0, 10},
    {"long needle one byte short", X(10) + std::string(34, 'a'), std::string(35, 'a'), true, 0,
     TextFinder::npos},
    {"at sign is no letter", std::string(20, '`') + "`@" + X(20), "`@", true, 0, 20},
    {"upper case across the 64-byte boundary", X(62) + "<IMG" + X(2), "<img", true, 0, 62},
    // Bytes that differ from a letter's fold only in 0x20 must not be folded.
    {"needle beginning with a bracket", X(20) + "[a" + X(20), "[a", true, 0, 20},
    {"needle ending with an underscore", X(20) + "a_" + X(20), "a_", true, 0, 20},
    {"second of two in one block", "x<b<a" + X(40), "<a", true, 0, 3},
    // Only ASCII letters are folded: '@' | 0x20 is '`', 0xC1 | 0x20 is 0xE1.
    {"short, upper case", "x<A", "<a", true, 0, 1},
    {"short, at sign", "`@", "@", true, 0, 1},
    {"short, above ASCII", "\301a", "a", true, 0, 1},  // 0xC1
    {"short, bracket", "{[", "[", true, 0, 1},
    {"short, case kept", "<a<A", "<A", false, 0, 2},
    {"empty text", "", "ab", true, 0, TextFinder::npos},
    {"from inside the needle's place", "ab", "ab", true, 1, TextFinder::npos},
    {"from the end", "ab", "ab", true, 2, TextFinder::npos},
    {"from beyond the end", "ab", "ab", true, 9, TextFinder::npos},
    {"empty needle at the end", "ab", "", true, 2, 2},
    {"empty needle beyond the end", "ab", "", true, 3, TextFinder::npos},
};

TEST(TextFinder, EachLoopFindsTheTableCases) {
    EveryPath().Run([] {
        for (const FindRow& row : kFindRows) {
            const ExactText exact(row.text);
            EXPECT_EQ(TextFinder(row.needle, row.ignoreCase).Find(exact.View(), row.from),
                      row.expected)
                << row.what;
        }
    });
}

TEST(TextFinder, EachLoopFindsTheNeedleAtEveryPlace) {
    // A decoy with the needle's first and last byte comes first wherever there is room.
    EveryPath().Run([] {
        for (const std::string& needle :
             std::initializer_list<std::string>{"<a", "http://", std::string(20, 'q') + "z"}) {
            std::string decoy = needle;
            decoy[decoy.size() / 2] = '!';
            if (decoy.size() == 2) decoy = needle.substr(0, 1) + "!";
            const TextFinder finder(needle, true);
            for (std::size_t size = needle.size(); size <= 80; ++size) {
                for (std::size_t at = 0; at + needle.size() <= size; ++at) {
                    std::string text = X(size);
                    if (at >= decoy.size()) text.replace(0, decoy.size(), decoy);
                    text.replace(at, needle.size(), needle);
                    const ExactText exact(text);
                    ASSERT_EQ(finder.Find(exact.View(), 0), at) << text;
                    ASSERT_EQ(finder.Find(exact.View(), at + 1), TextFinder::npos) << text;
                }
            }
        }
    });
}

TEST(TextFinder, EachLoopAgreesWithAPlainSearchOnRandomTexts) {
    const std::string needles[] = {
        "<a",           " href=", "http://",           "<img", "x", "A", "<", "hTtP://",
        " background=", "==",     std::string(35, 'a')};
    const char alphabet[] = "<aA hHtTp:/=\"'>x";
    EveryPath().Run([&] {
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
    });
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
