#pragma once
// The overwrite question on screen: frmOverwrite's window, owned by the main window.
#include <QWidget>

#include "main/frmOverwrite.h"

namespace ravlet::gui {

class frmOverwriteDialog : public OverwriteView {
  public:
    explicit frmOverwriteDialog(QWidget* owner) : owner_(owner) {}
    OverwriteAnswer Show(const OverwriteQuestion& question, frmOverwrite& form) override;

  private:
    QWidget* owner_;
};

}  // namespace ravlet::gui
