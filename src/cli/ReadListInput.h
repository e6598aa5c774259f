#pragma once
// The list a command reads: a file, or standard input for "-" or no name.
#include <string>

namespace ravlet::cli {

// The bytes of list; false after "ravlet-cli COMMAND: cannot read ..." on standard error.
bool ReadListInput(const std::string& command, const std::string& list, std::string& bytes);

}  // namespace ravlet::cli
