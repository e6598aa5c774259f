#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "net/ravlet_url.h"

namespace ravlet {

namespace {

inline char Fold(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// Knuth-Morris-Pratt over folded characters: linear also for hostile patterns.
std::size_t IFindLong(const std::string& text, const std::string& what, std::size_t pos) {
    const std::size_t m = what.size();
    std::vector<std::size_t> fail(m, 0);
    for (std::size_t i = 1, k = 0; i < m; ++i) {
        while (k > 0 && Fold(what[i]) != Fold(what[k])) k = fail[k - 1];
        if (Fold(what[i]) == Fold(what[k])) ++k;
        fail[i] = k;
    }
    for (std::size_t i = pos, k = 0; i < text.size(); ++i) {
        while (k > 0 && Fold(text[i]) != Fold(what[k])) k = fail[k - 1];
        if (Fold(text[i]) == Fold(what[k])) ++k;
        if (k == m) return i + 1 - m;
    }
    return std::string::npos;
}

std::string Replace(const std::string& text, const std::string& from, const std::string& to,
                    bool ignoreCase) {
    if (from.empty()) return text;
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t hit = ignoreCase ? IFind(text, from, pos) : text.find(from, pos);
        if (hit == std::string::npos) break;
        out.append(text, pos, hit - pos);
        out += to;
        pos = hit + from.size();
    }
    if (pos == 0) return text;
    out.append(text, pos, std::string::npos);
    return out;
}

template <typename Test>
bool AnyItem(const std::string& list, const std::string& separator, Test test) {
    for (const std::string& item : Split(list, separator)) {
        // An empty item (a doubled or trailing separator) would match every text.
        if (item.empty()) continue;
        if (test(item)) return true;
    }
    return false;
}

}  // namespace

std::string LCase(std::string text) {
    for (char& c : text) c = Fold(c);
    return text;
}

std::string UCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return text;
}

std::string Trim(const std::string& text) {
    const std::size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return std::string();
    const std::size_t e = text.find_last_not_of(' ');
    return text.substr(b, e - b + 1);
}

bool IEqualAt(const std::string& text, std::size_t pos, const std::string& what) {
    for (std::size_t i = 0; i < what.size(); ++i)
        if (Fold(text[pos + i]) != Fold(what[i])) return false;
    return true;
}

bool IEquals(const std::string& a, const std::string& b) {
    return a.size() == b.size() && IEqualAt(a, 0, b);
}

bool IStartsWith(const std::string& text, const std::string& prefix) {
    return prefix.size() <= text.size() && IEqualAt(text, 0, prefix);
}

bool IEndsWith(const std::string& text, const std::string& suffix) {
    return suffix.size() <= text.size() && IEqualAt(text, text.size() - suffix.size(), suffix);
}

std::size_t IFind(const std::string& text, const std::string& what, std::size_t pos) {
    if (pos > text.size() || what.size() > text.size() - pos) return std::string::npos;
    if (what.empty()) return pos;
    if (what.size() > 16) return IFindLong(text, what, pos);
    const std::size_t last = text.size() - what.size();
    const char first = Fold(what[0]);
    for (std::size_t i = pos; i <= last; ++i)
        if (Fold(text[i]) == first && IEqualAt(text, i, what)) return i;
    return std::string::npos;
}

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
    return Replace(text, from, to, false);
}

std::string IReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
    return Replace(text, from, to, true);
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    if (text.empty()) return parts;
    if (separator.empty()) {
        parts.push_back(text);
        return parts;
    }
    std::size_t pos = 0;
    for (;;) {
        const std::size_t hit = text.find(separator, pos);
        if (hit == std::string::npos) break;
        parts.push_back(text.substr(pos, hit - pos));
        pos = hit + separator.size();
    }
    parts.push_back(text.substr(pos));
    return parts;
}

std::string HtmlDecodeAmp(const std::string& text) {
    return IReplaceAll(text, "&amp;", "&");
}

bool EndsWithOneOf(const std::string& text, const std::string& list, const std::string& separator) {
    return AnyItem(list, separator, [&](const std::string& item) { return IEndsWith(text, item); });
}

bool StartsWithOneOf(const std::string& text, const std::string& list,
                     const std::string& separator) {
    return AnyItem(list, separator,
                   [&](const std::string& item) { return IStartsWith(text, item); });
}

std::string EscapeControls(const std::string& text) {
    static const char kHex[] = "0123456789abcdef";
    const auto control = [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return c < 0x20 || c == 0x7f;
    };
    // Most lines hold none: they are copied as they are.
    if (std::none_of(text.begin(), text.end(), control)) return text;
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (control(ch)) {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    return out;
}

std::string FirstLine(const std::string& text) {
    const std::size_t end = text.find("\r\n");
    return end == std::string::npos ? text : text.substr(0, end);
}

std::string NormalizeNewlines(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string ListToText(const std::vector<std::string>& list) {
    std::string out;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += list[i];
    }
    return out;
}

std::vector<std::string> TextToLines(const std::string& text) {
    // The CR LF appended first ends the last line; the empty piece after it is no line.
    std::vector<std::string> lines = Split(text + "\r\n", "\r\n");
    lines.pop_back();
    return lines;
}

}  // namespace ravlet
