#pragma once
// The platform's address canonicalisation: the path's "." and ".." segments are resolved,
// then unsafe characters are escaped or percent-escapes decoded. Any length, any bytes; it
// never fails. A text without a scheme is taken as a path.
#include <string>

namespace ravlet {

enum class CanonicalMode {
    EscapeUnsafe,  // blanks, control bytes, bytes outside printable ASCII and <>"{}|\^` as %XX
    Unescape,      // every %XX decoded
};

std::string CanonicalizeUrl(const std::string& text, CanonicalMode mode);

// Only the path: "/a/b/../c/./d" gives "/a/c/d". A relative path keeps the ".." it cannot
// resolve; an absolute one drops them.
std::string RemoveDotSegments(const std::string& path);

}  // namespace ravlet
