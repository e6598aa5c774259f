#pragma once
// The "Pre- and Suf-fix" filter: keeps (or, inverted, removes) links by their ends.
#include <string>

#include "filters/FilterData.h"

namespace ravlet {

struct PreSuffixFilter {
    std::string suffix;  // compared without regard to case; empty: no suffix test
    std::string prefix;  // compared with regard to case; empty: no prefix test
    bool cut = false;    // cut the matching prefix off (not while inverted)
    bool invert = false;

    // 0 keep, 1 remove, 2 the prefix was cut off link. Stores the suffix without its
    // trailing blanks.
    int Judge(std::string& link);
    std::string DataRead() const;
    void DataWrite(const DataLines& lines);
};

}  // namespace ravlet
