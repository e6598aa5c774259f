#pragma once
// The status bar's state and rules: a caption, a percent bar and, in steps mode, an overall
// bar. The tasks' "gauge" is the steps mode: maximum = Steps, value = Step, shown = Mode 1.
// A view (the Qt widget) listens for redraws.
#include <functional>
#include <string>

namespace ravlet {

class ctlStatusBar {
  public:
    const std::string& Caption() const { return caption_; }
    void Caption(const std::string& text);
    int Mode() const { return mode_; }
    void Mode(int mode);
    int Percent() const { return percent_; }
    void Percent(int percent);
    void SetAll(const std::string& caption, int percent, int value);
    void SetBoth(const std::string& caption, int percent);
    int Step() const { return step_; }
    void Step(int step);
    int Steps() const { return steps_; }
    void Steps(int steps);

    // A second text, drawn at the right end: the overall progress of a run.
    const std::string& Detail() const { return detail_; }
    void Detail(const std::string& text);

    // The overall bar in percent (steps mode), rounded half to even.
    int OverallPercent() const;
    long RedrawCount() const { return redraws_; }
    void OnRedraw(std::function<void()> listener) { listener_ = std::move(listener); }

  private:
    void Redraw();
    std::string caption_;
    std::string detail_;
    int mode_ = 0;
    int percent_ = 0;
    int steps_ = 0;
    int step_ = 0;
    float stepScale_ = 0;
    int value_ = 0;
    long redraws_ = 0;
    std::function<void()> listener_;
};

}  // namespace ravlet
