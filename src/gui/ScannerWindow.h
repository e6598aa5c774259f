#pragma once
// The site scanner for the main window: one window at a time, opened from the Tools menu
// with the main window's addresses, and closed (or refusing to close) before the main window.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "main/MainScannerHost.h"

namespace ravlet::gui {

class frmScannerWindow;

class ScannerWindow {
  public:
    ScannerWindow(frmMain& main, QWidget* owner);
    ~ScannerWindow();
    ScannerWindow(const ScannerWindow&) = delete;
    ScannerWindow& operator=(const ScannerWindow&) = delete;

    // Loads the window when there is none, and brings it to the front.
    void Show();
    // True when there was none, or it agreed to close.
    bool Close();
    frmScannerWindow* Window() const { return window_.get(); }

  private:
    frmMain& main_;
    QPointer<QWidget> owner_;
    MainScannerHost host_;
    std::unique_ptr<frmScannerWindow> window_;
};

}  // namespace ravlet::gui
