#pragma once
// The information window of the browser component, without its drawing.
#include <string>

namespace ravlet::rvbx {

inline constexpr char kFrmInfoCaption[] = "RavLet Integration Component";

// The component's own version.
inline constexpr int kRvbxMajor = 0;
inline constexpr int kRvbxMinor = 1;
inline constexpr int kRvbxRevision = 3;

// lblInfo: the version record's comments (empty) + " Version " + major.minor.revision.
std::string FrmInfoLabel(const std::string& comments = std::string(), int major = kRvbxMajor,
                         int minor = kRvbxMinor, int revision = kRvbxRevision);

// Every CR LF and every lone LF becomes CR, then every CR becomes CR LF.
std::string NormaliseLineEnds(const std::string& text);

struct InfoRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// infoTxt after a resize of the window's inner area to width x height: it keeps its left and
// top offsets and fills the rest, leaving the left offset as margin on the right and at the
// bottom (never less than nothing).
InfoRect InfoTextArea(int width, int height, int left, int top);

}  // namespace ravlet::rvbx
