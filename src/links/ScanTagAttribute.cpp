#include <algorithm>
#include <cstring>

#include "links/LinkScanner.h"
#include "links/TextFinder.h"
#include "net/ravlet_url.h"
#include "platform/DoEvents.h"

namespace ravlet {

bool ScanTagAttribute(const std::string& text, const std::string& tag, const std::string& attribute,
                      std::vector<std::string>& results) {
    constexpr std::size_t npos = TextFinder::npos;
    const std::string_view t(text);
    const TextFinder tagFinder("<" + tag, true);
    // One blank before the name and the equals sign right after it, as pages mostly write it
    // once CleanPageText has removed blanks around "=".
    const TextFinder attributeFinder(" " + attribute + "=", true);
    // The ends of values are searched from positions that only grow; these remember the next
    // occurrence, so a page full of values without an end stays one forward scan.
    NextByte nextDouble('"'), nextSingle('\''), nextBlank(' '), nextClose('>');
    const bool anyTag = tag.empty();
    bool appended = false;
    std::size_t s = 0;
    for (;;) {
        if (!anyTag) {
            // No word end after the tag name: "<a" also finds "<area" and "<abbr".
            const std::size_t p = tagFinder.Find(t, s);
            if (p == npos) break;
            s = p + tagFinder.Size();
        }
        // The next attribute anywhere after the tag, not necessarily inside it.
        const std::size_t q = attributeFinder.Find(t, s);
        if (q == npos) break;
        std::size_t v = q + attributeFinder.Size();
        const char c = v < t.size() ? t[v] : '\0';
        std::size_t e;
        if (c == '"' || c == '\'') {
            ++v;
            e = (c == '"' ? nextDouble : nextSingle).From(t, v);
        } else {
            e = std::min(nextBlank.From(t, v), nextClose.From(t, v));
        }
        if (e != npos) {
            if (e > v) {
                std::string value(t.substr(v, e - v));
                if (std::memchr(value.data(), '&', value.size())) value = HtmlDecodeAmp(value);
                results.push_back(std::move(value));
                appended = true;
            }
            s = e + 1;
        } else {
            // Without an end nothing is taken; the search goes on behind this attribute.
            s = v;
        }
        DoEvents();
    }
    return appended;
}

}  // namespace ravlet
