#include "tools/frmInfo.h"

#include "app/Settings.h"
#include "platform/Shell.h"
#include "tools/UrlInfo.h"

namespace ravlet {

void frmInfo::ShowInfo(const std::string& address, const std::string& referrer,
                       const std::string& base) {
    if (txtRef.empty() && !referrer.empty()) txtRef = referrer;
    if (txtBase.empty() && !base.empty()) txtBase = base;
    txtUrl = address;
    row_ = host_.ListLinks().Current();
    Redraw();
}

bool frmInfo::GetInfo() {
    std::string text;
    const bool ok = GetInfoText(txtUrl, txtRef, txtBase, AppSettings(), StatusLbl, text);
    txt = text;
    Redraw();
    return ok;
}

void frmInfo::cmd_Click(int index) {
    switch (index) {
        case 0:
            if (busy_) return;
            busy_ = true;
            Redraw();
            GetInfo();
            busy_ = false;
            Redraw();
            break;
        case 1:
            ShellOpen(txtUrl);
            break;
        case 2: {
            if (busy_) return;
            LinkList& list = host_.ListLinks();
            // The list may have become shorter since the window opened: then only close.
            if (row_ >= 0 && static_cast<std::size_t>(row_) < list.Count() &&
                host_.ApplyAllowed()) {
                list.Set(static_cast<std::size_t>(row_), txtUrl);
                host_.ListChanged();
            }
            if (Close) Close();
            break;
        }
        case 3:
            if (busy_) return;
            if (Close) Close();
            break;
        default:
            break;
    }
}

}  // namespace ravlet
