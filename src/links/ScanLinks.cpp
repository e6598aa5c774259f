#include <algorithm>

#include "links/FoundLinks.h"
#include "links/LinkScanner.h"
#include "links/PageIndex.h"
#include "links/SegmentScan.h"
#include "platform/DoEvents.h"
#include "tools/ctlStatusBar.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ravlet {

namespace {

struct TagPass {
    TagKind tag;
    AttributeKind attribute;
};

constexpr TagPass kHrefPasses[] = {{TagKind::A, AttributeKind::Href},
                                   {TagKind::Link, AttributeKind::Href},
                                   {TagKind::Frame, AttributeKind::Src},
                                   {TagKind::Map, AttributeKind::Href},
                                   {TagKind::Form, AttributeKind::Action}};
constexpr TagPass kImagePasses[] = {
    {TagKind::Img, AttributeKind::Src},         {TagKind::Img, AttributeKind::Lowsrc},
    {TagKind::Body, AttributeKind::Background}, {TagKind::Table, AttributeKind::Background},
    {TagKind::Tr, AttributeKind::Background},   {TagKind::Td, AttributeKind::Background}};
// The names looked for after any tag.
constexpr AttributeKind kWildPasses[] = {AttributeKind::Src, AttributeKind::Value};
constexpr PlainKind kPlainPasses[] = {PlainKind::Http, PlainKind::Https, PlainKind::Ftp};

// Each group's share of the gauge's maximum.
constexpr int kWeightHref = 5;
constexpr int kWeightImages = 6;
constexpr int kWeightWildSrc = 7;
constexpr int kWeightPlain = 3;

// The status bar is optional: without one the passes run unseen.
class Gauge {
  public:
    explicit Gauge(ctlStatusBar* bar) : bar_(bar) {}
    void Status(const char* text) {
        if (bar_) bar_->Caption(text);
    }
    void Value(int value) {
        if (bar_) bar_->Step(value);
    }
    void Show(int maximum) {
        if (!bar_) return;
        bar_->Step(0);
        bar_->Mode(1);
        bar_->Caption("Scanning...");
        bar_->Steps(maximum);
    }
    void Hide(bool percentUsed) {
        if (!bar_) return;
        bar_->Caption("Scanning done.");
        bar_->Mode(0);
        bar_->Step(0);
        // The plain-text passes leave their last percent; in simple mode it would stay drawn
        // as a bar that belongs to nothing.
        if (percentUsed) bar_->Percent(0);
    }
    ctlStatusBar* Bar() const { return bar_; }

  private:
    ctlStatusBar* bar_;
};

// Sixteen bytes at a time where the processor can: this pass sees every byte of the page.
void BlankLineBreaks(std::string& text) {
    char* s = text.data();
    const std::size_t n = text.size();
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n'), blank = _mm_set1_epi8(' ');
    for (; i + 16 <= n; i += 16) {
        __m128i* at = reinterpret_cast<__m128i*>(s + i);
        const __m128i a = _mm_loadu_si128(at);
        const __m128i breaks = _mm_or_si128(_mm_cmpeq_epi8(a, cr), _mm_cmpeq_epi8(a, lf));
        // Stored whether or not it changed: a branch on it would be mispredicted once a line.
        _mm_storeu_si128(at,
                         _mm_or_si128(_mm_and_si128(breaks, blank), _mm_andnot_si128(breaks, a)));
    }
#endif
    for (; i < n; ++i) {
        if (s[i] == '\r' || s[i] == '\n') s[i] = ' ';
    }
}

}  // namespace

bool ScanLinks(std::string text, std::vector<std::string>& results, int modes,
               ctlStatusBar* statusBar) {
    FoundLinks found;
    const bool any = ScanLinksInto(text, found, modes, statusBar);
    found.CopyTo(results);
    return any;
}

bool ScanLinksInto(std::string& text, FoundLinks& results, int modes, ctlStatusBar* statusBar) {
    // Line breaks become blanks, so a CR LF pair becomes two; values then end at them.
    BlankLineBreaks(text);
    Gauge gauge(statusBar);
    int maximum = 0;
    if (modes & ScanHref) maximum += kWeightHref;
    if (modes & ScanImages) maximum += kWeightImages;
    if (modes & ScanWildSrc) maximum += kWeightWildSrc;
    if (modes & ScanPlainHttp) maximum += kWeightPlain;
    gauge.Show(maximum);

    // One sweep finds every tag opening, attribute name and address prefix the passes look for.
    const PageIndex index = modes != 0 ? IndexPage(text) : PageIndex{};
    // No pass finds more values than the index has names and prefixes.
    std::size_t most = 0;
    for (const auto& list : index.attributes) most += list.size();
    for (const auto& list : index.plain) most += list.size();
    results.Reserve(results.Count() + most);
    const auto scan = [&](const TagPass& pass) {
        return ScanIndexedTagAttribute(text, index, &pass.tag, pass.attribute, results);
    };
    bool found = false;
    int step = 0;
    if (modes & ScanHref) {
        gauge.Status("Scanning href...");
        for (const TagPass& pass : kHrefPasses) {
            found = scan(pass) || found;
            gauge.Value(++step);
        }
    }
    DoEvents();
    if (modes & ScanImages) {
        gauge.Status("Scanning images...");
        for (const TagPass& pass : kImagePasses) {
            found = scan(pass) || found;
            gauge.Value(++step);
        }
    }
    if (modes & ScanWildSrc) {
        gauge.Status("Scanning src...");
        for (const AttributeKind attribute : kWildPasses)
            found = ScanIndexedTagAttribute(text, index, nullptr, attribute, results) || found;
        ++step;
    }
    if (modes & ScanPlainHttp) {
        gauge.Status("Scanning plain...");
        gauge.Value(step);
        for (const PlainKind prefix : kPlainPasses) {
            found = ScanIndexedPlainText(text, index, prefix, results, gauge.Bar()) || found;
            gauge.Value(++step);
        }
    }
    gauge.Hide((modes & ScanPlainHttp) != 0);
    return found;
}

SegmentScan::SegmentScan(int modes) {
    const auto tagPasses = [this](const auto& passes) {
        for (const TagPass& p : passes) passes_.push_back({Pass::Kind::Tag, p.tag, p.attribute});
    };
    if (modes & ScanHref) tagPasses(kHrefPasses);
    if (modes & ScanImages) tagPasses(kImagePasses);
    if (modes & ScanWildSrc) {
        for (const AttributeKind a : kWildPasses)
            passes_.push_back({Pass::Kind::AnyTag, TagKind::A, a});
    }
    if (modes & ScanPlainHttp) {
        for (const PlainKind prefix : kPlainPasses)
            passes_.push_back({Pass::Kind::Plain, TagKind::A, AttributeKind::Href, prefix});
    }
    walks_.resize(passes_.size());
    found_.resize(passes_.size());
}

void SegmentScan::Scan(std::string& segment, bool blanked) {
    if (!blanked) BlankLineBreaks(segment);
    const PageIndex index = passes_.empty() ? PageIndex{} : IndexPage(segment);
    for (std::size_t i = 0; i < passes_.size(); ++i) {
        const Pass& pass = passes_[i];
        found_[i].Clear();
        if (pass.kind == Pass::Kind::Plain) {
            ScanIndexedPlainText(segment, index, pass.plain, found_[i], nullptr, &walks_[i]);
        } else {
            ScanIndexedTagAttribute(segment, index,
                                    pass.kind == Pass::Kind::Tag ? &pass.tag : nullptr,
                                    pass.attribute, found_[i], &walks_[i]);
        }
    }
}

std::size_t SegmentScan::Held() const {
    std::size_t bytes = 0;
    for (const ValueWalk& walk : walks_) bytes += walk.begun.size();
    return bytes;
}

bool SegmentScan::Finish() {
    bool whole = true;
    for (std::size_t i = 0; i < passes_.size(); ++i) {
        found_[i].Clear();
        ValueWalk& walk = walks_[i];
        if (!walk.open) continue;
        if (passes_[i].kind != Pass::Kind::Plain) {
            whole = false;
            continue;
        }
        // An address in running text ends at the page's end.
        walk.End(found_[i], false);
    }
    return whole;
}

}  // namespace ravlet
