#pragma once
// Hash and equality of texts with ASCII letter case folded, usable with string_view keys:
// for sets and counts of links that ignore case without building lower-case copies.
#include <cstddef>
#include <string_view>

namespace ravlet {

struct FoldHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const;
};

struct FoldEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

}  // namespace ravlet
