#pragma once
// A list as one text, so that a table row can give the whole list as one string.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace ravlet::test {

inline std::string Joined(const std::vector<std::string>& items, std::string_view separator = "|") {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += separator;
        text += items[i];
    }
    return text;
}

// The list again from its text; an empty text is an empty list.
inline std::vector<std::string> Split(std::string_view text, char separator = '|') {
    std::vector<std::string> items;
    for (std::size_t at = 0; !text.empty() && at <= text.size();) {
        const std::size_t end = std::min(text.find(separator, at), text.size());
        items.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return items;
}

}  // namespace ravlet::test
