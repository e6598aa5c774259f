// The log pane of the main window and the log window it hosts.
#include "app/Settings.h"
#include "main/frmMain.h"

namespace ravlet {

frmLog& frmMain::Log() {
    if (!log_) {
        log_ = std::make_unique<frmLog>(*this);
        // The log lives where it was when ravlet closed last.
        log_->onChanged = [this] {
            AppSettings().LogDocked = log_->Docked();
            Notify(View_Log);
        };
        if (!AppSettings().LogDocked) log_->Docked(false);
        Notify(View_Log);
    }
    return *log_;
}

void frmMain::LogToggle() {
    if (!log_) {
        Log();
        return;
    }
    log_->Toggle();
}

void frmMain::LogPaneVisible(bool visible) {
    logPane_ = visible;
    Notify(View_Log);
}

void frmMain::Form_Resize() {
    Notify(View_Layout);
}

void frmMain::zParentLog_Resize() {
    Notify(View_Layout);
}

}  // namespace ravlet
