#pragma once
// The link list as a web page of links: the page text and its writing.
#include <functional>
#include <string>
#include <vector>

namespace ravlet {

struct ExportHtmlOptions {
    std::string title;
    bool headline = false;        // the title again as a first-level heading
    bool useDescription = false;  // the description paragraph
    std::string description;
    bool newWindow = false;  // links open in a new browser window
    bool promote = false;    // a closing paragraph pointing to the program's home page
};

// & < > and " as entities, so no entry or title can end an attribute or open a tag; other
// text is left as it is.
std::string HtmlEscape(const std::string& text);

// The base of the export: base when it begins with a known scheme, else the base of the
// page address.
std::string ExportHtmlBase(const std::string& base, const std::string& pageAddress);

// The page, one CR LF line a part. An entry with a known scheme links to itself, any other
// to exportBase followed by it. percent hears the share of entries written after each one.
std::string ExportHtmlPage(const std::vector<std::string>& entries, const std::string& exportBase,
                           const ExportHtmlOptions& options, const std::string& homepage,
                           const std::function<void(int)>& percent = {});

// Writes page over path in one step: a failure leaves no half-written page and no old page
// lost. False with the reason in error.
bool ExportHtmlWrite(const std::string& path, const std::string& page, std::string& error);

}  // namespace ravlet
