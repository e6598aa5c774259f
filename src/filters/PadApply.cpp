#include "filters/PadApply.h"

#include "filters/ListOnlyHost.h"
#include "filters/PadFile.h"
#include "filters/Refiner.h"

namespace ravlet {

bool PadApplyFile(const std::string& padPath, std::vector<std::string>& rows, std::string* error) {
    ListOnlyHost host;
    Refiner refiner(host);
    const PadReadResult read = PadReadFile(refiner.Pad(), padPath);
    if (!read.Readable()) {
        if (error) *error = read.problem;
        return false;
    }
    host.list.Assign(rows);
    refiner.ApplyAll();
    rows = host.list.Items();
    return true;
}

}  // namespace ravlet
