#pragma once
// ASCII letters to lower case, every other byte as it is: tag and attribute names and the
// address prefixes are ASCII, and the page's other bytes must not change their meaning.

namespace ravlet {

inline unsigned char FoldAscii(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
}

}  // namespace ravlet
