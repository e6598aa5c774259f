#include "links/TextFinder.h"

#include <cstdint>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define RAVLET_FINDER_X86 1
#endif

#include "links/AsciiFold.h"

namespace ravlet {

namespace {

inline bool IsUpper(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}
inline bool IsLetter(unsigned char c) {
    return IsUpper(c) || (c >= 'a' && c <= 'z');
}

#ifdef RAVLET_FINDER_X86
// Candidate filter on the first and the last byte of the needle, many positions at a time;
// the whole needle is compared only where both ends match. Returns the first candidate that
// confirm accepts, or npos with *next where the caller continues byte by byte.
struct Ends {
    unsigned char first, last, firstMask, lastMask;
    std::size_t lastOffset;
    // The byte after the first, for needles of three bytes and more: the two ends alone let
    // through every "<" some bytes before an "e" when looking for "<frame".
    unsigned char second, secondMask;
    std::size_t secondOffset;  // 1, or 0 for a needle of one byte
};

template <typename Confirm>
std::size_t ScanSse2(const char* s, std::size_t from, std::size_t end, const Ends& e,
                     Confirm confirm, std::size_t* next) {
    const __m128i first = _mm_set1_epi8(static_cast<char>(e.first));
    const __m128i last = _mm_set1_epi8(static_cast<char>(e.last));
    const __m128i firstMask = _mm_set1_epi8(static_cast<char>(e.firstMask));
    const __m128i lastMask = _mm_set1_epi8(static_cast<char>(e.lastMask));
    const __m128i second = _mm_set1_epi8(static_cast<char>(e.second));
    const __m128i secondMask = _mm_set1_epi8(static_cast<char>(e.secondMask));
    std::size_t i = from;
    // end is one past the last possible start of the needle.
    for (; i + 16 <= end; i += 16) {
        const __m128i a =
            _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i)), firstMask);
        const __m128i b = _mm_or_si128(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + e.lastOffset)), lastMask);
        const __m128i c = _mm_or_si128(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + e.secondOffset)), secondMask);
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last)),
                          _mm_cmpeq_epi8(c, second))));
        while (mask != 0) {
            const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(mask));
            if (confirm(s + at)) return at;
            mask &= mask - 1;
        }
    }
    *next = i;
    return TextFinder::npos;
}

template <typename Confirm>
__attribute__((target("avx2"))) std::size_t ScanAvx2(const char* s, std::size_t from,
                                                     std::size_t end, const Ends& e,
                                                     Confirm confirm, std::size_t* next) {
    const __m256i first = _mm256_set1_epi8(static_cast<char>(e.first));
    const __m256i last = _mm256_set1_epi8(static_cast<char>(e.last));
    const __m256i firstMask = _mm256_set1_epi8(static_cast<char>(e.firstMask));
    const __m256i lastMask = _mm256_set1_epi8(static_cast<char>(e.lastMask));
    const __m256i second = _mm256_set1_epi8(static_cast<char>(e.second));
    const __m256i secondMask = _mm256_set1_epi8(static_cast<char>(e.secondMask));
    std::size_t i = from;
    for (; i + 32 <= end; i += 32) {
        const __m256i a =
            _mm256_or_si256(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i)), firstMask);
        const __m256i b = _mm256_or_si256(
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i + e.lastOffset)), lastMask);
        const __m256i c = _mm256_or_si256(
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i + e.secondOffset)),
            secondMask);
        unsigned mask = static_cast<unsigned>(_mm256_movemask_epi8(_mm256_and_si256(
            _mm256_and_si256(_mm256_cmpeq_epi8(a, first), _mm256_cmpeq_epi8(b, last)),
            _mm256_cmpeq_epi8(c, second))));
        while (mask != 0) {
            const std::size_t at = i + static_cast<std::size_t>(__builtin_ctz(mask));
            if (confirm(s + at)) return at;
            mask &= mask - 1;
        }
    }
    *next = i;
    return TextFinder::npos;
}

template <typename Confirm>
__attribute__((target("avx512f,avx512bw"))) std::size_t ScanAvx512(const char* s, std::size_t from,
                                                                   std::size_t end, const Ends& e,
                                                                   Confirm confirm,
                                                                   std::size_t* next) {
    const __m512i first = _mm512_set1_epi8(static_cast<char>(e.first));
    const __m512i last = _mm512_set1_epi8(static_cast<char>(e.last));
    const __m512i firstMask = _mm512_set1_epi8(static_cast<char>(e.firstMask));
    const __m512i lastMask = _mm512_set1_epi8(static_cast<char>(e.lastMask));
    const __m512i second = _mm512_set1_epi8(static_cast<char>(e.second));
    const __m512i secondMask = _mm512_set1_epi8(static_cast<char>(e.secondMask));
    std::size_t i = from;
    for (; i + 64 <= end; i += 64) {
        const __m512i a = _mm512_or_si512(_mm512_loadu_si512(s + i), firstMask);
        const __m512i b = _mm512_or_si512(_mm512_loadu_si512(s + i + e.lastOffset), lastMask);
        const __m512i c = _mm512_or_si512(_mm512_loadu_si512(s + i + e.secondOffset), secondMask);
        std::uint64_t mask = _mm512_cmpeq_epi8_mask(a, first) & _mm512_cmpeq_epi8_mask(b, last) &
                             _mm512_cmpeq_epi8_mask(c, second);
        while (mask != 0) {
            const std::size_t at = i + static_cast<std::size_t>(__builtin_ctzll(mask));
            if (confirm(s + at)) return at;
            mask &= mask - 1;
        }
    }
    *next = i;
    return TextFinder::npos;
}

// Asked once; the cpu model must be initialised first when this runs before main.
bool DetectAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
bool DetectAvx512() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
}
const bool hasAvx2 = DetectAvx2();
const bool hasAvx512 = DetectAvx512();
#endif

FinderPath BestPath() {
#ifdef RAVLET_FINDER_X86
    if (hasAvx512) return FinderPath::Avx512;
    return hasAvx2 ? FinderPath::Avx2 : FinderPath::Sse2;
#else
    return FinderPath::Scalar;
#endif
}

FinderPath activePath = BestPath();

}  // namespace

FinderPath ActiveFinderPath() {
    return activePath;
}

bool ForceFinderPath(FinderPath path) {
    switch (path) {
        case FinderPath::Best:
            activePath = BestPath();
            return true;
        case FinderPath::Scalar:
            activePath = path;
            return true;
        case FinderPath::Sse2:
#ifdef RAVLET_FINDER_X86
            activePath = path;
            return true;
#else
            return false;
#endif
        case FinderPath::Avx2:
        case FinderPath::Avx512:
#ifdef RAVLET_FINDER_X86
            if (!(path == FinderPath::Avx2 ? hasAvx2 : hasAvx512)) return false;
            activePath = path;
            return true;
#else
            return false;
#endif
    }
    return false;
}

TextFinder::TextFinder(std::string_view needle, bool ignoreCase)
    : needle_(needle), ignoreCase_(ignoreCase) {
    if (ignoreCase_) {
        for (char& c : needle_) c = static_cast<char>(FoldAscii(static_cast<unsigned char>(c)));
    }
    if (!needle_.empty()) {
        const auto first = static_cast<unsigned char>(needle_.front());
        const auto last = static_cast<unsigned char>(needle_.back());
        // OR-ing 0x20 turns exactly 'A'..'Z' into 'a'..'z' among the bytes that can equal a
        // folded letter, so the filter needs no table.
        firstMask_ = ignoreCase_ && IsLetter(first) ? 0x20 : 0;
        lastMask_ = ignoreCase_ && IsLetter(last) ? 0x20 : 0;
        const auto second = static_cast<unsigned char>(needle_[needle_.size() > 1 ? 1 : 0]);
        secondMask_ = ignoreCase_ && IsLetter(second) ? 0x20 : 0;
    }
}

bool TextFinder::Matches(const char* at) const {
    const std::size_t m = needle_.size();
    if (!ignoreCase_) return std::memcmp(at, needle_.data(), m) == 0;
    for (std::size_t k = 0; k < m; ++k) {
        if (FoldAscii(static_cast<unsigned char>(at[k])) != static_cast<unsigned char>(needle_[k]))
            return false;
    }
    return true;
}

std::size_t TextFinder::Find(std::string_view text, std::size_t from) const {
    const std::size_t n = text.size();
    const std::size_t m = needle_.size();
    if (from > n) return npos;
    if (m == 0) return from;
    if (n - from < m) return npos;
    const char* s = text.data();
    const std::size_t end = n - m + 1;  // one past the last possible start
    std::size_t i = from;
    if (m == 1 && firstMask_ == 0) {
        const void* hit = std::memchr(s + from, needle_[0], n - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - s) : npos;
    }
#ifdef RAVLET_FINDER_X86
    if (activePath != FinderPath::Scalar) {
        const Ends e{static_cast<unsigned char>(needle_.front()),
                     static_cast<unsigned char>(needle_.back()),
                     firstMask_,
                     lastMask_,
                     m - 1,
                     static_cast<unsigned char>(needle_[m > 1 ? 1 : 0]),
                     secondMask_,
                     m > 1 ? std::size_t{1} : std::size_t{0}};
        auto confirm = [this](const char* at) { return Matches(at); };
        const std::size_t hit =
            activePath == FinderPath::Avx512 ? ScanAvx512(s, i, end, e, confirm, &i)
            : activePath == FinderPath::Avx2 ? ScanAvx2(s, i, end, e, confirm, &i)
                                             : ScanSse2(s, i, end, e, confirm, &i);
        if (hit != npos) return hit;
    }
#endif
    for (; i < end; ++i) {
        if (Matches(s + i)) return i;
    }
    return npos;
}

std::size_t NextByte::From(std::string_view text, std::size_t from) {
    const bool known = searchedFrom_ != TextFinder::npos && from >= searchedFrom_ &&
                       (found_ == TextFinder::npos || from <= found_);
    if (!known) {
        searchedFrom_ = from;
        found_ = TextFinder::npos;
        if (from < text.size()) {
            const void* hit = std::memchr(text.data() + from, c_, text.size() - from);
            if (hit) found_ = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        }
    }
    return found_;
}

std::size_t NextText::From(std::string_view text, std::size_t from) {
    const bool known = searchedFrom_ != TextFinder::npos && from >= searchedFrom_ &&
                       (found_ == TextFinder::npos || from <= found_);
    if (!known) {
        searchedFrom_ = from;
        found_ = finder_.Find(text, from);
    }
    return found_;
}

}  // namespace ravlet
