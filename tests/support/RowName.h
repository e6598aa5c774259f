#pragma once
// Test names for table rows from their description: "blanks trimmed" -> "blanks_trimmed".
#include <cctype>
#include <string>

namespace ravlet::test {

struct RowName {
    template <typename Info>
    std::string operator()(const Info& info) const {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return name;
    }
};

}  // namespace ravlet::test
