#pragma once
// The rows of a list while one filter runs over it, top to bottom. Rows above the current one
// are already filtered, the current one and those below not yet, exactly as if the filter
// rewrote and removed rows in place; but removing a row costs no shifting of the rows below,
// so a filter over a long list stays linear.
#include <cstddef>
#include <string>
#include <vector>

#include "filters/FilterRows.h"
#include "links/FoldCounts.h"

namespace ravlet {

class RefineRows : public FilterRows {
  public:
    explicit RefineRows(std::vector<std::string> rows, std::vector<char> selected = {});

    std::size_t Count() const override { return done_.size() + (rows_.size() - next_); }
    const std::string& At(std::size_t index) const override;
    std::size_t CountOf(const std::string& text) const override;

    bool Finished() const { return next_ >= rows_.size(); }
    // True once a row was rewritten or removed.
    bool Changed() const { return changed_; }
    std::size_t CurrentIndex() const { return done_.size(); }
    const std::string& Current() const { return rows_[next_]; }
    void Keep();
    void Replace(const std::string& text);
    void Remove();

    // The rows as they stand: the filtered ones, then those not reached, with their
    // selection flags.
    void Take(std::vector<std::string>& rows, std::vector<char>& selected);

  private:
    void Tally(const std::string& text, int delta);
    std::vector<std::string> rows_;
    std::vector<char> selected_;
    std::size_t next_ = 0;
    bool changed_ = false;
    std::vector<std::string> done_;
    std::vector<char> doneSelected_;
    // Built on the first question, then kept up to date.
    mutable bool counted_ = false;
    mutable FoldCounts counts_;
};

}  // namespace ravlet
