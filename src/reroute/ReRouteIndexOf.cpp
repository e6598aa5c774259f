#include "reroute/ReRouteIndexOf.h"

namespace ravlet {

int ReRouteIndexOf(const std::string&) {
    return 0;
}

}  // namespace ravlet
