#pragma once
// The desktop's clipboard for the logic.
#include "platform/Clipboard.h"

namespace ravlet::gui {

class QtClipboard : public Clipboard {
  public:
    QtClipboard();  // installs itself
    ~QtClipboard() override;
    bool HasText() override;
    bool HasRichText() override;
    bool GetText(std::string& text) override;
    void SetText(const std::string& text) override;
    void Clear() override;
};

}  // namespace ravlet::gui
