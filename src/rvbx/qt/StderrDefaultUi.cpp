// The component's windows in a build without Qt: messages on standard error.
#include "rvbx/RvbxUi.h"

namespace ravlet::rvbx {

std::shared_ptr<RvbxUi> DefaultRvbxUi() {
    static std::shared_ptr<RvbxUi> ui = std::make_shared<StderrRvbxUi>();
    return ui;
}

}  // namespace ravlet::rvbx
