#include "gui/RefinerWindow.h"

#include <QKeyEvent>

#include "gui/QtKeys.h"
#include "gui/frmRefineNew.h"
#include "platform/UserInterface.h"

namespace ravlet::gui {

RefinerWindow::RefinerWindow(frmMain& main, QWidget* owner)
    : main_(main), owner_(owner), host_(main) {
    main_.SetRefiner(this);
}

RefinerWindow::~RefinerWindow() {
    window_.reset();
    main_.SetRefiner(nullptr);
}

void RefinerWindow::Load() {
    if (window_) return;
    Ui().SetBusy(true);
    host_.mainHeight = owner_ ? owner_->height() * frmRefineNew::kUnitsPerPixel : 0;
    window_ = std::make_unique<frmRefineNew>(host_, owner_);
    window_->Logic().SetResetList(ResetList());
    window_->StateChanged();
    window_->onForeignKey = [this](QKeyEvent* e) {
        main_.Form_KeyDown(ToKeyPress(*e, FocusedIn(window_.get())));
    };
    // Closed by the user: the window has unloaded itself and goes once its event is done.
    window_->onUnloaded = [this] { window_.release()->deleteLater(); };
    Ui().SetBusy(false);
}

void RefinerWindow::RvCommands_FC(int code) {
    Load();
    window_->Logic().RvCommands_FC(code);
}

void RefinerWindow::ShowRefiner() {
    Load();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void RefinerWindow::ToggleRefiner() {
    if (window_ && window_->isVisible()) {
        window_->hide();
        return;
    }
    ShowRefiner();
}

bool RefinerWindow::CloseRefiner() {
    if (!window_) return true;
    // A run or a read under way ends first; the window goes when it has returned.
    if (window_->Logic().PadBusy()) return false;
    window_->close();
    return true;
}

void RefinerWindow::MainStateChanged(int /*state*/) {
    if (window_) window_->StateChanged();
}

void RefinerWindow::SetResetList(const std::vector<std::string>& rows) {
    RefinerHooks::SetResetList(rows);
    if (window_) window_->Logic().SetResetList(rows);
}

}  // namespace ravlet::gui
