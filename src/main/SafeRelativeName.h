#pragma once
// Makes a built name safe to append to the download folder.
#include <cstddef>
#include <string>

namespace ravlet {

// The longest name of one folder or file this platform stores.
constexpr std::size_t kMaxNameBytes = 255;

// name uses the backslash as its folder separator (as the naming rules build it). The result
// uses kPathSep and never leaves the folder it is appended to: empty folder segments (a
// leading or doubled separator) are dropped, "." and ".." segments become "_", a control byte
// (0x00-0x1F, 0x7F) becomes "_", and a segment longer than kMaxNameBytes is shortened, keeping its
// extension. A trailing separator stays, so a name without a file part still names a folder.
std::string SafeRelativeName(const std::string& name);

// text cut to at most max bytes, the extension (a last "." and up to 16 bytes after it)
// kept, and never inside a UTF-8 sequence.
std::string ShortenName(const std::string& text, std::size_t max);

}  // namespace ravlet
