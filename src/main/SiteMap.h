#pragma once
// IntelliTamper site maps: a signature line, then records "KEY##value<TAB>more columns".
// DOMAIN and FOLDER set where the following FILE records lie; FILE and EXTRALINK add links.
#include <functional>
#include <string>

#include "links/LinkList.h"

namespace ravlet {

inline constexpr char kSiteMapSignature[] = "### SITEMAP1 INTELLITAMPER";

// The folder that FILE records are relative to, as the records so far have set it.
struct SiteMapPlace {
    std::string domain;
    std::string folder;
};

// Applies one record line to place and list; lines without "##" and unknown keys (letter
// case counts) change nothing. Links go through AddLinkUnique.
void SiteMapRecord(const std::string& line, SiteMapPlace& place, LinkList& list);

struct SiteMapEvents {
    std::function<void()> notSiteMap;          // the first line is not the signature
    std::function<void(long lines)> lineRead;  // after each record line
};

// Reads the map at path into list (never cleared). False with the platform's reason in
// error when the file cannot be opened or read; the links read before a read error stay.
bool SiteMapImport(const std::string& path, LinkList& list, const SiteMapEvents& events,
                   std::string& error);

}  // namespace ravlet
