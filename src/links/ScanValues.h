#pragma once
// The walk of one tag and attribute pass, whatever finds the tag openings and the attribute
// names: a search of the text, or the lists of one sweep.
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "links/FoundLinks.h"
#include "links/TextFinder.h"
#include "net/ravlet_url.h"
#include "platform/DoEvents.h"

namespace ravlet {

// nextTag(from) and nextAttribute(from) give the first opening or name at or after from
// (npos when none); from only grows within a walk.
template <typename NextTag, typename NextAttribute>
bool ScanValues(std::string_view t, bool anyTag, NextTag nextTag, std::size_t tagSize,
                NextAttribute nextAttribute, std::size_t attributeSize, FoundLinks& results) {
    constexpr std::size_t npos = TextFinder::npos;
    // The ends of values are searched from positions that only grow; these remember the next
    // occurrence, so a page full of values without an end stays one forward scan.
    NextByte nextDouble('"'), nextSingle('\''), nextBlank(' '), nextClose('>');
    bool appended = false;
    std::size_t s = 0;
    for (;;) {
        if (!anyTag) {
            // No word end after the tag name: "<a" also finds "<area" and "<abbr".
            const std::size_t p = nextTag(s);
            if (p == npos) break;
            s = p + tagSize;
        }
        // The next attribute anywhere after the tag, not necessarily inside it.
        const std::size_t q = nextAttribute(s);
        if (q == npos) break;
        std::size_t v = q + attributeSize;
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
                const std::string_view value = t.substr(v, e - v);
                if (std::memchr(value.data(), '&', value.size())) {
                    results.AddKept(HtmlDecodeAmp(std::string(value)));
                } else {
                    results.Add(value);
                }
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
