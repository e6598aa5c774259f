#include "filters/PadApply.h"

#include <utility>

#include "filters/PadFile.h"

namespace ravlet {

bool PadRun::Load(const std::string& padPath, std::string* error) {
    const PadReadResult read = PadReadFile(refiner_.Pad(), padPath);
    if (!read.Readable() && error) *error = read.problem;
    return read.Readable();
}

void PadRun::Apply(std::vector<std::string>& rows) {
    host_.list.Assign(std::move(rows));
    refiner_.ApplyAll();
    rows = host_.list.Items();
    host_.list.Clear();
}

bool PadApplyFile(const std::string& padPath, std::vector<std::string>& rows, std::string* error) {
    PadRun run;
    if (!run.Load(padPath, error)) return false;
    run.Apply(rows);
    return true;
}

}  // namespace ravlet
