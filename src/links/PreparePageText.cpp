// The text every parse starts with, in one pass: line breaks made CR LF, tabs made blanks,
// doubled blanks halved once, blanks around "=" removed, "hxxp://" and "hxxps://" restored.
//
// The blank and "=" replacements only ever touch bytes of runs of blanks, tabs and "=", and
// their patterns consist of nothing else, so each maximal run can be cleaned on its own with
// the replacements in their order; the rest of the text is copied in blocks between the few
// bytes that can start a change, which a vector compare finds 16 at a time.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "links/LinkScanner.h"
#include "links/ParsePage.h"
#include "platform/LargeBuffer.h"

#if defined(__SSE2__)
#include <emmintrin.h>
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

// The output, written through a position into a text sized ahead: a page stops here about
// once a line, so each stop must cost little.
class Output {
  public:
    explicit Output(std::size_t expected) { ResizeLarge(text_, expected); }
    void Put(const char* bytes, std::size_t n) {
        if (at_ + n > text_.size()) ResizeLarge(text_, std::max(text_.size() * 2, at_ + n));
        std::memcpy(text_.data() + at_, bytes, n);
        at_ += n;
    }
    void Put(std::string_view bytes) { Put(bytes.data(), bytes.size()); }
    std::string Take() {
        text_.resize(at_);
        return std::move(text_);
    }

  private:
    std::string text_;
    std::size_t at_ = 0;
};

// A maximal run of blanks, tabs and "=" as the replacements in their order leave it.
void PutCleanRun(std::string_view bytes, std::string& scratch, Output& out) {
    if (bytes.size() == 1) {
        out.Put(bytes[0] == '\t' ? " " : bytes);
        return;
    }
    scratch.assign(bytes);
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

std::size_t NextChange(const char* s, std::size_t i, std::size_t n) {
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n'), tab = _mm_set1_epi8('\t');
    const __m128i eq = _mm_set1_epi8('='), blank = _mm_set1_epi8(' ');
    const __m128i h = _mm_set1_epi8('h'), x = _mm_set1_epi8('x');
    // The second load reads the byte after each position, so 17 bytes must be there.
    for (; i + 17 <= n; i += 16) {
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
#endif
    for (; i < n; ++i) {
        if (StartsChange(s, i, n)) return i;
    }
    return n;
}

bool At(std::string_view text, std::size_t i, std::string_view word) {
    return text.compare(i, word.size(), word) == 0;
}

// newlines false leaves line breaks as they are (the clean-up alone).
std::string Prepare(std::string_view text, bool newlines) {
    const char* s = text.data();
    const std::size_t n = text.size();
    // Line feeds alone grow by one byte each; most pages then fit without growing.
    Output out(n + n / 16 + 16);
    std::string scratch;
    std::size_t copied = 0;
    std::size_t i = 0;
    while ((i = NextChange(s, i, n)) < n) {
        out.Put(s + copied, i - copied);
        const char c = s[i];
        if (c == '\r' || c == '\n') {
            if (newlines) {
                out.Put("\r\n", 2);
                i += c == '\r' && i + 1 < n && s[i + 1] == '\n' ? 2 : 1;
            } else {
                out.Put(s + i++, 1);
            }
        } else if (c == 'h') {
            // Addresses disguised against harvesters; exact letter case.
            if (At(text, i, "hxxp://")) {
                out.Put("http://", 7);
                i += 7;
            } else if (At(text, i, "hxxps://")) {
                out.Put("https://", 8);
                i += 8;
            } else {
                out.Put(s + i++, 1);
            }
        } else {
            std::size_t end = i + 1;
            while (end < n && IsRunByte(s[end])) ++end;
            PutCleanRun(text.substr(i, end - i), scratch, out);
            i = end;
        }
        copied = i;
    }
    out.Put(s + copied, n - copied);
    return out.Take();
}

}  // namespace

std::string PreparePageText(const std::string& text) {
    return Prepare(text, true);
}

std::string CleanPageText(std::string& text) {
    text = Prepare(text, false);
    return text;
}

}  // namespace ravlet
