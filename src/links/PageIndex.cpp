#include "links/PageIndex.h"

#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "links/AsciiFold.h"
#include "links/TextFinder.h"

namespace ravlet {

namespace {

// The folded words, "<" left out.
constexpr const char* kTagWords[kTagKinds] = {"a",   "link", "frame", "map", "form",
                                              "img", "body", "table", "tr",  "td"};
constexpr const char* kAttributeWords[kAttributeKinds] = {"href",   "src",        "lowsrc",
                                                          "action", "background", "value"};

constexpr const char* kPlainPrefixes[kPlainKinds] = {"http://", "https://", "ftp://"};

// The word, folded, stands in the text at p.
bool WordAt(std::string_view t, std::size_t p, const char* word) {
    const std::size_t m = std::strlen(word);
    if (p > t.size() || t.size() - p < m) return false;
    for (std::size_t k = 0; k < m; ++k) {
        if (FoldAscii(static_cast<unsigned char>(t[p + k])) != static_cast<unsigned char>(word[k]))
            return false;
    }
    return true;
}

class Indexer {
  public:
    Indexer(std::string_view text, PageIndex& index) : t_(text), index_(index) {}

    // p holds one of the bytes the sweep stops at.
    void At(std::size_t p) {
        switch (t_[p]) {
            case '<':
                Open(p);
                break;
            case '=':
                Equals(p);
                break;
            default:
                Colon(p);
                break;
        }
    }

    // A "<" at p: the one tag word that follows it, if any (no word is a prefix of another).
    bool Open(std::size_t p) {
        if (p + 1 >= t_.size()) return false;
        switch (FoldAscii(static_cast<unsigned char>(t_[p + 1]))) {
            case 'a':
                return Add(TagKind::A, p);
            case 'l':
                return Try(TagKind::Link, p);
            case 'f':
                return Try(TagKind::Frame, p) || Try(TagKind::Form, p);
            case 'm':
                return Try(TagKind::Map, p);
            case 'i':
                return Try(TagKind::Img, p);
            case 'b':
                return Try(TagKind::Body, p);
            case 't':
                return Try(TagKind::Table, p) || Try(TagKind::Tr, p) || Try(TagKind::Td, p);
            default:
                return false;
        }
    }

    // An "=" at p: the one attribute name (with its blank) that ends before it, if any.
    bool Equals(std::size_t p) {
        if (p == 0) return false;
        switch (FoldAscii(static_cast<unsigned char>(t_[p - 1]))) {
            case 'f':
                return Ends(AttributeKind::Href, p);
            case 'c':
                return Ends(AttributeKind::Src, p) || Ends(AttributeKind::Lowsrc, p);
            case 'n':
                return Ends(AttributeKind::Action, p);
            case 'd':
                return Ends(AttributeKind::Background, p);
            case 'e':
                return Ends(AttributeKind::Value, p);
            default:
                return false;
        }
    }

    // A ":" at p: an address prefix around it, if any.
    bool Colon(std::size_t p) {
        if (p + 2 >= t_.size() || t_[p + 1] != '/' || t_[p + 2] != '/') return false;
        return Prefix(PlainKind::Http, p) || Prefix(PlainKind::Https, p) ||
               Prefix(PlainKind::Ftp, p);
    }

  private:
    bool Prefix(PlainKind kind, std::size_t p) {
        const char* prefix = kPlainPrefixes[static_cast<std::size_t>(kind)];
        const std::size_t before = std::strlen(prefix) - 3;  // the letters before "://"
        if (p < before || !WordAt(t_, p - before, prefix)) return false;
        index_.plain[static_cast<std::size_t>(kind)].push_back(p - before);
        return true;
    }
    bool Add(TagKind kind, std::size_t p) {
        index_.tags[static_cast<std::size_t>(kind)].push_back(p);
        return true;
    }
    bool Try(TagKind kind, std::size_t p) {
        return WordAt(t_, p + 1, kTagWords[static_cast<std::size_t>(kind)]) && Add(kind, p);
    }
    bool Ends(AttributeKind kind, std::size_t p) {
        const std::size_t size = PageIndex::AttributeSize(kind);  // blank, word, "="
        if (p + 1 < size) return false;
        const std::size_t q = p + 1 - size;
        if (t_[q] != ' ' || !WordAt(t_, q + 1, kAttributeWords[static_cast<std::size_t>(kind)]))
            return false;
        index_.attributes[static_cast<std::size_t>(kind)].push_back(q);
        return true;
    }

    std::string_view t_;
    PageIndex& index_;
};

}  // namespace

std::size_t PageIndex::TagSize(TagKind kind) {
    return 1 + std::strlen(kTagWords[static_cast<std::size_t>(kind)]);
}

std::size_t PageIndex::AttributeSize(AttributeKind kind) {
    return 2 + std::strlen(kAttributeWords[static_cast<std::size_t>(kind)]);
}

namespace {

#if defined(__SSE2__)
// Sixteen bytes at a time, and only where the byte beside might begin or end a word of ours:
// a page is full of "<" and "=" that open or close nothing the passes want. From i >= 1 (the
// look back); returns where the bytes left for the plain loop begin.
std::size_t IndexSse2(const char* s, std::size_t i, std::size_t n, Indexer& indexer) {
    const auto set = [](char c) { return _mm_set1_epi8(c); };
    const auto eq = [](__m128i x, __m128i y) { return _mm_cmpeq_epi8(x, y); };
    const auto any = [](__m128i x, __m128i y) { return _mm_or_si128(x, y); };
    const __m128i fold = set(0x20);
    for (; i + 17 <= n; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + 1));
        const __m128i nextFolded = any(next, fold);
        const __m128i before =
            any(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i - 1)), fold);
        // The first letters of the tag words, the last letters of the attribute words.
        const __m128i tagLetter = any(
            any(any(eq(nextFolded, set('a')), eq(nextFolded, set('b'))),
                any(eq(nextFolded, set('f')), eq(nextFolded, set('i')))),
            any(any(eq(nextFolded, set('l')), eq(nextFolded, set('m'))), eq(nextFolded, set('t'))));
        const __m128i nameLetter = any(any(any(eq(before, set('f')), eq(before, set('c'))),
                                           any(eq(before, set('n')), eq(before, set('d')))),
                                       eq(before, set('e')));
        const __m128i hits = any(any(_mm_and_si128(eq(a, set('<')), tagLetter),
                                     _mm_and_si128(eq(a, set('=')), nameLetter)),
                                 _mm_and_si128(eq(a, set(':')), eq(next, set('/'))));
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
        while (mask != 0) {
            indexer.At(i + static_cast<std::size_t>(__builtin_ctz(mask)));
            mask &= mask - 1;
        }
    }
    return i;
}
#endif

#if defined(__x86_64__)
#define RAVLET_AVX512 __attribute__((target("avx512f,avx512bw")))

// Where x equals c, among the positions of within.
RAVLET_AVX512 inline __mmask64 Where(__mmask64 within, __m512i x, char c) {
    return _mm512_mask_cmpeq_epi8_mask(within, x, _mm512_set1_epi8(c));
}

// The same test 64 bytes at a time; the letters beside are compared only where the byte is
// an opening, an equals sign or a colon.
RAVLET_AVX512 std::size_t IndexAvx512(const char* s, std::size_t i, std::size_t n,
                                      Indexer& indexer) {
    const __m512i fold = _mm512_set1_epi8(0x20);
    constexpr __mmask64 kAll = ~__mmask64{0};
    for (; i + 65 <= n; i += 64) {
        const __m512i a = _mm512_loadu_si512(s + i);
        const __m512i next = _mm512_loadu_si512(s + i + 1);
        const __m512i nextFolded = _mm512_or_si512(next, fold);
        const __m512i before = _mm512_or_si512(_mm512_loadu_si512(s + i - 1), fold);
        const __mmask64 open = Where(kAll, a, '<'), equals = Where(kAll, a, '=');
        const __mmask64 tag = Where(open, nextFolded, 'a') | Where(open, nextFolded, 'b') |
                              Where(open, nextFolded, 'f') | Where(open, nextFolded, 'i') |
                              Where(open, nextFolded, 'l') | Where(open, nextFolded, 'm') |
                              Where(open, nextFolded, 't');
        const __mmask64 name = Where(equals, before, 'f') | Where(equals, before, 'c') |
                               Where(equals, before, 'n') | Where(equals, before, 'd') |
                               Where(equals, before, 'e');
        std::uint64_t mask = tag | name | Where(Where(kAll, a, ':'), next, '/');
        while (mask != 0) {
            indexer.At(i + static_cast<std::size_t>(__builtin_ctzll(mask)));
            mask &= mask - 1;
        }
    }
    return i;
}
#undef RAVLET_AVX512
#endif

}  // namespace

PageIndex IndexPage(std::string_view text) {
    PageIndex index;
    Indexer indexer(text, index);
    const char* s = text.data();
    const std::size_t n = text.size();
    std::size_t i = 0;
    // The loop the text finder uses, so that a test forcing a path tests this one too.
    const FinderPath path = ActiveFinderPath();
    if (path != FinderPath::Scalar && n >= 18) {
        // The first byte has no byte before it for the loops' look back; an "=" there ends
        // no name.
        if (s[0] == '<' || s[0] == ':') indexer.At(0);
        i = 1;
#if defined(__x86_64__)
        if (path == FinderPath::Avx512) i = IndexAvx512(s, i, n, indexer);
#endif
#if defined(__SSE2__)
        i = IndexSse2(s, i, n, indexer);
#endif
    }
    for (; i < n; ++i) {
        if (s[i] == '<' || s[i] == '=' || s[i] == ':') indexer.At(i);
    }
    return index;
}

const char* PageIndex::PlainPrefix(PlainKind kind) {
    return kPlainPrefixes[static_cast<std::size_t>(kind)];
}

std::size_t NextInList::From(std::size_t from) {
    while (at_ < list_.size() && list_[at_] < from) ++at_;
    return at_ < list_.size() ? list_[at_] : std::string_view::npos;
}

}  // namespace ravlet
