#include "main/TypeExtension.h"

#include <vector>

namespace ravlet {

namespace {

std::vector<std::string> Parts(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(sep, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

}  // namespace

std::string AddTypeExtension(const std::string& path, const std::string& filter, int typeIndex) {
    const std::vector<std::string> parts = Parts(filter, '|');
    const std::size_t pattern = 2 * static_cast<std::size_t>(typeIndex) + 1;
    if (typeIndex < 0 || pattern >= parts.size()) return path;
    // The first pattern of the type: "*.wls" gives ".wls"; wildcards in it give nothing.
    const std::string first = Parts(parts[pattern], ';').front();
    if (first.size() < 3 || first.compare(0, 2, "*.") != 0) return path;
    const std::string ext = first.substr(1);
    if (ext.find_first_of("*?") != std::string::npos) return path;
    const std::size_t slash = path.rfind('/');
    const std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    if (name.empty() || name.find('.') != std::string::npos) return path;
    return path + ext;
}

}  // namespace ravlet
