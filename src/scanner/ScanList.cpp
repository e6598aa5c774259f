#include "scanner/ScanList.h"

namespace ravlet {

std::vector<std::string> ScanList::Items() const {
    std::vector<std::string> items;
    items.reserve(rows_.size());
    for (const Row& row : rows_) items.push_back(row.text);
    return items;
}

void ScanList::Add(const std::string& text, int level) {
    rows_.push_back({text, level});
    folded_.Add(text);
    ++version_;
}

void ScanList::AddFront(const std::string& text, int level) {
    rows_.push_front({text, level});
    folded_.Add(text);
    ++version_;
}

void ScanList::RemoveFirst() {
    if (rows_.empty()) return;
    folded_.Remove(rows_.front().text);
    rows_.pop_front();
    ++version_;
}

void ScanList::Clear() {
    rows_.clear();
    folded_.Clear();
    ++version_;
}

void ScanList::SetAllLevels(int level) {
    for (Row& row : rows_) row.level = level;
    ++version_;
}

}  // namespace ravlet
