#pragma once
// The "Find (and Replace)" filter: tests a text in the link and keeps, removes, cuts or
// replaces on the test.
#include <string>

#include "filters/FilterData.h"

namespace ravlet {

struct FindReplaceFilter {
    int pos = 0;  // 0 anywhere, 1 at the front, 2 at the back; -1 none chosen (as 0)
    std::string find;
    bool caseSensitive = false;  // data name "case"
    int action = 0;              // 0 match, 1 cut, 2 replace; -1 none chosen (as 0)
    bool matchnot = false;       // with action 0: remove the links that pass
    std::string replace;

    // 0 keep, 1 remove, 2 link rewritten.
    int Judge(std::string& link) const;
    std::string DataRead() const;
    void DataWrite(const DataLines& lines);
    // Typing into or entering the replacement field chooses "replace:".
    void ReplaceChanged(const std::string& text);
    void ReplaceEntered() { action = 2; }
};

}  // namespace ravlet
