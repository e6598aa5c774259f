#pragma once
// A list of the site scanner: ordered rows, each an address with its level, and a
// case-folded count of the texts beside them, so membership costs a hash look-up and not a
// walk through a list that a large site makes long. Rows are taken from the front and added
// at either end.
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "links/FoldCounts.h"

namespace ravlet {

class ScanList {
  public:
    std::size_t Count() const { return rows_.size(); }
    bool Empty() const { return rows_.empty(); }
    const std::string& At(std::size_t i) const { return rows_[i].text; }
    int Level(std::size_t i) const { return rows_[i].level; }
    std::vector<std::string> Items() const;

    void Add(const std::string& text, int level = 0);       // at the end
    void AddFront(const std::string& text, int level = 0);  // as row 0
    void RemoveFirst();
    void Clear();
    void SetAllLevels(int level);

    // The list box's exact search: the whole text, letter case ignored.
    bool Contains(std::string_view text) const { return folded_.Contains(text); }

    // Raised after every change, so a view knows when to draw the rows again.
    long Version() const { return version_; }

  private:
    struct Row {
        std::string text;
        int level = 0;
    };
    std::deque<Row> rows_;
    FoldCounts folded_;
    long version_ = 0;
};

}  // namespace ravlet
