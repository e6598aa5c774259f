#pragma once
// A download renamed by the server's "Content-disposition" header.
#include <string>

namespace ravlet {

// The file name of a "Content-disposition" value read as a header with parameters: the
// "filename*" parameter (charset'language'percent-encoded) when it is there and readable,
// else the first "filename" parameter, quoted or not; parameter names in any letter case,
// blanks trimmed, nothing after the name's own parameter. Empty when there is none.
std::string ContentDispositionName(const std::string& value);

// The requested address with its query dropped and its file part replaced by name.
std::string ServerNamedAddress(const std::string& requested, const std::string& name);

}  // namespace ravlet
