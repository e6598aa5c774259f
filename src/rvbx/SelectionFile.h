#pragma once
// The selection file: the HTML of a browser selection handed to ravlet in the program folder.
#include <string>

namespace ravlet::rvbx {

// Writes data and one CR LF to a new file in folder (which ends in "/") under the first of
// the names "ravlet.l00" to "ravlet.l99" that is free: a hand-over that ravlet has not read
// yet is never overwritten. The name, or "" with the reason in problem (every name taken, the
// folder cannot be written); a file that could not be written whole is removed.
std::string WriteSelectionFile(const std::string& folder, const std::string& data,
                               std::string& problem);

}  // namespace ravlet::rvbx
