#pragma once
// A download renamed by the server's "Content-disposition" header.
#include <string>

namespace ravlet {

// The name after the first "filename=" (letter case ignored) to the end of the value,
// blanks trimmed and one pair of enclosing double quotes removed; empty when there is none.
// Further parameters after the name stay part of it.
std::string ContentDispositionName(const std::string& value);

// The requested address with its query dropped and its file part replaced by name.
std::string ServerNamedAddress(const std::string& requested, const std::string& name);

}  // namespace ravlet
