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

// Where a pass stood at the end of one segment of a page given in segments (each beginning
// with "<", so that no tag opening, name or prefix spans two): the walk goes on from there in
// the next one.
struct ValueWalk {
    bool afterTag = false;            // a tag opening was found, the attribute after it not yet
    bool open = false;                // values began whose end is still to come
    char end = '\0';                  // what ends them: a quote, or '\0' for a blank or ">"
    std::string begun;                // their bytes so far
    std::vector<std::size_t> starts;  // where each begins in begun (plain passes have several)

    // A value begins at start of the segment text and runs past its end; tail is the text from
    // the first open value on, given when none was open yet.
    void Begin(std::string_view tail, std::size_t start) {
        if (!open) begun.assign(tail);
        open = true;
        starts.push_back(start);
    }
    // The open values end where their gathered bytes end: each one that has a byte goes to
    // results (kept, since the segments are not), "&amp;" decoded when decode says so. True
    // when any went.
    bool End(FoundLinks& results, bool decode) {
        bool any = false;
        for (const std::size_t start : starts) {
            const std::string_view value = std::string_view(begun).substr(start);
            if (value.empty()) continue;
            if (decode && std::memchr(value.data(), '&', value.size())) {
                results.AddKept(HtmlDecodeAmp(std::string(value)));
            } else {
                results.AddKept(std::string(value));
            }
            any = true;
        }
        open = false;
        begun.clear();
        starts.clear();
        return any;
    }
};

// nextTag(from) and nextAttribute(from) give the first opening or name at or after from
// (npos when none); from only grows within a walk. With a walk, t is one segment of the page:
// a value without an end in it stays open for the next segment instead of being given up.
template <typename NextTag, typename NextAttribute>
bool ScanValues(std::string_view t, bool anyTag, NextTag nextTag, std::size_t tagSize,
                NextAttribute nextAttribute, std::size_t attributeSize, FoundLinks& results,
                ValueWalk* walk = nullptr) {
    constexpr std::size_t npos = TextFinder::npos;
    // The ends of values are searched from positions that only grow; these remember the next
    // occurrence, so a page full of values without an end stays one forward scan.
    NextByte nextDouble('"'), nextSingle('\''), nextBlank(' '), nextClose('>');
    const auto endFrom = [&](char quote, std::size_t v) {
        if (quote == '"' || quote == '\'')
            return (quote == '"' ? nextDouble : nextSingle).From(t, v);
        return std::min(nextBlank.From(t, v), nextClose.From(t, v));
    };
    bool appended = false;
    std::size_t s = 0;
    bool tagFound = false;
    if (walk) {
        if (walk->open) {
            const std::size_t e = endFrom(walk->end, 0);
            if (e == npos) {
                walk->begun.append(t);
                return false;
            }
            walk->begun.append(t.substr(0, e));
            appended = walk->End(results, true);
            s = e + 1;
        }
        tagFound = walk->afterTag;
        walk->afterTag = false;
    }
    for (;;) {
        if (!anyTag && !tagFound) {
            // No word end after the tag name: "<a" also finds "<area" and "<abbr".
            const std::size_t p = nextTag(s);
            if (p == npos) break;
            s = p + tagSize;
        }
        tagFound = false;
        // The next attribute anywhere after the tag, not necessarily inside it.
        const std::size_t q = nextAttribute(s);
        if (q == npos) {
            if (walk && !anyTag) walk->afterTag = true;
            break;
        }
        std::size_t v = q + attributeSize;
        const char c = v < t.size() ? t[v] : '\0';
        const char quote = c == '"' || c == '\'' ? c : '\0';
        if (quote) ++v;
        const std::size_t e = endFrom(quote, v);
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
        } else if (walk) {
            // The rest of the segment belongs to the value; its end may come in the next.
            walk->Begin(t.substr(v), 0);
            walk->end = quote;
            break;
        } else {
            // Without an end nothing is taken; the search goes on behind this attribute.
            s = v;
        }
        DoEvents();
    }
    return appended;
}

}  // namespace ravlet
