#include "filters/FilterPreSuffix.h"

#include <algorithm>
#include <string_view>

#include "links/FoldKey.h"

namespace ravlet {

namespace {

std::string_view LeftTrim(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : s.substr(first);
}

}  // namespace

// Judges every row of a list: compares views, no copies.
int PreSuffixFilter::Judge(std::string& link) {
    const auto last = suffix.find_last_not_of(' ');
    suffix.erase(last == std::string::npos ? 0 : last + 1);
    if (!suffix.empty()) {
        const std::string_view want = LeftTrim(suffix);
        const std::size_t n = std::min(want.size(), link.size());
        const bool pass =
            FoldEqual()(LeftTrim(std::string_view(link).substr(link.size() - n)), want);
        if (pass == invert) return 1;
    }
    if (prefix.empty()) return 0;
    const bool pass = link.compare(0, prefix.size(), prefix) == 0;
    if (pass == invert) return 1;
    if (cut && !invert) {
        link.erase(0, prefix.size());
        return 2;
    }
    return 0;
}

std::string PreSuffixFilter::DataRead() const {
    return DataBlock({DataLine("suffix", suffix), DataLine("prefix", prefix),
                      DataLine("cut", cut ? 1 : 0), DataLine("invert", invert ? 1 : 0)});
}

void PreSuffixFilter::DataWrite(const DataLines& lines) {
    for (const auto& [name, value] : lines) {
        if (name == "suffix")
            suffix = value;
        else if (name == "prefix")
            prefix = value;
        else if (name == "cut")
            cut = DataNumber(value) != 0;
        else if (name == "invert")
            invert = DataNumber(value) != 0;
    }
}

}  // namespace ravlet
