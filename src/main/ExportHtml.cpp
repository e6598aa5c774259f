#include "main/ExportHtml.h"

#include <cmath>

#include "net/ravlet_url.h"
#include "platform/AtomicWriteFile.h"
#include "platform/DoEvents.h"

namespace ravlet {

std::string HtmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string ExportHtmlBase(const std::string& base, const std::string& pageAddress) {
    return UrlHasScheme(base) ? base : UrlBase(pageAddress);
}

std::string ExportHtmlPage(const std::vector<std::string>& entries, const std::string& exportBase,
                           const ExportHtmlOptions& o, const std::string& homepage,
                           const std::function<void(int)>& percent) {
    const std::string title = HtmlEscape(o.title);
    std::string page = "<html>\r\n<head><title>" + title + "</title></head>\r\n<body>\r\n";
    if (o.headline) page += "<h1>" + title + "</h1>\r\n";
    if (o.useDescription) page += "<p>" + HtmlEscape(o.description) + "</p>\r\n";
    const std::string target = o.newWindow ? " target=\"_blank\"" : "";
    const std::size_t count = entries.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& entry = entries[i];
        const std::string href = UrlHasScheme(entry) ? entry : exportBase + entry;
        page += "<a href=\"" + HtmlEscape(href) + "\"" + target + ">" + HtmlEscape(entry) +
                "</a><br />\r\n";
        if (percent)
            percent(static_cast<int>(std::nearbyint(double(i + 1) / double(count) * 100.0)));
        DoEvents();
    }
    // The paragraph's link is left open, as pages written so far have it.
    if (o.promote)
        page += "<p><b>Download Help ?!</b><br /><a href=\"" + HtmlEscape(homepage) +
                "\" >Get ravlet and download all the links of this page with ease.</p>\r\n";
    page += "</body>\r\n</html>\r\n";
    return page;
}

bool ExportHtmlWrite(const std::string& path, const std::string& page, std::string& error) {
    return AtomicWriteFile(path, page, &error);
}

}  // namespace ravlet
