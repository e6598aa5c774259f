#include "filters/FilterData.h"

#include <climits>

#include "filters/TagScanner.h"
#include "net/ravlet_url.h"

namespace ravlet {

std::string DataLine(const std::string& name, const std::string& text) {
    return "<data name=\"" + name + "\" value=\"" + TagEscape(text) + "\" />";
}

std::string DataLine(const std::string& name, long long number) {
    return "<data name=\"" + name + "\" value=\"" + std::to_string(number) + "\" />";
}

std::string DataBlock(const std::vector<std::string>& lines) {
    std::string block;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) block += "\r\n";
        block += lines[i];
    }
    return block;
}

DataLines DataLinesRead(const std::string& block) {
    DataLines lines;
    const std::string text = Trim(block);
    TagInfo tag;
    for (std::size_t at = TagNext(text, 1, &tag); at != 0; at = TagNext(text, tag.end, &tag)) {
        if (LCase(tag.name) != "data") continue;
        std::string name, value;
        for (const TagAttr& attr : TagAttributes(text, at, tag.end)) {
            const std::string key = LCase(attr.name);
            if (key == "name")
                name = LCase(attr.value);
            else if (key == "value")
                value = TagUnescape(attr.value);
        }
        lines.emplace_back(std::move(name), std::move(value));
    }
    return lines;
}

int DataNumber(const std::string& value) {
    const long long n = LenientNumber(value);
    if (n > INT_MAX) return INT_MAX;
    if (n < INT_MIN) return INT_MIN;
    return static_cast<int>(n);
}

}  // namespace ravlet
