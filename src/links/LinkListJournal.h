#pragma once
// Told of every change of a LinkList's rows just before it is made, so that an undo history
// can keep what the change takes away.
#include <cstddef>
#include <string>
#include <vector>

namespace ravlet {

class LinkListJournal {
  public:
    virtual ~LinkListJournal() = default;
    virtual void Appending() = 0;  // one row goes to the end
    virtual void Inserting(std::size_t index) = 0;
    virtual void Setting(std::size_t index, const std::string& old, const std::string& now) = 0;
    virtual void Removing(std::size_t index, const std::string& old) = 0;
    // Clear and Assign: every row gives way to now. old is replaced right after, so the
    // journal may take its rows.
    virtual void Replacing(std::vector<std::string>& old, const std::vector<std::string>& now) = 0;
};

}  // namespace ravlet
