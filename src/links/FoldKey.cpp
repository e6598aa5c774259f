#include "links/FoldKey.h"

namespace ravlet {

namespace {

inline unsigned char Fold(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c + 32 : c;
}

}  // namespace

std::size_t FoldHash::operator()(std::string_view text) const {
    // FNV-1a over the folded bytes.
    std::size_t h = 14695981039346656037ull;
    for (unsigned char c : text) {
        h ^= Fold(c);
        h *= 1099511628211ull;
    }
    return h;
}

bool FoldEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(static_cast<unsigned char>(a[i])) != Fold(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace ravlet
