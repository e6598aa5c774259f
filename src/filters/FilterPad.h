#pragma once
// The filter pad: the grouped list of groups and filters, and the filters it hosts, which it
// owns. Entries without a component are groups; entries hosting a FilterGen are filters.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "filters/FilterGen.h"
#include "filters/Glist.h"

namespace ravlet {

class FilterPad {
  public:
    FilterPad();
    ~FilterPad();
    FilterPad(const FilterPad&) = delete;
    FilterPad& operator=(const FilterPad&) = delete;

    Glist& List() { return list_; }
    const Glist& List() const { return list_; }
    // The filter of an entry; nullptr for a group or a number out of range.
    FilterGen* FilterAt(int entry) const;

    // A new filter component named "Filter" + its number, not yet in the list.
    FilterGen& CreateFilter();
    // "&Group": "Group 1", "Group 2", ... after the selected entry.
    int AddGroup();
    // A filter of the kind after the selected entry; collapsed groups above it expand.
    int AddFilter(const std::string& kind);
    // "&Del": asks, then removes the selected entry with its subentries.
    void DeleteSelected();
    // Removes one entry that has no subentries left, and destroys its filter.
    void RemoveEntry(int entry);
    // Every entry, from the last to the first.
    void Clear();

    // The window system creates and drops the editing panels of the filters.
    std::function<void(FilterGen&)> onFilterCreated;
    std::function<void(FilterGen&)> onFilterRemoving;

  private:
    Glist list_;
    std::vector<std::unique_ptr<FilterGen>> filters_;
    int filterCounter_ = 0;
    int groupCounter_ = 0;
};

}  // namespace ravlet
