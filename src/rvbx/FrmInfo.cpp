#include "rvbx/FrmInfo.h"

#include <algorithm>

namespace ravlet::rvbx {

std::string FrmInfoLabel(const std::string& comments, int major, int minor, int revision) {
    return comments + " Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision);
}

std::string NormaliseLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

InfoRect InfoTextArea(int width, int height, int left, int top) {
    return {left, top, std::max(0, width - 2 * left), std::max(0, height - top - left)};
}

}  // namespace ravlet::rvbx
