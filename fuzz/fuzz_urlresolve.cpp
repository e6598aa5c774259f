// Two addresses (split at the first NUL) resolved against each other, then canonicalised:
// never a crash, and a reference with a scheme always comes back as given.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "net/ravlet_url.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string all(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = all.find('\0');
    const std::string base = all.substr(0, nul);
    const std::string ref = nul == std::string::npos ? std::string() : all.substr(nul + 1);
    const std::string resolved = ravlet::UrlResolve(ravlet::UrlBase(base), ref);
    if (ravlet::UrlHasScheme(ref) && resolved != ref) std::abort();
    (void)ravlet::UrlCanonicalize(resolved);
    (void)ravlet::UrlStripFragment(resolved);
    (void)ravlet::HtmlDecodeAmp(resolved);
    return 0;
}
