#pragma once
// Applying a pad file's checked filters to a list without any window: for ravlet-cli's
// "filter" command and the --pad option of its downloads.
#include <string>
#include <vector>

namespace ravlet {

// Reads the pad at padPath and runs its checked filters over rows, in place, as the refiner
// does. False with the reason in *error when the pad cannot be read whole; rows are then
// unchanged.
bool PadApplyFile(const std::string& padPath, std::vector<std::string>& rows,
                  std::string* error = nullptr);

}  // namespace ravlet
