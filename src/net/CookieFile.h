#pragma once
// The cookie file a user names: a Netscape cookies.txt as browsers export it. It is looked
// at before the internet library reads it, so that a wrong file is reported and left out
// instead of failing or slowing every request of the session.
#include <string>

namespace ravlet {

class RvNetGet;

// Larger cookie files are no export of a browser's cookies.
constexpr long long kMaxCookieFileBytes = 4LL * 1024 * 1024;

// Empty when the file is a cookie file the session may read; else why it is not.
std::string CookieFileProblem(const std::string& path);
// The problem of the text of such a file (no cookie line, binary bytes).
std::string CookieTextProblem(const std::string& text);

// Gives net's next sessions the cookie file (when usable; a log line says why not) and the
// file to save the cookies to (empty: never saved).
void UseCookies(RvNetGet& net, const std::string& file, const std::string& saveFile);

}  // namespace ravlet
