#pragma once
// Writes a whole file so that readers see either the old content or the new one, never a
// half-written file: the bytes go to a temporary file in the same folder, which is then
// renamed over the target.
#include <string>

namespace ravlet {

// False with the reason in *error (when given); the old file is then left as it was and no
// temporary file remains.
bool AtomicWriteFile(const std::string& path, const std::string& data,
                     std::string* error = nullptr);

}  // namespace ravlet
