#pragma once
// Test names for table rows. Without a name, ctest would name a row after the bytes of its
// parameter (addresses included), which change from build to build.
#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

namespace ravlet::test {

// Letters and digits kept, every run of other bytes one "_", at most 48 characters.
inline std::string NameFromText(std::string_view text) {
    std::string name;
    for (const char c : text) {
        if (name.size() >= 48) break;
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
        else if (name.empty() || name.back() != '_')
            name += '_';
    }
    return name;
}

// Rows named by their description: "blanks trimmed" -> "blanks_trimmed".
struct RowName {
    template <typename Info>
    std::string operator()(const Info& info) const {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    }
};

// Rows without a description: the row's number, which keeps names unique, and a field that
// says which row it is. KeyedName<&Row::line> names the row {"", "nettimeout=15"}
// "3_nettimeout_15".
template <auto Field>
struct KeyedName {
    template <typename Info>
    std::string operator()(const Info& info) const {
        const auto& key = info.param.*Field;
        std::string text;
        if constexpr (std::is_arithmetic_v<std::decay_t<decltype(key)>>)
            text = std::to_string(key);
        else if constexpr (std::is_pointer_v<std::decay_t<decltype(key)>>)
            text = key ? key : "";
        else
            text = std::string(key);
        const std::string name = NameFromText(text);
        return std::to_string(info.index) + (name.empty() || name == "_" ? "" : "_" + name);
    }
};

}  // namespace ravlet::test
