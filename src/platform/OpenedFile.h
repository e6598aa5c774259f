#pragma once
// A stdio stream that closes itself: a file opened by one part of the download (the part
// file it created) and written by another.
#include <cstdio>
#include <memory>

namespace ravlet {

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenedFile = std::unique_ptr<std::FILE, CloseFile>;

}  // namespace ravlet
