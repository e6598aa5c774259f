#include <algorithm>
#include <cstring>

#include "links/LinkScanner.h"
#include "links/TagAttributeScan.h"
#include "net/ravlet_url.h"
#include "platform/DoEvents.h"

namespace ravlet {

TagAttributeScan::TagAttributeScan(std::string_view text, const std::string& tag,
                                   const std::string& attribute, std::vector<std::string>& results)
    : text_(text),
      tagFinder_("<" + tag, true),
      // One blank before the name and the equals sign right after it, as pages mostly write
      // it once CleanPageText has removed blanks around "=".
      attributeFinder_(" " + attribute + "=", true),
      anyTag_(tag.empty()),
      results_(results) {}

// The first occurrence at or after the pass's position that starts before limit; npos when
// there is none (then none starts before limit, and the pass may go on from there).
std::size_t TagAttributeScan::FindBefore(const TextFinder& finder, std::size_t limit) const {
    if (limit >= text_.size()) return finder.Find(text_, s_);
    return finder.Find(text_.substr(0, limit + finder.Size() - 1), s_);
}

bool TagAttributeScan::Run(std::size_t limit) {
    constexpr std::size_t npos = TextFinder::npos;
    const std::string_view t = text_;
    while (!ended_) {
        std::size_t q;
        if (anyTag_) {
            q = FindBefore(attributeFinder_, limit);
        } else {
            // No word end after the tag name: "<a" also finds "<area" and "<abbr".
            const std::size_t p = FindBefore(tagFinder_, limit);
            if (p != npos) {
                s_ = p + tagFinder_.Size();
                // The next attribute anywhere after the tag, not necessarily inside it.
                q = attributeFinder_.Find(t, s_);
                if (q == npos) ended_ = true;
            } else {
                q = npos;
            }
        }
        if (ended_) break;
        if (q == npos) {
            // Nothing more starts before limit: the next stretch goes on from there.
            if (limit >= t.size()) {
                ended_ = true;
            } else {
                s_ = std::max(s_, limit);
            }
            break;
        }
        std::size_t v = q + attributeFinder_.Size();
        const char c = v < t.size() ? t[v] : '\0';
        std::size_t e;
        if (c == '"' || c == '\'') {
            ++v;
            e = (c == '"' ? nextDouble_ : nextSingle_).From(t, v);
        } else {
            e = std::min(nextBlank_.From(t, v), nextClose_.From(t, v));
        }
        if (e != npos) {
            if (e > v) {
                std::string value(t.substr(v, e - v));
                if (std::memchr(value.data(), '&', value.size())) value = HtmlDecodeAmp(value);
                results_.push_back(std::move(value));
                appended_ = true;
            }
            s_ = e + 1;
        } else {
            // Without an end nothing is taken; the search goes on behind this attribute.
            s_ = v;
        }
        DoEvents();
    }
    return !ended_;
}

bool ScanTagAttribute(const std::string& text, const std::string& tag, const std::string& attribute,
                      std::vector<std::string>& results) {
    TagAttributeScan scan(text, tag, attribute, results);
    scan.Run(TextFinder::npos);
    return scan.Appended();
}

}  // namespace ravlet
