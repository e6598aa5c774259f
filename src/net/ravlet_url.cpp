#include "net/ravlet_url.h"

#include "net/RvUrl.h"
#include "platform/UrlCanonical.h"

namespace ravlet {

namespace {

std::vector<std::string>& SchemeTable() {
    static std::vector<std::string> table;
    return table;
}

// "host:port" split at the first ":" outside a bracketed IPv6 literal.
std::size_t PortColon(const std::string& hostPart) {
    if (!hostPart.empty() && hostPart[0] == '[') {
        const std::size_t close = hostPart.find(']');
        if (close != std::string::npos) return hostPart.find(':', close);
    }
    return hostPart.find(':');
}

}  // namespace

void UrlSchemesInit() {
    std::vector<std::string>& table = SchemeTable();
    if (!table.empty()) return;
    table = {"http://",   "https://", "ftp://",  "mms://", "gopher://",   "file://",
             "telnet://", "mailto:",  "callto:", "news:",  "javascript:", "telnet:"};
}

const std::vector<std::string>& UrlSchemes() {
    // Filled on first use too, so no caller depends on the start-up order.
    UrlSchemesInit();
    return SchemeTable();
}

std::string UrlGetScheme(const std::string& text) {
    for (const std::string& prefix : UrlSchemes())
        if (IStartsWith(text, prefix)) return prefix;
    return std::string();
}

bool UrlHasScheme(const std::string& text) {
    return !UrlGetScheme(text).empty();
}

bool UrlIsFile(const std::string& text) {
    return IStartsWith(text, "file://");
}

std::string UrlResolve(const std::string& base, const std::string& ref) {
    if (ref.empty()) return base;
    if (UrlHasScheme(ref)) return ref;
    if (ref[0] == '/' && UrlHasScheme(base)) {
        RvUrl u;
        u.url(base);
        // "//host/x" names another host with the page's scheme.
        if (ref.compare(0, 2, "//") == 0) return u.Scheme() + ':' + ref;
        return u.Scheme() + ':' + u.Extra() + u.Authority() + ref;
    }
    return base + ref;
}

std::string UrlBase(const std::string& address) {
    if (address.empty()) return std::string();
    RvUrl u;
    u.url(address);
    return u.Base();
}

bool UrlSplit(const std::string& address, UrlParts& parts) {
    const std::string scheme = UrlGetScheme(address);
    if (scheme.empty()) return false;
    const std::string rest = address.substr(scheme.size());
    // The authority ends where the path, the query or the fragment begins.
    const std::size_t end = rest.find_first_of("/?#");
    const std::string authority = rest.substr(0, end);
    std::string path = end == std::string::npos ? std::string() : rest.substr(end);
    std::string hostPart = authority;
    // Parts the address does not have are cleared, so a reused record holds no stale ones.
    parts.userinfo.clear();
    parts.port.clear();
    const std::size_t at = authority.find('@');
    if (at != std::string::npos) {
        parts.userinfo = authority.substr(0, at);
        hostPart = authority.substr(at + 1);
    }
    const std::size_t colon = PortColon(hostPart);
    if (colon != std::string::npos) {
        parts.host = hostPart.substr(0, colon);
        parts.port = hostPart.substr(colon + 1);
    } else {
        parts.host = hostPart;
    }
    parts.scheme = scheme;
    parts.path = std::move(path);
    return true;
}

std::string UrlSite(const std::string& address) {
    UrlParts parts;
    if (!UrlSplit(address, parts)) return std::string();
    std::string site = parts.scheme;
    if (!parts.userinfo.empty()) site += parts.userinfo + '@';
    return site + parts.host;
}

void UrlSplitPath(const std::string& path, std::string& folder, std::string& file) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        file = path;
        return;
    }
    folder = path.substr(0, slash);
    file = path.substr(slash + 1);
}

std::string UrlStripFragment(const std::string& text) {
    const std::size_t hash = text.rfind('#');
    return hash == std::string::npos ? text : text.substr(0, hash);
}

std::string UrlCanonicalize(const std::string& text) {
    if (text.empty()) return std::string();
    return CanonicalizeUrl(CanonicalizeUrl(text, CanonicalMode::EscapeUnsafe),
                           CanonicalMode::UnescapeUnreserved);
}

std::string UrlFileToPath(const std::string& address) {
    RvUrl u;
    u.url(address);
    std::string path = u.Host().empty() ? '/' + u.Path() : "//" + u.Host() + '/' + u.Path();
    for (char& c : path)
        if (c == '\\') c = '/';
    return path;
}

}  // namespace ravlet
