#include "gui/ScannerWindow.h"

#include "gui/frmScannerWindow.h"
#include "tools/frmOptionsNew.h"

namespace ravlet::gui {

ScannerWindow::ScannerWindow(frmMain& main, QWidget* owner)
    : main_(main), owner_(owner), host_(main) {}

ScannerWindow::~ScannerWindow() = default;

void ScannerWindow::Show() {
    if (!window_) {
        window_ = std::make_unique<frmScannerWindow>(host_, owner_);
        // Closed by the user: the window goes once its close event is done.
        window_->onUnloaded = [this] { window_.release()->deleteLater(); };
        window_->onPreferences = [this] { main_.View().ShowPreferences(Page_Scanner); };
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

bool ScannerWindow::Close() {
    if (!window_) return true;
    return window_->close();
}

}  // namespace ravlet::gui
