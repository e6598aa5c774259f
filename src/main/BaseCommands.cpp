// The base address: the safe base, Build Base, Apply Base and the base step after a parse.
#include "main/frmMain.h"
#include "net/RvUrl.h"
#include "net/ravlet_url.h"

namespace ravlet {

std::string frmMain::BaseSafe(const std::string& text) const {
    const std::string base = UrlHasScheme(txtUrlBase) ? txtUrlBase : UrlBase(txtUrl.text);
    return UrlResolve(base, text);
}

void frmMain::BuildBase() {
    if (txtUrl.text.empty()) return;
    RvUrl url;
    url.url(txtUrl.text);
    txtUrlBase = url.Base();
    Notify(View_Texts);
}

void frmMain::ApplyBase() {
    if (txtUrlBase.empty()) RvCommand(Cmd_BuildBase);
    if (txtUrlBase.empty()) return;
    for (std::size_t i = 0; i < list_.Count(); ++i)
        list_.Set(i, UrlResolve(txtUrlBase, list_.At(i)));
    Interface_StatusReady();
}

void frmMain::Task_Buildbase(int mode) {
    if (mode == 2 || (mode == 1 && Trim(txtUrlBase).empty())) RvCommand(Cmd_BuildBase);
}

void frmMain::SetResetList() {
    refiner_->SetResetList(list_.Items());
    if (!list_.Empty()) State(State_ListReady);
}

}  // namespace ravlet
