#pragma once
// Lists saved as text files, one entry per line, and text files read whole.
#include <functional>
#include <string>
#include <vector>

namespace ravlet {

// Writes every entry as one CR LF line. The file is replaced in one step, so a failure
// leaves the old file as it was; the failure is shown ("Saving List") and false returned.
bool ListSaveFile(const std::string& path, const std::vector<std::string>& list);

// Appends every line of the file to list; percent (when given) hears the share read so far
// after each line. False when the file cannot be read (list then unchanged).
bool ListLoadFile(const std::string& path, std::vector<std::string>& list,
                  const std::function<void(int)>& percent = {});

// Every line of the file followed by CR LF; empty when the file cannot be read.
std::string ReadTextFile(const std::string& path);

// The whole file as bytes; false when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

}  // namespace ravlet
