#pragma once
// What the browser component shows: message boxes and its information window.
#include <memory>
#include <string>

namespace ravlet::rvbx {

class RvbxUi {
  public:
    virtual ~RvbxUi() = default;
    // A message box with an OK button (and the error icon when errorIcon).
    virtual void Message(const std::string& text, const std::string& title, bool errorIcon) = 0;
    // A new information window holding text; not modal.
    virtual void ShowInfo(const std::string& text) = 0;
};

// Messages on standard error, for a component without a display.
class StderrRvbxUi : public RvbxUi {
  public:
    void Message(const std::string& text, const std::string& title, bool errorIcon) override;
    void ShowInfo(const std::string& text) override;
};

// The windows of the library: Qt's when it was built with them and a display is there.
std::shared_ptr<RvbxUi> DefaultRvbxUi();

}  // namespace ravlet::rvbx
