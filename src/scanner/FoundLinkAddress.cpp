#include "scanner/FoundLinkAddress.h"

#include "net/ravlet_url.h"

namespace ravlet {

namespace {

bool IsAlpha(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsSchemeChar(char c) {
    return IsAlpha(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// Scheme, user information, host and port: the site keeps the page's port, so "/x" on a
// site with a port stays on that site.
std::string SiteWithPort(const std::string& address) {
    UrlParts parts;
    if (!UrlSplit(address, parts)) return std::string();
    std::string site = parts.scheme;
    if (!parts.userinfo.empty()) site += parts.userinfo + '@';
    site += parts.host;
    if (!parts.port.empty()) site += ':' + parts.port;
    return site;
}

// "http" of "http://..."; empty when the scheme table does not know the address.
std::string SchemeName(const std::string& address) {
    const std::string scheme = UrlGetScheme(address);
    const std::size_t colon = scheme.find(':');
    return colon == std::string::npos ? std::string() : scheme.substr(0, colon);
}

}  // namespace

bool StartsWithAnyScheme(const std::string& text) {
    if (text.empty() || !IsAlpha(text[0])) return false;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == ':') return true;
        if (!IsSchemeChar(text[i])) return false;
    }
    return false;
}

FoundAddress FoundLinkAddress(const std::string& found, const std::string& pageBase) {
    const std::string link = Trim(found);
    std::string address;
    if (UrlHasScheme(link)) {
        address = link;
    } else if (link.empty()) {
        address = pageBase;
    } else if (link.compare(0, 2, "//") == 0) {
        const std::string scheme = SchemeName(pageBase);
        address = scheme.empty() ? pageBase + link : scheme + ':' + link;
    } else if (link[0] == '/') {
        const std::string site = SiteWithPort(pageBase);
        address = site.empty() ? pageBase + link : site + link;
    } else if (StartsWithAnyScheme(link)) {
        return {link, false};
    } else {
        address = pageBase + link;
    }
    return {UrlCanonicalize(UrlStripFragment(address)), true};
}

}  // namespace ravlet
