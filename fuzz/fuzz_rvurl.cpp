// Arbitrary bytes as an address: parsing never fails, and when the rebuilt text is
// unambiguous (a port of digits; an authority or a "//" before the path; an "@" in the host only
// after user information) it parses back
// to itself.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "net/RvUrl.h"
#include "net/ravlet_url.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ravlet::RvUrl u;
    u.url(text);
    const std::string rebuilt = u.url();
    ravlet::RvUrl again;
    again.url(rebuilt);
    const bool unambiguous = u.Port().find_first_not_of("0123456789") == std::string::npos &&
                             !(u.Extra().empty() && u.Authority().empty()) &&
                             !(u.Userinfo().empty() && u.Host().find('@') != std::string::npos);
    if (unambiguous && again.url() != rebuilt) std::abort();
    (void)u.Base();
    ravlet::UrlParts parts;
    (void)ravlet::UrlSplit(text, parts);
    (void)ravlet::UrlSite(text);
    (void)ravlet::UrlFileToPath(text);
    (void)ravlet::UrlCanonicalize(text);
    return 0;
}
