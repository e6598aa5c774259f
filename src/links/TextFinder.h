#pragma once
// Substring search at memchr-like speed for the scanner's passes: the needle is prepared once,
// and a search ignoring letter case compares folded bytes in place, so the text is never copied.
#include <cstddef>
#include <string>
#include <string_view>

namespace ravlet {

// The loop that compares many positions at a time: the widest the processor has (Best), or one
// chosen by a test so that every loop runs on any machine.
enum class FinderPath { Best, Scalar, Sse2, Avx2, Avx512 };
// Makes every TextFinder use this loop; false, changing nothing, when the processor lacks it.
bool ForceFinderPath(FinderPath path);
// The loop in use (never Best); the page's clean-up follows it too.
FinderPath ActiveFinderPath();

class TextFinder {
  public:
    static constexpr std::size_t npos = std::string_view::npos;
    // ignoreCase folds the ASCII letters A-Z; other bytes compare exactly.
    TextFinder(std::string_view needle, bool ignoreCase);
    // The first position at or after from (0-based) where the needle starts; npos when none.
    // An empty needle is found at from when from lies inside the text or at its end.
    std::size_t Find(std::string_view text, std::size_t from) const;
    std::size_t Size() const { return needle_.size(); }

  private:
    bool Matches(const char* at) const;
    std::string needle_;  // folded when ignoring case
    bool ignoreCase_;
    unsigned char firstMask_ = 0;  // 0x20 when the first byte is a letter folded by the search
    unsigned char lastMask_ = 0;
    unsigned char secondMask_ = 0;  // the same for the byte after the first
};

// Remembers where the next occurrence of one byte lies, so that searches from positions that
// only grow cost one forward scan in all, however often they are repeated.
class NextByte {
  public:
    explicit NextByte(char c) : c_(c) {}
    std::size_t From(std::string_view text, std::size_t from);

  private:
    char c_;
    std::size_t searchedFrom_ = TextFinder::npos;  // none yet
    std::size_t found_ = TextFinder::npos;
};

// The same for a needle.
class NextText {
  public:
    explicit NextText(const TextFinder& finder) : finder_(finder) {}
    std::size_t From(std::string_view text, std::size_t from);

  private:
    const TextFinder& finder_;
    std::size_t searchedFrom_ = TextFinder::npos;
    std::size_t found_ = TextFinder::npos;
};

}  // namespace ravlet
