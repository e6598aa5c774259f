#pragma once
// The rows of the list being filtered, as a filter sees them: read only.
#include <cstddef>
#include <string>

namespace ravlet {

class FilterRows {
  public:
    virtual ~FilterRows() = default;
    virtual std::size_t Count() const = 0;
    virtual const std::string& At(std::size_t index) const = 0;
    // How many rows hold the text, ignoring letter case.
    virtual std::size_t CountOf(const std::string& text) const = 0;
};

}  // namespace ravlet
