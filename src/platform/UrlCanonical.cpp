#include "platform/UrlCanonical.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace ravlet {

namespace {

bool IsAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the scheme name before its ":", or 0. A single letter is a drive, not a scheme.
std::size_t SchemeLength(const std::string& text) {
    if (text.empty() || !IsAlpha(text[0])) return 0;
    std::size_t i = 1;
    while (i < text.size() && (IsAlpha(text[i]) || IsDigit(text[i]) || text[i] == '+' ||
                               text[i] == '-' || text[i] == '.'))
        ++i;
    if (i < 2 || i >= text.size() || text[i] != ':') return 0;
    return i;
}

bool IsUnsafe(unsigned char c) {
    if (c <= 0x20 || c >= 0x7f) return true;
    return std::string_view("<>\"{}|\\^`").find(static_cast<char>(c)) != std::string_view::npos;
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Escape(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsUnsafe(c)) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    return out;
}

bool IsUnreserved(char c) {
    return IsAlpha(c) || IsDigit(c) || c == '-' || c == '.' || c == '_' || c == '~';
}

std::string Unescape(const std::string& text, bool unreservedOnly) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            const char decoded =
                static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            if (unreservedOnly && !IsUnreserved(decoded)) {
                out.append(text, i, 3);
            } else {
                out += decoded;
            }
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

std::string RemoveDotSegments(const std::string& path) {
    const bool absolute = !path.empty() && path[0] == '/';
    std::vector<std::string_view> out;
    bool trailing = false;
    std::size_t pos = absolute ? 1 : 0;
    const std::string_view all(path);
    for (;;) {
        const std::size_t slash = all.find('/', pos);
        const bool last = slash == std::string_view::npos;
        const std::string_view segment =
            all.substr(pos, last ? std::string_view::npos : slash - pos);
        if (segment == ".") {
            trailing = last;
        } else if (segment == "..") {
            if (!out.empty() && out.back() != "..")
                out.pop_back();
            else if (!absolute)
                out.push_back(segment);
            trailing = last;
        } else {
            out.push_back(segment);
            trailing = false;
        }
        if (last) break;
        pos = slash + 1;
    }
    std::string result = absolute ? "/" : "";
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (i > 0) result += '/';
        result += out[i];
    }
    if (trailing && !out.empty()) result += '/';
    return result;
}

std::string CanonicalizeUrl(const std::string& text, CanonicalMode mode) {
    std::string head, rest;
    bool resolve = true;
    const std::size_t scheme = SchemeLength(text);
    if (scheme == 0) {
        rest = text;
    } else {
        head = text.substr(0, scheme + 1);
        rest = text.substr(scheme + 1);
        if (rest.compare(0, 2, "//") == 0) {
            const std::size_t end = rest.find_first_of("/?#", 2);
            head += rest.substr(0, end);
            rest = end == std::string::npos ? std::string() : rest.substr(end);
        } else {
            // Opaque addresses (mailto:, javascript:, news:) have no folders to resolve.
            resolve = !rest.empty() && rest[0] == '/';
        }
    }
    // The query and the fragment are not paths.
    const std::size_t tail = rest.find_first_of("?#");
    std::string path = rest.substr(0, tail);
    if (resolve) path = RemoveDotSegments(path);
    std::string result = head + path;
    if (tail != std::string::npos) result.append(rest, tail, std::string::npos);
    if (mode == CanonicalMode::EscapeUnsafe) return Escape(result);
    return Unescape(result, mode == CanonicalMode::UnescapeUnreserved);
}

}  // namespace ravlet
