#include "filters/FilterOneWildcard.h"

namespace ravlet {

int OneWildcardFilter::Judge(std::string& link) const {
    if (action < 1) return 0;
    const auto star = mask.find('*');
    if (star == std::string::npos) return 0;
    const std::string front = mask.substr(0, star);
    const std::string back = mask.substr(star + 1);
    // 0-based here; "found" is npos. The back is searched from where the front starts. An
    // empty back is found at the end of the link: "img*" matches every link holding "img",
    // and the match runs from there to the end.
    std::size_t p1 = std::string::npos;
    if (!link.empty()) p1 = front.empty() ? 0 : link.find(front);
    std::size_t p2 = std::string::npos;
    if (p1 != std::string::npos) p2 = back.empty() ? link.size() : link.find(back, p1);
    const bool match = p1 != std::string::npos && p2 != std::string::npos && p1 < p2;
    switch (action) {
        case 1:
            if (!match) return 1;
            link = link.substr(0, p1) + link.substr(p2 + back.size());
            return 2;
        case 2:
            if (!match) return 1;
            link = link.substr(p1, p2 + back.size() - p1);
            return 2;
        case 3:
            return match ? 0 : 1;
        default:
            return match ? 1 : 0;
    }
}

std::string OneWildcardFilter::DataRead() const {
    return DataBlock({DataLine("action", action), DataLine("mask", mask)});
}

void OneWildcardFilter::DataWrite(const DataLines& lines) {
    for (const auto& [name, value] : lines) {
        if (name == "action")
            action = DataNumber(value);
        else if (name == "mask")
            mask = value;
    }
}

}  // namespace ravlet
