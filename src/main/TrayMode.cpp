// The notification-area mode: minimised, the window hides behind an icon.
#include "main/frmMain.h"

namespace ravlet {

void frmMain::Form_Minimized() {
    if (tray_) return;
    tray_ = true;
    Notify(View_Layout);
}

void frmMain::TrayLeave() {
    if (!tray_) return;
    tray_ = false;
    Notify(View_Layout);
}

void frmMain::TrayIconClick(bool leftButton) {
    if (!tray_) return;
    if (leftButton) {
        TrayLeave();
        return;
    }
    view_->PopupFileMenu();
}

void frmMain::PreferencesOpen(bool open) {
    if (open) TrayLeave();
    preferencesOpen_ = open;
}

}  // namespace ravlet
