#pragma once
// The platform's address canonicalisation: the path's "." and ".." segments are resolved,
// then unsafe characters are escaped or percent-escapes decoded. Any length, any bytes; it
// never fails. A text without a scheme is taken as a path.
#include <string>

namespace ravlet {

enum class CanonicalMode {
    EscapeUnsafe,  // blanks, control bytes, bytes outside printable ASCII and <>"{}|\^` as %XX
    Unescape,      // every %XX decoded
    // Only the escapes of letters, digits and "-._~" decoded: an escaped reserved character
    // ("%26", "%2F", "%3F", "%23", "%25") or one that may not stand raw (a blank, a control,
    // a byte outside ASCII) keeps its escape, so the address asks for the same thing.
    UnescapeUnreserved,
};

std::string CanonicalizeUrl(const std::string& text, CanonicalMode mode);

// Only the path: "/a/b/../c/./d" gives "/a/c/d". A relative path keeps the ".." it cannot
// resolve; an absolute one drops them.
std::string RemoveDotSegments(const std::string& path);

}  // namespace ravlet
