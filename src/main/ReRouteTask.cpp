// The main window's hand-off of its list to a download manager, and its re-route menu.
#include "app/Settings.h"
#include "main/SaveSettings.h"
#include "main/frmMain.h"
#include "platform/BusyPointer.h"
#include "reroute/ReRoute.h"

namespace ravlet {

std::vector<std::string> MainReRouteHost::Rows() const {
    return main_.ListLinks().Items();
}

std::string MainReRouteHost::PageAddress() const {
    return main_.txtUrl.text;
}

std::string MainReRouteHost::BaseText() const {
    return main_.txtUrlBase;
}

std::string MainReRouteHost::BaseSafe(const std::string& row) const {
    return main_.BaseSafe(row);
}

void frmMain::Task_ReRoute(const std::string& id) {
    // A manager may serve events while it takes the list (aria2's request does): a second
    // hand-off asked for meanwhile would hand the same rows over again.
    if (list_.Empty() || reRouting_) return;
    int result = ReRoute_Failed;
    reRouting_ = true;
    {
        const BusyPointer busy;
        result = ReRouteRows(reRouteHost_, id, txtUrl.text);
    }
    reRouting_ = false;
    if (AppSettings().ReRouteAutoClose && (result == ReRoute_GoOn || result == ReRoute_WholeList))
        AutoClose();
}

void frmMain::Task_ReRoute_Default() {
    const std::string& id = AppSettings().ReRouteDefaultId;
    if (!id.empty() && id != "none") Task_ReRoute(id);
}

void frmMain::zmRlist_Build() {
    zmR_ = ravlet::zmRlist_Build(reRouteHost_, AppSettings().ReRouteDefaultId);
    Notify(View_Menus);
}

bool frmMain::zmRopt_Checked(int index) const {
    const Settings& s = AppSettings();
    if (index == zmRopt_AutoClose) return s.ReRouteAutoClose;
    if (index == zmRopt_Auto) return s.ReRouteAuto;
    return false;
}

void frmMain::zmRopt_Click(int index) {
    Settings& s = AppSettings();
    if (index == zmRopt_AutoClose)
        s.ReRouteAutoClose = !s.ReRouteAutoClose;
    else if (index == zmRopt_Auto)
        s.ReRouteAuto = !s.ReRouteAuto;
    else
        return;
    // The menu's check entry has turned its mark itself; the menu is not rebuilt under it.
    SaveSettings();
}

}  // namespace ravlet
