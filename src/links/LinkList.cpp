#include "links/LinkList.h"

#include <algorithm>
#include <cstring>

#include "links/FoldKey.h"

namespace ravlet {

void LinkList::Tally(const std::string& text, bool add) {
    if (!indexed_) return;
    if (add) {
        folded_.Add(text);
    } else {
        folded_.Remove(text);
    }
}

void LinkList::Add(const std::string& text) {
    if (journal_) journal_->Appending();
    items_.push_back(text);
    selected_.push_back(0);
    Tally(text, true);
    Changed();
}

void LinkList::Add(std::string&& text) {
    if (journal_) journal_->Appending();
    items_.push_back(std::move(text));
    selected_.push_back(0);
    Tally(items_.back(), true);
    Changed();
}

void LinkList::Insert(std::size_t index, const std::string& text) {
    index = std::min(index, items_.size());
    if (journal_) journal_->Inserting(index);
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), text);
    selected_.insert(selected_.begin() + static_cast<std::ptrdiff_t>(index), 0);
    Tally(text, true);
    if (current_ >= static_cast<long>(index)) ++current_;
    Changed();
}

void LinkList::Set(std::size_t index, const std::string& text) {
    if (index >= items_.size()) return;
    if (journal_) journal_->Setting(index, items_[index], text);
    Tally(items_[index], false);
    items_[index] = text;
    Tally(text, true);
    Changed();
}

void LinkList::Remove(std::size_t index) {
    // A row that is no longer there is skipped.
    if (index >= items_.size()) return;
    if (journal_) journal_->Removing(index, items_[index]);
    Tally(items_[index], false);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    selected_.erase(selected_.begin() + static_cast<std::ptrdiff_t>(index));
    // The row now at the removed index becomes current, or the one before it at the end.
    if (current_ > static_cast<long>(index)) --current_;
    if (current_ >= static_cast<long>(items_.size()))
        current_ = static_cast<long>(items_.size()) - 1;
    Changed();
}

void LinkList::Clear() {
    if (journal_ && !items_.empty()) {
        const std::vector<std::string> none;
        journal_->Replacing(items_, none);
    }
    items_.clear();
    selected_.clear();
    folded_.Clear();
    indexed_ = true;
    current_ = -1;
    Changed();
}

void LinkList::Assign(std::vector<std::string> items) {
    if (journal_) journal_->Replacing(items_, items);
    items_ = std::move(items);
    selected_.assign(items_.size(), 0);
    current_ = -1;
    folded_.Clear();
    indexed_ = false;
    Changed();
}

void LinkList::Reserve(std::size_t count) {
    items_.reserve(count);
    selected_.reserve(count);
    // The index is left to grow: the count is an upper bound, and on a page most links are
    // repeats that the index never holds.
}

void LinkList::Reindex() const {
    if (indexed_) return;
    folded_.Reserve(items_.size());
    for (const std::string& text : items_) folded_.Add(text);
    indexed_ = true;
}

bool LinkList::Contains(std::string_view text) const {
    Reindex();
    return folded_.Contains(text);
}

long LinkList::Find(const std::string& text) const {
    if (!Contains(text)) return -1;
    const FoldEqual equal;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (equal(items_[i], text)) return static_cast<long>(i);
    }
    return -1;
}

void LinkList::SelectAll(bool on) {
    std::fill(selected_.begin(), selected_.end(), on ? 1 : 0);
}

std::size_t LinkList::SelectedCount() const {
    return static_cast<std::size_t>(std::count(selected_.begin(), selected_.end(), 1));
}

bool AddLinkUnique(LinkList& list, std::string_view text) {
    // Blanks only, as the list's insertion rule trims.
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return false;
    const std::size_t last = text.find_last_not_of(' ');
    const std::string_view trimmed(text.data() + first, last - first + 1);
    if (list.Contains(trimmed)) return false;
    list.Add(std::string(trimmed));
    return true;
}

}  // namespace ravlet
