#pragma once
// The link list model: ordered texts with a case-insensitive membership set beside them,
// a multiple selection and a current row. The main window's ListLinks is one of these.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "links/FoldCounts.h"
#include "links/LinkListJournal.h"

namespace ravlet {

class LinkList {
  public:
    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    const std::string& At(std::size_t i) const { return items_[i]; }
    const std::vector<std::string>& Items() const { return items_; }

    void Add(const std::string& text);  // appends as it stands (duplicates allowed)
    void Add(std::string&& text);
    void Insert(std::size_t index, const std::string& text);
    void Set(std::size_t index, const std::string& text);
    void Remove(std::size_t index);
    void Clear();
    void Assign(std::vector<std::string> items);

    // The list's exact search, ignoring letter case: index or -1.
    long Find(const std::string& text) const;
    // Membership without the search for the index: a hash look-up.
    bool Contains(std::string_view text) const;
    void Reserve(std::size_t count);

    bool Selected(std::size_t i) const { return selected_[i] != 0; }
    void Select(std::size_t i, bool on) { selected_[i] = on ? 1 : 0; }
    void SelectAll(bool on);
    std::size_t SelectedCount() const;
    long Current() const { return current_; }  // -1 when none
    void Current(long row) { current_ = row; }

    // Raised after the content changed (views repaint, the status counts).
    long Version() const { return version_; }

    // Told of every change of the rows before it is made; nullptr for none. Not owned.
    void Journal(LinkListJournal* journal) { journal_ = journal; }

  private:
    void Reindex() const;
    void Tally(const std::string& text, bool add);
    void Changed() { ++version_; }
    std::vector<std::string> items_;
    std::vector<char> selected_;
    // Case-folded text -> number of entries holding it, so membership is not a linear search.
    // Built on the first question after a whole new content (Assign), so a list that is
    // refilled many times, as the refiner does, pays for it once.
    mutable FoldCounts folded_;
    mutable bool indexed_ = true;
    long current_ = -1;
    long version_ = 0;
    LinkListJournal* journal_ = nullptr;
};

// The one insertion rule for single links: trim blanks, drop empty texts and case-insensitive
// duplicates, else append at the end. True when the text was appended.
bool AddLinkUnique(LinkList& list, std::string_view text);

}  // namespace ravlet
