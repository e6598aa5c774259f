#include <iostream>

#include "rvbx/FrmInfo.h"
#include "rvbx/RvbxUi.h"

namespace ravlet::rvbx {

void StderrRvbxUi::Message(const std::string& text, const std::string& title, bool errorIcon) {
    std::cerr << title << (errorIcon ? " (error): " : ": ") << text << '\n';
}

void StderrRvbxUi::ShowInfo(const std::string& text) {
    std::cerr << kFrmInfoCaption << '\n' << FrmInfoLabel() << '\n' << text << '\n';
}

}  // namespace ravlet::rvbx
