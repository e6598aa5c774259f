// The get task: the get button and the page fetch.
#include "app/LogSink.h"
#include "app/Settings.h"
#include "main/frmMain.h"
#include "net/RvUrl.h"
#include "net/ravlet_url.h"
#include "platform/UserInterface.h"

namespace ravlet {

namespace {

std::string TrimLeadingBlanks(const std::string& text) {
    const std::size_t b = text.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : text.substr(b);
}

}  // namespace

void frmMain::cGo_Click() {
    if (!CommandAllowed(Act_GetButton, state_)) return;
    if (!txtUrl.text.empty()) {
        std::string address = TrimLeadingBlanks(txtUrl.text);
        if (!UrlHasScheme(address)) address = "http://" + address;
        if (UrlHasScheme(address)) {
            RvUrl url;
            url.url(address);
            txtUrl.text = url.url();
            Notify(View_Texts);
            // The key itself, not the last key event: a release that went to another window
            // (the refiner after a Ctrl+Get) would leave add mode on.
            AddMode(Ui().ControlKeyHeld());
            State(State_Busy);
            // A new page is a step of the undo history: a get by mistake keeps the old list.
            ListUndoStep step(undo_);
            GetPage(addMode_, true, true);
            if (state_ == State_ListReady && AppSettings().Auto_Leech != 0)
                download_->DownloadButton(0);
            return;
        }
        txtUrl.text = address;
        Notify(View_Texts);
    }
    MsgBox("Error: You have to Enter an URL !  (prot://server.dom/path/file.ext e.g.)");
    view_->FocusUrlBox();
}

void frmMain::GetPage(bool append, bool interactive, bool acceptNonHtml) {
    const Settings& s = AppSettings();
    const std::string address = txtUrl.text;
    if (address.empty() || !UrlHasScheme(address)) return;
    State(State_Busy);
    objRvGet.Timeout(s.nettimeout);
    Interface_Status("Get Info... : " + address);

    bool ok = false;
    objRvGet.NetUrlOpen(address, "User-Agent: " + s.user_agent + "\r\naccept: */html\r\n", ok);
    if (!ok) {
        State(State_Idle);
        objRvGet.NetUrlClose();
        if (interactive) MsgBox("Error: " + objRvGet.NetError());
        return;
    }
    // An error page is no page of links: the list stays as it was.
    const std::string code = objRvGet.NetUrlHeader(2);
    if (code != "200" && code != "0") {
        objRvGet.NetUrlClose();
        const std::string line = "Error: Http Code not OK (200):" + code + " - Url: " + address;
        LogMessage(line);
        State(State_Idle);
        Interface_Status(line);
        return;
    }
    const std::string contentType = objRvGet.NetUrlHeader(3);
    if (!IEquals(contentType, "text/html")) {
        bool goOn = acceptNonHtml;
        if (interactive)
            goOn = MsgBox(
                       "This file does not seem to be HTML!\r\n\r\nDo you want to continue "
                       "?\r\n\r\nFile info:\r\nMimetype:" +
                           contentType + "\r\nSize:" + objRvGet.NetUrlHeader(4),
                       MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes;
        if (!goOn) {
            objRvGet.NetUrlClose();
            Interface_StatusReady();
            State(State_ListReady);
            return;
        }
    }
    objRvGet.NetUrlRead(false, -1, ok);
    objRvGet.NetUrlClose();
    if (!ok) {
        // A body that broke off is no page: the list stays as it was.
        State(State_Idle);
        if (interactive) MsgBox("Error: " + objRvGet.NetError());
        return;
    }
    Task_History_Do();
    ParsePage(objRvGet.TakeDataText(), append);
    if (!list_.Empty()) {
        SetResetList();
        Task_Buildbase(s.Auto_BuildBase);
        if (s.Refiner_AutoShow) RvCommand(Cmd_ShowRefiner);
        if (s.Refiner_AutoApply) RvCommand(Cmd_RefinerApply);
        State(State_ListReady);
    } else {
        State(State_Idle);
        if (interactive) MsgBox("Error: no links/references on page were found.");
    }
}

}  // namespace ravlet
