#pragma once
// The settings record keeps, beside the identifier of the default download manager, its
// position in the download-manager table.
#include <string>

namespace ravlet {

// Position of the identifier in the download-manager table. The hand-off and its table are
// not part of this build, so every identifier maps to entry 0, "none".
int ReRouteIndexOf(const std::string& id);

}  // namespace ravlet
