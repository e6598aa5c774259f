#include "tools/ctlStatusBar.h"

#include <algorithm>
#include <cmath>

namespace ravlet {

void ctlStatusBar::Caption(const std::string& text) {
    if (text == caption_) return;
    caption_ = text;
    Redraw();
}

void ctlStatusBar::Detail(const std::string& text) {
    if (text == detail_) return;
    detail_ = text;
    Redraw();
}

void ctlStatusBar::Mode(int mode) {
    // The absolute value; widened first so the most negative int does not overflow.
    const long long magnitude = std::llabs(static_cast<long long>(mode));
    mode_ = magnitude >= 1 ? 1 : 0;
    Redraw();
}

void ctlStatusBar::Percent(int percent) {
    percent_ = std::clamp(percent, -1, 100);
    Redraw();
}

void ctlStatusBar::SetAll(const std::string& caption, int percent, int value) {
    caption_ = caption;
    percent_ = percent;
    value_ = value;
    Redraw();
}

void ctlStatusBar::SetBoth(const std::string& caption, int percent) {
    caption_ = caption;
    Percent(percent);
}

void ctlStatusBar::Step(int step) {
    const int clamped = std::clamp(step, 0, steps_);
    if (clamped == step_) return;
    step_ = clamped;
    Redraw();
}

void ctlStatusBar::Steps(int steps) {
    steps_ = std::max(steps, 0);
    stepScale_ = steps_ == 0 ? 0.0f : 100.0f / static_cast<float>(steps_);
}

int ctlStatusBar::OverallPercent() const {
    const double scale = stepScale_;
    const double overall = percent_ == 0 ? scale * step_ : percent_ / 100.0 * scale + step_ * scale;
    // nearbyint rounds half to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(overall));
}

void ctlStatusBar::Redraw() {
    ++redraws_;
    if (listener_) listener_();
}

}  // namespace ravlet
