#include "scanner/ScanList.h"

namespace ravlet {

std::vector<std::string> ScanList::Items() const {
    std::vector<std::string> items;
    items.reserve(rows_.size());
    for (const Row& row : rows_) items.push_back(row.text);
    return items;
}

void ScanList::Tally(const std::string& text) {
    ++folded_[text];
}

void ScanList::Untally(const std::string& text) {
    auto it = folded_.find(std::string_view(text));
    if (it == folded_.end()) return;
    if (--it->second == 0) folded_.erase(it);
}

void ScanList::Add(const std::string& text, int level) {
    rows_.push_back({text, level});
    Tally(text);
    ++version_;
}

void ScanList::AddFront(const std::string& text, int level) {
    rows_.push_front({text, level});
    Tally(text);
    ++version_;
}

void ScanList::RemoveFirst() {
    if (rows_.empty()) return;
    Untally(rows_.front().text);
    rows_.pop_front();
    ++version_;
}

void ScanList::Clear() {
    rows_.clear();
    folded_.clear();
    ++version_;
}

void ScanList::SetAllLevels(int level) {
    for (Row& row : rows_) row.level = level;
    ++version_;
}

}  // namespace ravlet
