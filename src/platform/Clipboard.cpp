#include "platform/Clipboard.h"

namespace ravlet {

namespace {
Clipboard* current = nullptr;
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

Clipboard& SystemClipboard() {
    return current ? *current : Own();
}

void SetClipboard(Clipboard* clipboard) {
    current = clipboard;
}

}  // namespace ravlet
