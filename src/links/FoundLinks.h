#pragma once
// What the scanner's passes found, in their order: views into the scanned text, so a large page
// costs no string of its own for each of its many values; a value that "&amp;" decoding
// changed is kept here and viewed. The text must outlive the views.
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ravlet {

class FoundLinks {
  public:
    void Add(std::string_view value) { links_.push_back(value); }
    void AddKept(std::string value) {
        kept_.push_back(std::move(value));  // a deque: earlier views stay valid
        links_.push_back(kept_.back());
    }
    void Reserve(std::size_t count) { links_.reserve(count); }
    const std::vector<std::string_view>& Links() const { return links_; }
    std::size_t Count() const { return links_.size(); }
    void Clear() {
        links_.clear();
        kept_.clear();
    }
    // Appends copies of the found values.
    void CopyTo(std::vector<std::string>& results) const {
        results.reserve(results.size() + links_.size());
        for (const std::string_view link : links_) results.emplace_back(link);
    }

  private:
    std::vector<std::string_view> links_;
    std::deque<std::string> kept_;
};

}  // namespace ravlet
