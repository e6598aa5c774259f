#pragma once
// The "OneWildcard*" filter: a mask with one "*" standing for any run of characters.
#include <string>

#include "filters/FilterData.h"

namespace ravlet {

struct OneWildcardFilter {
    // -1 none chosen, 0 "-skip this filter-", 1 "match & cut out", 2 "... & cut around",
    // 3 "take matching links", 4 "delete matching links!"
    int action = -1;
    std::string mask;

    // 0 keep, 1 remove, 2 link rewritten.
    int Judge(std::string& link) const;
    std::string DataRead() const;
    void DataWrite(const DataLines& lines);
};

}  // namespace ravlet
