#include "filters/RefineRows.h"

namespace ravlet {

RefineRows::RefineRows(std::vector<std::string> rows, std::vector<char> selected)
    : rows_(std::move(rows)), selected_(std::move(selected)) {
    selected_.resize(rows_.size(), 0);
    done_.reserve(rows_.size());
    doneSelected_.reserve(rows_.size());
}

const std::string& RefineRows::At(std::size_t index) const {
    return index < done_.size() ? done_[index] : rows_[next_ + (index - done_.size())];
}

std::size_t RefineRows::CountOf(const std::string& text) const {
    if (!counted_) {
        counts_.Reserve(Count());
        for (const std::string& r : done_) counts_.Add(r);
        for (std::size_t i = next_; i < rows_.size(); ++i) counts_.Add(rows_[i]);
        counted_ = true;
    }
    return counts_.Count(text);
}

void RefineRows::Tally(const std::string& text, int delta) {
    if (!counted_) return;
    if (delta > 0) {
        counts_.Add(text);
    } else {
        counts_.Remove(text);
    }
}

void RefineRows::Keep() {
    done_.push_back(std::move(rows_[next_]));
    doneSelected_.push_back(selected_[next_]);
    ++next_;
}

void RefineRows::Replace(const std::string& text) {
    Tally(rows_[next_], -1);
    Tally(text, +1);
    if (rows_[next_] != text) changed_ = true;
    rows_[next_] = text;
    Keep();
}

void RefineRows::Remove() {
    Tally(rows_[next_], -1);
    ++next_;
    changed_ = true;
}

void RefineRows::Take(std::vector<std::string>& rows, std::vector<char>& selected) {
    for (; next_ < rows_.size(); ++next_) {
        done_.push_back(std::move(rows_[next_]));
        doneSelected_.push_back(selected_[next_]);
    }
    rows = std::move(done_);
    selected = std::move(doneSelected_);
    done_.clear();
    doneSelected_.clear();
    counts_.Clear();
    counted_ = false;
}

}  // namespace ravlet
