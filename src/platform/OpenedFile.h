#pragma once
// A stdio stream that closes itself: a file opened by one part of the download (the part
// file it created) and written by another.
#include <cstdio>
#include <memory>
#include <string>

namespace ravlet {

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenedFile = std::unique_ptr<std::FILE, CloseFile>;

// The file a body is written into: the one its creator handed over, open and empty, or else
// the name opened anew, at its end when append says so (a handed-over file is then closed).
inline OpenedFile OpenBodyFile(OpenedFile given, const std::string& path, bool append) {
    if (given && !append) return given;
    return OpenedFile(std::fopen(path.c_str(), append ? "ab" : "wb"));
}

}  // namespace ravlet
