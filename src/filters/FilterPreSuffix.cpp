#include "filters/FilterPreSuffix.h"

#include <algorithm>

#include "net/ravlet_url.h"

namespace ravlet {

namespace {

std::string LeftTrim(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

std::string RightTrim(const std::string& s) {
    const auto last = s.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : s.substr(0, last + 1);
}

}  // namespace

int PreSuffixFilter::Judge(std::string& link) {
    suffix = RightTrim(suffix);
    if (!suffix.empty()) {
        const std::string want = LeftTrim(suffix);
        const std::size_t n = std::min(want.size(), link.size());
        const bool pass = IEquals(LeftTrim(link.substr(link.size() - n)), want);
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
