#pragma once
// Applying a pad file's checked filters to a list without any window: for ravlet-cli's
// "filter" command and the --pad option of its downloads.
#include <string>
#include <vector>

#include "filters/ListOnlyHost.h"
#include "filters/Refiner.h"

namespace ravlet {

// A pad read once and applied later, so a download can refuse a bad pad before it fetches
// anything.
class PadRun {
  public:
    PadRun() : refiner_(host_) {}
    // False with the reason in *error when the pad cannot be read whole.
    bool Load(const std::string& padPath, std::string* error = nullptr);
    // Runs the checked filters over rows, in place, as the refiner does.
    void Apply(std::vector<std::string>& rows);

  private:
    ListOnlyHost host_;
    Refiner refiner_;
};

// Load and Apply in one; rows are unchanged when the pad cannot be read.
bool PadApplyFile(const std::string& padPath, std::vector<std::string>& rows,
                  std::string* error = nullptr);

}  // namespace ravlet
