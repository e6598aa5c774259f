#pragma once
// The "Cleanup" filter: anchors, trailing dots, directory-listing artefacts, page links and
// duplicate rows.
#include <functional>
#include <string>

#include "filters/FilterData.h"

namespace ravlet {

// Option bits, in the order in which they run.
enum CleanupOption {
    kCleanupCutAnchor = 1,  // "# Cut off"
    kCleanupDotEnding = 2,  // ". DotEnding Remove"
    kCleanupApache = 4,     // "No Apache Stuff"
    kCleanupBinarize = 8,   // "Binarize"
    kCleanupDoubles = 16,   // "Remove Double Entries!"
};

struct CleanupFilter {
    int opts = 0;

    // 0 keep, 1 remove, 2 link rewritten. textTypes is the comma list of page-like endings;
    // otherRowHas tells whether another row of the list holds the text (ignoring case).
    int Judge(std::string& link, const std::string& textTypes,
              const std::function<bool(const std::string&)>& otherRowHas) const;
    std::string DataRead() const;
    void DataWrite(const DataLines& lines);
};

}  // namespace ravlet
