#include <algorithm>
#include <climits>
#include <cmath>

#include "links/LinkScanner.h"
#include "links/TextFinder.h"
#include "platform/DoEvents.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

bool ScanPlainText(const std::string& text, const std::string& prefix,
                   std::vector<std::string>& results, ctlStatusBar* statusBar) {
    constexpr std::size_t npos = TextFinder::npos;
    if (text.empty() || prefix.empty()) return false;
    if (statusBar) statusBar->Caption("Parse: " + prefix + " (Plain Text)");
    const std::string_view t(text);
    const TextFinder prefixFinder(prefix, true);
    // Whatever the prefix, the beginning of another "http://" address ends an address.
    const TextFinder httpFinder("http://", true);
    NextByte nextBlank(' '), nextQuote('"');
    NextText nextHttp(httpFinder);
    const double perByte = 100.0 / static_cast<double>(t.size());
    int shownPercent = INT_MIN;
    bool appended = false;
    std::size_t s = 0;
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
        const std::size_t p = prefixFinder.Find(t, s);
        if (p == npos) break;
        found = p + 1;
        std::size_t e =
            std::min({nextBlank.From(t, p), nextQuote.From(t, p), nextHttp.From(t, p + 1)});
        if (e == npos) e = t.size();
        if (e > p) {
            // Taken as it stands: no "&amp;" decoding in running text.
            results.emplace_back(t.substr(p, e - p));
            appended = true;
        }
        s = p + prefix.size() + 1;
    }
    return appended;
}

}  // namespace ravlet
