#pragma once
// How many times each text is held, letter case ignored: the membership index beside the
// link lists. Open addressing over a flat array of hashes, so a look-up reads one line of
// hashes and compares a text only where its hash matches; a large page asks tens of
// thousands of times, mostly for links already held.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ravlet {

class FoldCounts {
  public:
    void Add(std::string_view text);
    // One fewer; the text is forgotten at none.
    void Remove(std::string_view text);
    std::size_t Count(std::string_view text) const;
    bool Contains(std::string_view text) const { return Find(text) != kNone; }
    std::size_t Size() const { return size_; }
    void Clear();
    void Reserve(std::size_t texts);

  private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    struct Entry {
        std::string text;
        std::size_t count = 0;
    };
    // The slot holding text, or the free slot its probe ends at; the table has slots.
    std::size_t Probe(std::string_view text, std::uint64_t hash) const;
    std::size_t Find(std::string_view text) const;
    void Grow(std::size_t slots);
    // 0 marks a free slot; every stored hash has its low bit set.
    std::vector<std::uint64_t> hashes_;
    std::vector<Entry> entries_;
    std::size_t size_ = 0;
};

}  // namespace ravlet
