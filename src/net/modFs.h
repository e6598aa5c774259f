#pragma once
// Small routines over the local file system. They never throw: errors become false or -1.
#include <cstdint>
#include <string>

namespace ravlet {

// The folder separator of this platform; the system's "backslash".
constexpr char kPathSep = '/';

std::string AddBackslash(const std::string& path);
std::string FileNameOfPath(const std::string& path);
bool FileExists(const std::string& path);  // a length above 0
bool DirExists(const std::string& path);   // anything at that path
std::int64_t FileSize(const std::string& path);
// Creates every missing folder on the way to the file; reports each failure and goes on.
// True when something was found at the file's folder path or every missing folder was made.
bool MakePathFor(const std::string& filePath);
// The target of a shortcut (a symbolic link here); empty when the file does not exist.
std::string ShortcutTarget(const std::string& lnkPath);
// Share names of a server, one per call; empty when exhausted. Empty list on this platform.
std::string ServerShareNext(const std::string& server);

}  // namespace ravlet
