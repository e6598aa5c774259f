// The text every parse starts with, in one pass: line breaks made CR LF, tabs made blanks,
// doubled blanks halved once, blanks around "=" removed, "hxxp://" and "hxxps://" restored.
//
// The blank and "=" replacements only ever touch bytes of runs of blanks, tabs and "=", and
// their patterns consist of nothing else, so each maximal run can be cleaned on its own with
// the replacements in their order; the rest of the text is copied in blocks between the few
// bytes that can start a change, which a vector compare finds 16 at a time.
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "links/LinkScanner.h"
#include "links/ParsePage.h"
#include "links/TextFinder.h"
#include "platform/LargeBuffer.h"

#if defined(__x86_64__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#include <xmmintrin.h>
#endif

namespace ravlet {

namespace {

bool IsRunByte(char c) {
    return c == ' ' || c == '\t' || c == '=';
}

// One left-to-right pass over run replacing every non-overlapping pair a b by keep.
void ReplacePair(std::string& run, char a, char b, char keep) {
    std::size_t write = 0;
    for (std::size_t read = 0; read < run.size();) {
        if (read + 1 < run.size() && run[read] == a && run[read + 1] == b) {
            run[write++] = keep;
            read += 2;
        } else {
            run[write++] = run[read++];
        }
    }
    run.resize(write);
}

// Writes the cleaned text over the text itself: every change keeps or shortens what it
// replaces (line breaks that grow are expanded afterwards), so the written part never
// overtakes the part still to be read, and no second page-sized block is needed.
class InPlace {
  public:
    explicit InPlace(std::string& text) : s_(text.data()) {}
    void Put(const char* bytes, std::size_t n) {
        if (bytes != s_ + at_) std::memmove(s_ + at_, bytes, n);
        at_ += n;
    }
    void Put(std::string_view bytes) { Put(bytes.data(), bytes.size()); }
    std::size_t Size() const { return at_; }
    static constexpr bool kPairsNow = false;
    static constexpr bool kBlankBreaks = false;

  private:
    char* s_;
    std::size_t at_ = 0;
};

// Writes the cleaned text into a new block: for a text that is not ours to change (a mapped
// file), lone line breaks become pairs on the way; with blankBreaks, every pair then becomes
// the two blanks the scanner makes of it.
template <bool blankBreaks = false>
class Appended {
  public:
    explicit Appended(std::string& out) : out_(out) {}
    void Put(const char* bytes, std::size_t n) { out_.append(bytes, n); }
    void Put(std::string_view bytes) { out_.append(bytes); }
    std::size_t Size() const { return out_.size(); }
    static constexpr bool kPairsNow = true;
    static constexpr bool kBlankBreaks = blankBreaks;

  private:
    std::string& out_;
};

// A maximal run of blanks, tabs and "=" as the replacements in their order leave it.
template <typename Out>
void PutCleanRun(const char* run, std::size_t n, std::string& scratch, Out& out) {
    if (n == 1) {
        out.Put(*run == '\t' ? " " : std::string_view(run, 1));
        return;
    }
    // Blanks alone, the indentation of most lines: the halving is all that applies.
    if (std::memchr(run, '=', n) == nullptr && std::memchr(run, '\t', n) == nullptr) {
        out.Put(run, (n + 1) / 2);
        return;
    }
    scratch.assign(run, n);
    for (char& c : scratch) {
        if (c == '\t') c = ' ';
    }
    ReplacePair(scratch, ' ', ' ', ' ');  // once only: four blanks become two
    ReplacePair(scratch, ' ', '=', '=');
    ReplacePair(scratch, '=', ' ', '=');
    out.Put(scratch);
}

// Whether the byte at i can start a change: a line break, a tab, a blank or "=" before a blank
// or tab, a blank before "=", or "hx". A blank alone between other bytes and "=" between other
// bytes (the common cases) are copied. A run that starts with "=" before "=" is cut there
// without harm: "=" is never removed and no pattern spans two of them.
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool StartsChange(const char* s, std::size_t i, std::size_t n) {
    const char c = s[i];
    const char next = i + 1 < n ? s[i + 1] : '\0';
    return c == '\r' || c == '\n' || c == '\t' || (c == '=' && IsBlank(next)) ||
           (c == ' ' && IsRunByte(next)) || (c == 'h' && next == 'x');
}

std::size_t NextChangeScalar(const char* s, std::size_t i, std::size_t n) {
    for (; i < n; ++i) {
        if (StartsChange(s, i, n)) return i;
    }
    return n;
}

#if defined(__SSE2__)
std::size_t NextChangeSse2(const char* s, std::size_t i, std::size_t n) {
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n'), tab = _mm_set1_epi8('\t');
    const __m128i eq = _mm_set1_epi8('='), blank = _mm_set1_epi8(' ');
    const __m128i h = _mm_set1_epi8('h'), x = _mm_set1_epi8('x');
    // The second load reads the byte after each position, so 17 bytes must be there.
    for (; i + 17 <= n; i += 16) {
        // A mapped file is read from memory, not the cache: ask for it well ahead.
        _mm_prefetch(s + i + 1024, _MM_HINT_T0);
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + 1));
        const __m128i bBlank = _mm_or_si128(_mm_cmpeq_epi8(b, blank), _mm_cmpeq_epi8(b, tab));
        const __m128i bRun = _mm_or_si128(bBlank, _mm_cmpeq_epi8(b, eq));
        __m128i hit = _mm_or_si128(_mm_cmpeq_epi8(a, cr), _mm_cmpeq_epi8(a, lf));
        hit = _mm_or_si128(hit, _mm_cmpeq_epi8(a, tab));
        hit = _mm_or_si128(hit, _mm_and_si128(_mm_cmpeq_epi8(a, eq), bBlank));
        hit = _mm_or_si128(hit, _mm_and_si128(_mm_cmpeq_epi8(a, blank), bRun));
        hit = _mm_or_si128(hit, _mm_and_si128(_mm_cmpeq_epi8(a, h), _mm_cmpeq_epi8(b, x)));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hit));
        if (mask != 0) return i + static_cast<std::size_t>(__builtin_ctz(mask));
    }
    return NextChangeScalar(s, i, n);
}
#endif

#if defined(__x86_64__)
// The same test 64 positions at a time; the masked compares test the second byte only where
// the first one matched.
__attribute__((target("avx512f,avx512bw"))) std::size_t NextChangeAvx512(const char* s,
                                                                         std::size_t i,
                                                                         std::size_t n) {
    const __m512i cr = _mm512_set1_epi8('\r'), lf = _mm512_set1_epi8('\n');
    const __m512i tab = _mm512_set1_epi8('\t'), eq = _mm512_set1_epi8('=');
    const __m512i blank = _mm512_set1_epi8(' '), h = _mm512_set1_epi8('h');
    const __m512i x = _mm512_set1_epi8('x');
    for (; i + 65 <= n; i += 64) {
        _mm_prefetch(s + i + 2048, _MM_HINT_T0);
        const __m512i a = _mm512_loadu_si512(s + i);
        const __m512i b = _mm512_loadu_si512(s + i + 1);
        const __mmask64 aBlank = _mm512_cmpeq_epi8_mask(a, blank);
        const __mmask64 aEq = _mm512_cmpeq_epi8_mask(a, eq);
        const __mmask64 aH = _mm512_cmpeq_epi8_mask(a, h);
        const __mmask64 bBlank = _mm512_mask_cmpeq_epi8_mask(aBlank | aEq, b, blank) |
                                 _mm512_mask_cmpeq_epi8_mask(aBlank | aEq, b, tab);
        const __mmask64 bEq = _mm512_mask_cmpeq_epi8_mask(aBlank, b, eq);
        const __mmask64 hit = _mm512_cmpeq_epi8_mask(a, cr) | _mm512_cmpeq_epi8_mask(a, lf) |
                              _mm512_cmpeq_epi8_mask(a, tab) | bBlank | bEq |
                              _mm512_mask_cmpeq_epi8_mask(aH, b, x);
        if (hit != 0) return i + static_cast<std::size_t>(__builtin_ctzll(hit));
    }
#if defined(__SSE2__)
    return NextChangeSse2(s, i, n);
#else
    return NextChangeScalar(s, i, n);
#endif
}
#endif

using NextChangeFn = std::size_t (*)(const char*, std::size_t, std::size_t);

// The loop the text finder uses, so that a test forcing a path tests this one too.
NextChangeFn NextChangeLoop() {
    switch (ActiveFinderPath()) {
#if defined(__x86_64__)
        case FinderPath::Avx512:
            return NextChangeAvx512;
#endif
        case FinderPath::Scalar:
            return NextChangeScalar;
        default:
#if defined(__SSE2__)
            return NextChangeSse2;
#else
            return NextChangeScalar;
#endif
    }
}

bool At(const char* s, std::size_t i, std::size_t n, std::string_view word) {
    return n - i >= word.size() && std::memcmp(s + i, word.data(), word.size()) == 0;
}

// Makes each lone CR or LF, whose positions in the cleaned text are given, a CR LF pair,
// moving the text behind them from the back, each byte once.
void ExpandLineBreaks(std::string& text, std::size_t size, const std::vector<std::size_t>& at) {
    ResizeLarge(text, size + at.size());
    char* s = text.data();
    std::size_t readEnd = size;
    std::size_t writeEnd = size + at.size();
    for (auto it = at.rbegin(); it != at.rend(); ++it) {
        const std::size_t tail = readEnd - (*it + 1);
        writeEnd -= tail;
        std::memmove(s + writeEnd, s + *it + 1, tail);
        s[--writeEnd] = '\n';
        s[--writeEnd] = '\r';
        readEnd = *it;
    }
}

// The one pass from s to out; the cleaned positions of lone CRs and LFs that are still to
// become pairs go to lone. newlines false leaves line breaks as they are (the clean-up alone).
template <typename Out>
void Clean(const char* s, std::size_t n, bool newlines, Out& out, std::vector<std::size_t>& lone) {
    std::string scratch;
    std::size_t copied = 0;
    std::size_t i = 0;
    const NextChangeFn nextChange = NextChangeLoop();
    while ((i = nextChange(s, i, n)) < n) {
        out.Put(s + copied, i - copied);
        const char c = s[i];
        if (c == '\r' || c == '\n') {
            const bool pair = c == '\r' && i + 1 < n && s[i + 1] == '\n';
            if (Out::kBlankBreaks) {
                out.Put("  ", 2);
            } else if (pair) {
                out.Put(s + i, 2);
            } else if (newlines && Out::kPairsNow) {
                out.Put("\r\n", 2);
            } else {
                if (newlines) lone.push_back(out.Size());
                out.Put(s + i, 1);
            }
            i += pair ? 2 : 1;
        } else if (c == 'h') {
            // Addresses disguised against harvesters; exact letter case.
            if (At(s, i, n, "hxxp://")) {
                out.Put("http://", 7);
                i += 7;
            } else if (At(s, i, n, "hxxps://")) {
                out.Put("https://", 8);
                i += 8;
            } else {
                out.Put(s + i++, 1);
            }
        } else {
            std::size_t end = i + 1;
            while (end < n && IsRunByte(s[end])) ++end;
            PutCleanRun(s + i, end - i, scratch, out);
            i = end;
        }
        copied = i;
    }
    out.Put(s + copied, n - copied);
}

void PrepareInPlace(std::string& text, bool newlines) {
    InPlace out(text);
    std::vector<std::size_t> lone;
    Clean(text.data(), text.size(), newlines, out, lone);
    if (lone.empty()) {
        text.resize(out.Size());
    } else {
        ExpandLineBreaks(text, out.Size(), lone);
    }
}

template <bool blankBreaks>
void PrepareInto(std::string_view text, std::string& prepared) {
    prepared.clear();
    // Most pages gain little: a sixteenth more room, then the string grows as strings do.
    ReserveLarge(prepared, text.size() + text.size() / 16);
    Appended<blankBreaks> out(prepared);
    std::vector<std::size_t> none;
    Clean(text.data(), text.size(), true, out, none);
}

}  // namespace

void PreparePageTextInPlace(std::string& text) {
    PrepareInPlace(text, true);
}

std::string PreparePageText(std::string_view text) {
    std::string prepared;
    PreparePageTextInto(text, prepared);
    return prepared;
}

void PreparePageTextInto(std::string_view text, std::string& prepared) {
    PrepareInto<false>(text, prepared);
}

void PrepareScanText(std::string_view text, std::string& prepared) {
    PrepareInto<true>(text, prepared);
}

std::string CleanPageText(std::string& text) {
    PrepareInPlace(text, false);
    return text;
}

}  // namespace ravlet
