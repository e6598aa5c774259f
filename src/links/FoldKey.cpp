#include "links/FoldKey.h"

#include <cstdint>
#include <cstring>

namespace ravlet {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;

// Eight bytes with 'A'..'Z' folded to 'a'..'z' at once: a byte is upper case when its low
// seven bits are at least 'A' and at most 'Z' and its high bit is clear.
inline std::uint64_t FoldWord(std::uint64_t x) {
    const std::uint64_t low7 = x & (0x7F * kOnes);
    const std::uint64_t atLeastA = low7 + (0x80 - 'A') * kOnes;
    const std::uint64_t aboveZ = low7 + (0x80 - 'Z' - 1) * kOnes;
    const std::uint64_t upper = atLeastA & ~aboveZ & ~x & (0x80 * kOnes);
    return x | (upper >> 2);  // 0x80 >> 2 is the letter bit 0x20
}

// The next at most eight bytes as one word, zero-padded.
inline std::uint64_t Load(const char* p, std::size_t n) {
    std::uint64_t w = 0;
    std::memcpy(&w, p, n < 8 ? n : 8);
    return w;
}

inline std::uint64_t Mix(std::uint64_t h, std::uint64_t w) {
    h = (h ^ w) * 0xbf58476d1ce4e5b9ull;
    return h ^ (h >> 31);
}

}  // namespace

// Eight folded bytes a step: the links of a large page pass through here once each.
std::size_t FoldHash::operator()(std::string_view text) const {
    std::uint64_t h = 0x9e3779b97f4a7c15ull ^ text.size();
    const char* p = text.data();
    std::size_t n = text.size();
    for (; n >= 8; p += 8, n -= 8) h = Mix(h, FoldWord(Load(p, 8)));
    if (n > 0) h = Mix(h, FoldWord(Load(p, n)));
    h = (h ^ (h >> 29)) * 0x94d049bb133111ebull;
    return static_cast<std::size_t>(h ^ (h >> 32));
}

bool FoldEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); i += 8) {
        const std::size_t n = a.size() - i;
        if (FoldWord(Load(a.data() + i, n)) != FoldWord(Load(b.data() + i, n))) return false;
    }
    return true;
}

}  // namespace ravlet
