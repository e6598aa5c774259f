#include "platform/Clipboard.h"

namespace ravlet {

namespace {
Clipboard* currentClipboard = nullptr;
MemoryClipboard& Own() {
    static MemoryClipboard own;
    return own;
}
}  // namespace

bool MemoryClipboard::GetText(std::string& out) {
    ++reads;
    if (locked) return false;
    out = hasText ? text : std::string();
    return true;
}

void MemoryClipboard::SetText(const std::string& value) {
    text = value;
    hasText = true;
}

void MemoryClipboard::Clear() {
    text.clear();
    hasText = false;
    hasRichText = false;
}

std::string CrLfLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

Clipboard& SystemClipboard() {
    return currentClipboard ? *currentClipboard : Own();
}

void SetClipboard(Clipboard* clipboard) {
    currentClipboard = clipboard;
}

}  // namespace ravlet
