#include "links/FoldCounts.h"

#include <utility>

#include "links/FoldKey.h"

namespace ravlet {

namespace {

std::uint64_t HashOf(std::string_view text) {
    return static_cast<std::uint64_t>(FoldHash{}(text)) | 1;
}

}  // namespace

std::size_t FoldCounts::Probe(std::string_view text, std::uint64_t hash) const {
    const std::size_t mask = hashes_.size() - 1;
    std::size_t i = hash & mask;
    while (hashes_[i] != 0 && !(hashes_[i] == hash && FoldEqual{}(entries_[i].text, text)))
        i = (i + 1) & mask;
    return i;
}

std::size_t FoldCounts::Find(std::string_view text) const {
    if (size_ == 0) return kNone;
    const std::size_t i = Probe(text, HashOf(text));
    return hashes_[i] == 0 ? kNone : i;
}

void FoldCounts::Add(std::string_view text) {
    // At most half full: probes stay short.
    if ((size_ + 1) * 2 > hashes_.size()) Grow(hashes_.empty() ? 16 : hashes_.size() * 2);
    const std::uint64_t hash = HashOf(text);
    const std::size_t i = Probe(text, hash);
    if (hashes_[i] != 0) {
        ++entries_[i].count;
        return;
    }
    hashes_[i] = hash;
    entries_[i].text.assign(text);
    entries_[i].count = 1;
    ++size_;
}

void FoldCounts::Remove(std::string_view text) {
    std::size_t i = Find(text);
    if (i == kNone || --entries_[i].count > 0) return;
    // The entries after it that probed past it move back, so no search stops short.
    const std::size_t mask = hashes_.size() - 1;
    for (std::size_t j = (i + 1) & mask; hashes_[j] != 0; j = (j + 1) & mask) {
        const std::size_t home = hashes_[j] & mask;
        const bool stays = i <= j ? (i < home && home <= j) : (i < home || home <= j);
        if (stays) continue;
        hashes_[i] = hashes_[j];
        entries_[i] = std::move(entries_[j]);
        i = j;
    }
    hashes_[i] = 0;
    entries_[i] = Entry{};
    --size_;
}

std::size_t FoldCounts::Count(std::string_view text) const {
    const std::size_t i = Find(text);
    return i == kNone ? 0 : entries_[i].count;
}

void FoldCounts::Clear() {
    hashes_.clear();
    entries_.clear();
    size_ = 0;
}

void FoldCounts::Reserve(std::size_t texts) {
    std::size_t slots = 16;
    while (slots < texts * 2) slots *= 2;
    if (slots > hashes_.size()) Grow(slots);
}

void FoldCounts::Grow(std::size_t slots) {
    std::vector<std::uint64_t> hashes(slots, 0);
    std::vector<Entry> entries(slots);
    const std::size_t mask = slots - 1;
    for (std::size_t k = 0; k < hashes_.size(); ++k) {
        if (hashes_[k] == 0) continue;
        std::size_t i = hashes_[k] & mask;
        while (hashes[i] != 0) i = (i + 1) & mask;
        hashes[i] = hashes_[k];
        entries[i] = std::move(entries_[k]);
    }
    hashes_ = std::move(hashes);
    entries_ = std::move(entries);
}

}  // namespace ravlet
