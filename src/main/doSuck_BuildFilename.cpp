#include "main/doSuck_BuildFilename.h"

#include <cstdio>

#include "app/LogSink.h"
#include "main/SafeRelativeName.h"
#include "net/ravlet_url.h"

namespace ravlet {

namespace {

// The characters no file name may hold; the backslash is not among them, it makes folders.
constexpr char kReplaced[] = {'/', ':', '*', '?', '"', '<', '>', '|'};

std::string WithIndexFile(std::string name) {
    const std::size_t sep = name.rfind('\\');
    const std::size_t start = sep == std::string::npos ? 0 : sep + 1;
    if (start < name.size()) return name;
    if (name.empty() || name.back() != '\\') name += '\\';
    return name + "index.html";
}

}  // namespace

std::string NumberedPrefix(long number) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04ld_", number);
    return buffer;
}

std::string doSuck_BuildFilename(const std::string& address, int rule, long number) {
    UrlParts parts;
    std::string folder, file;
    const bool split = UrlSplit(address, parts);
    if (split) UrlSplitPath(parts.path, folder, file);

    std::string name;
    switch (rule) {
        case Naming_Long:
            if (split) {
                name = address.substr(parts.scheme.size());
            } else {
                LogMessage("Warning: Can't build Filename of URL: " + address);
                name = address;
            }
            break;
        case Naming_Short:
            name = file;
            break;
        case Naming_ServerShort:
            name = parts.host + '\\' + file;
            break;
        case Naming_Rebuild:
            if (split) {
                name = parts.host + parts.path;
                for (char& c : name)
                    if (c == '/') c = '\\';
            }
            name = WithIndexFile(name);
            break;
        case Naming_Numbered:
            if (number > 0) name = NumberedPrefix(number) + (file.empty() ? "index.html" : file);
            break;
        default:
            break;
    }
    for (char& c : name)
        for (char bad : kReplaced)
            if (c == bad) c = '_';
    return SafeRelativeName(name);
}

}  // namespace ravlet
