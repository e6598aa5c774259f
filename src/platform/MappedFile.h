#pragma once
// A whole file mapped for reading: a large page is parsed from the system's file cache without
// being copied into a buffer of ours first.
#include <cstddef>
#include <string>
#include <string_view>

namespace ravlet {

class MappedFile {
  public:
    MappedFile() = default;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    // False, with errno set, when path is not a regular file that can be opened and mapped;
    // an empty file maps as an empty text.
    bool Open(const std::string& path);
    std::string_view Text() const { return {static_cast<const char*>(data_), size_}; }

  private:
    void* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace ravlet
