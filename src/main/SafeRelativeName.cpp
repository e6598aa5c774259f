#include "main/SafeRelativeName.h"

#include "net/modFs.h"

namespace ravlet {

namespace {

// An extension longer than this is more likely a query than a file type.
constexpr std::size_t kMaxExtensionBytes = 16;

bool Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The first count bytes of text, fewer when that would split a UTF-8 sequence.
std::string Head(const std::string& text, std::size_t count) {
    if (count >= text.size()) return text;
    while (count > 0 && Continuation(text[count])) --count;
    return text.substr(0, count);
}

std::string SafeSegment(std::string segment) {
    if (segment == "." || segment == "..") return "_";
    // No control byte in a name: it would rewrite the terminal that lists the folder.
    for (char& c : segment)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '_';
    return ShortenName(segment, kMaxNameBytes);
}

}  // namespace

std::string ShortenName(const std::string& text, std::size_t max) {
    if (text.size() <= max) return text;
    const std::size_t dot = text.rfind('.');
    std::string extension;
    if (dot != std::string::npos && dot > 0 && text.size() - dot <= kMaxExtensionBytes + 1 &&
        text.size() - dot < max)
        extension = text.substr(dot);
    return Head(text.substr(0, text.size() - extension.size()), max - extension.size()) + extension;
}

std::string SafeRelativeName(const std::string& name) {
    std::string result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t sep = name.find('\\', start);
        if (sep == std::string::npos) {
            // The file part; empty when the name ends in a separator (it then names a folder).
            if (start < name.size()) result += SafeSegment(name.substr(start));
            return result;
        }
        if (sep > start) {
            result += SafeSegment(name.substr(start, sep - start));
            result += kPathSep;
        }
        start = sep + 1;
    }
}

}  // namespace ravlet
