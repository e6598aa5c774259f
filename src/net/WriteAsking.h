#pragma once
// Writing a body into its file, with the question a failed write asks.
#include <cstddef>
#include <cstdio>
#include <string>

namespace ravlet {

// Writes size bytes; a failure asks Abort, Retry or Ignore: Abort gives false with the
// system's reason in error, Retry writes what did not reach the file, Ignore drops it.
bool WriteAsking(std::FILE* file, const char* data, std::size_t size, std::string& error);

}  // namespace ravlet
