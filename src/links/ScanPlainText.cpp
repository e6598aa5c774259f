#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>

#include "links/FoundLinks.h"
#include "links/LinkScanner.h"
#include "links/PageIndex.h"
#include "links/ScanValues.h"
#include "links/TextFinder.h"
#include "platform/DoEvents.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

namespace {

// The walk of one plain-text pass, whatever finds the prefixes and the "http://" that ends an
// address: a search of the text, or the lists of one sweep. Both are asked from positions that
// only grow. With a walk, t is one segment of the page, as for the tag passes.
template <typename NextPrefix, typename NextHttp>
bool ScanPlainValues(std::string_view t, const std::string& prefix, NextPrefix nextPrefix,
                     NextHttp nextHttp, FoundLinks& results, ctlStatusBar* statusBar,
                     ValueWalk* walk = nullptr) {
    constexpr std::size_t npos = TextFinder::npos;
    if (t.empty() || prefix.empty()) return false;
    if (statusBar) statusBar->Caption("Parse: " + prefix + " (Plain Text)");
    NextByte nextBlank(' '), nextQuote('"');
    const double perByte = 100.0 / static_cast<double>(t.size());
    int shownPercent = INT_MIN;
    bool appended = false;
    // A segment's search for prefixes starts at its beginning: where the last one stopped
    // beyond the segment before, there is only this segment's first byte, a "<", which begins
    // no prefix.
    std::size_t s = 0;
    // Where t begins in the walk's gathered bytes (negative while they begin inside t).
    std::ptrdiff_t at = 0;
    if (walk && walk->open) {
        const std::size_t e = std::min({nextBlank.From(t, 0), nextQuote.From(t, 0), nextHttp(0)});
        if (e == npos) {
            // No end here at all: every address found below stays open too.
            at = static_cast<std::ptrdiff_t>(walk->begun.size());
            walk->begun.append(t);
        } else {
            walk->begun.append(t.substr(0, e));
            appended = walk->End(results, false);
        }
    }
    std::size_t found = 0;  // 1-based position of the last address, 0 before the first
    for (;;) {
        if (statusBar) {
            const int percent = static_cast<int>(std::nearbyint(perByte * found));
            // The same value again would only repaint the same bar.
            if (percent != shownPercent) {
                statusBar->Percent(percent);
                shownPercent = percent;
            }
        }
        DoEvents();
        const std::size_t p = nextPrefix(s);
        if (p == npos) break;
        found = p + 1;
        // Whatever the prefix, the beginning of another "http://" address ends an address.
        std::size_t e = std::min({nextBlank.From(t, p), nextQuote.From(t, p), nextHttp(p + 1)});
        if (e == npos && walk) {
            if (!walk->open) at = -static_cast<std::ptrdiff_t>(p);
            walk->Begin(t.substr(p), static_cast<std::size_t>(at + static_cast<std::ptrdiff_t>(p)));
        } else {
            if (e == npos) e = t.size();
            if (e > p) {
                // Taken as it stands: no "&amp;" decoding in running text.
                results.Add(t.substr(p, e - p));
                appended = true;
            }
        }
        s = p + prefix.size() + 1;
    }
    return appended;
}

}  // namespace

bool ScanPlainText(const std::string& text, const std::string& prefix,
                   std::vector<std::string>& results, ctlStatusBar* statusBar) {
    const std::string_view t(text);
    const TextFinder prefixFinder(prefix, true);
    const TextFinder httpFinder("http://", true);
    NextText http(httpFinder);
    FoundLinks found;
    const bool any = ScanPlainValues(
        t, prefix, [&](std::size_t from) { return prefixFinder.Find(t, from); },
        [&](std::size_t from) { return http.From(t, from); }, found, statusBar);
    found.CopyTo(results);
    return any;
}

bool ScanIndexedPlainText(std::string_view text, const PageIndex& index, PlainKind prefix,
                          FoundLinks& results, ctlStatusBar* statusBar, ValueWalk* walk) {
    NextInList prefixes(index.plain[static_cast<std::size_t>(prefix)]);
    NextInList http(index.plain[static_cast<std::size_t>(PlainKind::Http)]);
    return ScanPlainValues(
        text, PageIndex::PlainPrefix(prefix), [&](std::size_t from) { return prefixes.From(from); },
        [&](std::size_t from) { return http.From(from); }, results, statusBar, walk);
}

}  // namespace ravlet
