#include "filters/TagScanner.h"

#include <algorithm>

#include "net/ravlet_url.h"

namespace ravlet {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool IsNameDelimiter(char c) {
    return c == '/' || c == '>' || c == '=' || c == '"' || c == ' ' || c == '\r' || c == '\n' ||
           c == '\t';
}

char Fold(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool IMatchAt(std::string_view text, std::size_t at, std::string_view what) {
    if (at + what.size() > text.size()) return false;
    for (std::size_t i = 0; i < what.size(); ++i) {
        if (Fold(text[at + i]) != Fold(what[i])) return false;
    }
    return true;
}

// "<" + name + blank, "<" + name + "/>" or "<" + name + ">" at the 0-based index at.
bool OpenTagAt(std::string_view text, std::size_t at, std::string_view name) {
    if (text[at] != '<' || !IMatchAt(text, at + 1, name)) return false;
    const std::size_t after = at + 1 + name.size();
    if (after >= text.size()) return false;
    const char c = text[after];
    return c == ' ' || c == '>' || (c == '/' && after + 1 < text.size() && text[after + 1] == '>');
}

bool CloseTagAt(std::string_view text, std::size_t at, std::string_view name) {
    return at + 1 < text.size() && text[at] == '<' && text[at + 1] == '/' &&
           IMatchAt(text, at + 2, name);
}

// The 0-based index of the ">" that ends the tag whose "<" is at lt, or npos when the tag is
// unfinished: a "<" outside a quoted value comes first, or the text ends. A "<" or ">" in a
// quoted value is text.
std::size_t TagClose(std::string_view text, std::size_t lt) {
    bool quoted = false;
    for (std::size_t i = lt + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted) {
            if (c == '>') return i;
            if (c == '<') return npos;
        }
    }
    return npos;
}

// The 0-based index of the first "<" at or after the 1-based position from.
std::size_t NextLess(std::string_view text, std::size_t from) {
    return text.find('<', from == 0 ? 0 : from - 1);
}

// The matching rule over any way of finding opening and closing tags.
template <typename Finder>
std::size_t MatchClose(const Finder& finder, std::string_view text, std::size_t nameLength,
                       std::size_t from, std::size_t limit, int depth) {
    if (depth > TagIndex::kMaxDepth) return 0;
    auto within = [limit](std::size_t pos) { return pos > limit ? 0 : pos; };
    std::size_t o = finder.FindOpen(from);
    if (o == 0 || o > limit) {
        const std::size_t c = finder.FindClose(from);
        return c == 0 ? limit : c;
    }
    std::size_t p = from;
    std::size_t last = 0;
    for (;;) {
        const std::size_t c = within(finder.FindClose(p));
        if (c == 0) return last;
        o = within(finder.FindOpen(p));
        if (o == 0 || c < o) return c;
        const std::size_t gt = text.find('>', o);  // o is 1-based: the search starts after "<"
        if (gt == npos) return 0;
        const std::size_t nested = MatchClose(finder, text, nameLength, gt + 2, limit, depth + 1);
        if (nested == 0) return 0;
        p = nested + nameLength + 3;
        last = c;
    }
}

struct PlainFinder {
    std::string_view text;
    std::string_view name;
    std::size_t FindOpen(std::size_t from) const { return TagFindOpen(text, from, name); }
    std::size_t FindClose(std::size_t from) const { return TagFindClose(text, from, name); }
};

std::size_t FirstAtOrAfter(const std::vector<std::size_t>& positions, std::size_t from) {
    const auto it = std::lower_bound(positions.begin(), positions.end(), from);
    return it == positions.end() ? 0 : *it;
}

}  // namespace

std::size_t TagNext(std::string_view text, std::size_t from, TagInfo* tag) {
    std::size_t lt = NextLess(text, from);
    for (;;) {
        if (lt == npos || lt + 1 >= text.size()) return 0;
        const char next = text[lt + 1];
        // A "<" whose tag never ends (the next "<" comes first) is text, not a tag: it must
        // not take the following tags into its attributes.
        if (next != '&' && next != '>' && next != ' ' && next != '/' && TagClose(text, lt) != npos)
            break;
        lt = text.find('<', lt + 1);
    }
    std::size_t nameEnd = lt + 1;
    while (nameEnd < text.size() && !IsNameDelimiter(text[nameEnd])) ++nameEnd;
    if (nameEnd >= text.size()) return 0;
    const std::size_t gt = text.find('>', lt);
    if (gt == npos) return 0;
    if (tag) {
        tag->name.assign(text.substr(lt + 1, nameEnd - lt - 1));
        tag->selfClosing = text[gt - 1] == '/';
        tag->end = gt + 2;
    }
    return lt + 1;
}

std::size_t TagAttrNext(std::string_view text, std::size_t from) {
    if (from == 0) from = 1;
    if (from > text.size()) return 0;
    std::size_t limit = text.find('>', from - 1);
    if (limit == npos) limit = text.size();
    if (limit > 0 && limit < text.size() && text[limit - 1] == '/') --limit;
    for (std::size_t i = from - 1; i < limit; ++i) {
        const char c = text[i];
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return i + 1;
        if (c == '=' || c == '"' || c == '/' || c == '>') return 0;
    }
    return 0;
}

TagAttr TagAttrRead(std::string_view text, std::size_t at) {
    TagAttr attr;
    if (at == 0 || at > text.size()) return attr;
    const std::size_t start = at - 1;
    std::size_t nameEnd = start;
    while (nameEnd < text.size() && !IsNameDelimiter(text[nameEnd])) ++nameEnd;
    attr.name.assign(text.substr(start, nameEnd - start));
    if (attr.name.empty()) return attr;
    if (nameEnd >= text.size() || text[nameEnd] != '=') {
        attr.length = attr.name.size();
        return attr;
    }
    attr.noValue = false;
    const std::size_t valueStart = nameEnd + 1;
    if (valueStart < text.size() && text[valueStart] == '"') {
        std::size_t close = text.find('"', valueStart + 1);
        if (close == npos) close = text.size();
        attr.value.assign(text.substr(valueStart + 1, close - valueStart - 1));
        attr.length = attr.name.size() + 1 + attr.value.size() + 2;
    } else {
        std::size_t valueEnd = valueStart;
        while (valueEnd < text.size() && !IsNameDelimiter(text[valueEnd])) ++valueEnd;
        attr.value.assign(text.substr(valueStart, valueEnd - valueStart));
        attr.length = attr.name.size() + 1 + attr.value.size();
    }
    return attr;
}

std::vector<TagAttr> TagAttributes(std::string_view text, std::size_t tagStart, std::size_t) {
    std::vector<TagAttr> attrs;
    std::size_t at = TagAttrNext(text, tagStart);
    while (at != 0) {
        TagAttr attr = TagAttrRead(text, at);
        if (attr.length == 0) break;
        at = TagAttrNext(text, at + attr.length);
        attrs.push_back(std::move(attr));
    }
    return attrs;
}

std::size_t TagFindOpen(std::string_view text, std::size_t from, std::string_view name) {
    for (std::size_t lt = NextLess(text, from); lt != npos; lt = text.find('<', lt + 1)) {
        if (OpenTagAt(text, lt, name)) return lt + 1;
    }
    return 0;
}

std::size_t TagFindClose(std::string_view text, std::size_t from, std::string_view name) {
    for (std::size_t lt = NextLess(text, from); lt != npos; lt = text.find('<', lt + 1)) {
        if (CloseTagAt(text, lt, name)) return lt + 1;
    }
    return 0;
}

std::size_t TagMatchClose(std::string_view name, std::size_t from, std::size_t limit,
                          std::string_view text) {
    return MatchClose(PlainFinder{text, name}, text, name.size(), from, limit, 0);
}

TagIndex::TagIndex(std::string_view text, std::string_view name)
    : text_(text), nameLength_(name.size()) {
    std::size_t lt = text.find('<');
    while (lt != npos && lt + 1 < text.size()) {
        const char next = text[lt + 1];
        if (next == '/') {
            if (CloseTagAt(text, lt, name)) closes_.push_back(lt + 1);
        } else if (next != '&' && next != '>' && next != ' ') {
            // The rest of the tag is its attributes: a "<" in a value is text. An unfinished
            // tag is text too, and the tags after it still count.
            const std::size_t gt = TagClose(text, lt);
            if (gt != npos) {
                if (OpenTagAt(text, lt, name)) opens_.push_back(lt + 1);
                lt = gt;
            }
        }
        lt = text.find('<', lt + 1);
    }
}

std::size_t TagIndex::FindOpen(std::size_t from) const {
    return FirstAtOrAfter(opens_, from);
}

std::size_t TagIndex::FindClose(std::size_t from) const {
    return FirstAtOrAfter(closes_, from);
}

std::size_t TagIndex::MatchClose(std::size_t from, std::size_t limit) const {
    return ravlet::MatchClose(*this, text_, nameLength_, from, limit, 0);
}

std::string TagEscape(std::string_view text) {
    std::string s = ReplaceAll(std::string(text), "&", "&amp;");
    s = ReplaceAll(s, "\"", "&quote;");
    return ReplaceAll(s, ">", "&gt;");
}

std::string TagUnescape(std::string_view text) {
    std::string s = ReplaceAll(std::string(text), "&gt;", ">");
    s = ReplaceAll(s, "&quote;", "\"");
    return ReplaceAll(s, "&amp;", "&");
}

}  // namespace ravlet
