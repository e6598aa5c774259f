#include "main/frmMain.h"

#include "app/LogSink.h"
#include "app/Settings.h"
#include "main/History.h"
#include "main/SaveSettings.h"
#include "net/CookieFile.h"
#include "platform/Timer.h"
#include "platform/UserInterface.h"

namespace ravlet {

frmMain::frmMain() : monitor_(MakeTimer()) {
    controls_ = ControlsForState(state_);
    undo_.ReadTexts = [this] {
        return std::vector<std::string>{txtUrl.text, txtUrlBase, TextHtml};
    };
    undo_.WriteTexts = [this](std::vector<std::string> texts) {
        texts.resize(3);
        txtUrl.text = std::move(texts[0]);
        txtUrlBase = std::move(texts[1]);
        TextHtml = std::move(texts[2]);
        Notify(View_Texts);
    };
}

frmMain::~frmMain() {
    if (loaded_ && !closed_) SetLogHandler(nullptr);
    monitor_->Stop();
}

void frmMain::SetView(MainView* view) {
    view_ = view ? view : &ownView_;
}
void frmMain::SetRefiner(RefinerHooks* refiner) {
    refiner_ = refiner ? refiner : &ownRefiner_;
}
void frmMain::SetDownload(DownloadHooks* download) {
    download_ = download ? download : &ownDownload_;
}

void frmMain::Notify(int parts) {
    view_->Update(parts);
}

void frmMain::State(int value) {
    // A task's changes of the list (the refiner's, the generator's) end at its state change.
    undo_.Seal();
    state_ = value;
    Interface_Set_State();
    if (value == State_Idle || value == State_ListReady) Interface_StatusReady();
}

void frmMain::Interface_Set_State() {
    controls_ = ControlsForState(state_, filerOpen_);
    if (state_ == State_Idle) AddMode(false);
    refiner_->MainStateChanged(state_);
    Notify(View_Controls);
}

void frmMain::FilerWindowOpen(bool open) {
    filerOpen_ = open;
    Interface_Set_State();
}

void frmMain::Interface_StatusReady() {
    StatusBar.Mode(0);
    Interface_Status("Ready (" + std::to_string(list_.Count()) + " Links)");
    Notify(View_List);
}

void frmMain::Interface_Status(const std::string& text) {
    StatusBar.Caption(text);
}

void frmMain::AddMode(bool on) {
    addMode_ = on;
    getCaption_ = on ? "A&dd" : "&Get";
    Notify(View_Controls);
}

void frmMain::ShowMainWindow() {
    if (!loaded_) Form_Load();
    view_->Show();
}

void frmMain::Form_Load() {
    loaded_ = true;
    Settings& s = AppSettings();
    State(State_Idle);
    HistoryLoad(s.historyFile, txtUrl);
    HistoryLoad(s.dirHistoryFile, dirText);
    zmDir_Build();
    zmRlist_Build();
    RavletNetReInit();
    SetLogHandler([this](const std::string& text, bool show) { Log().addMessage(text, show); });
    CheckClipboardUrl(true);
    if (txtUrl.text.empty()) txtUrl.text = " http://";
    folderBar_ = s.Tlb_DownloadDirectory;
    SetDownloadFolder(s.savedir);
    monitor_->Start(kClipboardMonitorMs, [this] { ClipboardMonitorTick(); });
    Notify(View_All);
}

void frmMain::RavletNetReInit() {
    const Settings& s = AppSettings();
    objRvGet.NetClose();
    UseCookies(objRvGet, s.netCookies, "");
    objRvGet.NetInit(s.user_agent, s.netProxyUse, s.netProxy);
    objRvGet.Timeout(s.nettimeout);
}

void frmMain::SetTxtUrl(const std::string& text) {
    txtUrl.text = text;
    Notify(View_Texts);
}

bool frmMain::Form_QueryUnload(bool autoClose) {
    Settings& s = AppSettings();
    // Closing under a running get, download or filter would pull the network session and the
    // list from under it: the close asks to stop the task instead, and ravlet stays.
    if (!CommandAllowed(Act_Quit, state_)) {
        AskStopTask();
        return false;
    }
    if (s.confirmclose && !autoClose &&
        MsgBox("do you really want to quit ravlet ?", MsgButtons::YesNo, MsgIcon::Question) !=
            MsgAnswer::Yes)
        return false;
    if (tray_) TrayLeave();
    if (!refiner_->CloseRefiner()) return false;
    if (!view_->CloseToolWindows()) return false;
    monitor_->Stop();
    objRvGet.NetClose();
    SetLogHandler(nullptr);
    log_.reset();
    s.Tlb_DownloadDirectory = folderBar_;
    SaveSettings();
    closed_ = true;
    return true;
}

void frmMain::AskStopTask() {
    switch (state_) {
        case State_Busy:
            if (MsgBox("Do you want to stop getting the page ?", MsgButtons::YesNo,
                       MsgIcon::Question) == MsgAnswer::Yes)
                objRvGet.NetUrlReadStop();
            break;
        case State_Downloading:
        case State_PauseRequested:
        case State_Paused:
            download_->DownloadButton(2);
            break;
        case State_Filtering:
            refiner_->RvCommands_FC(Cmd_RefinerStop);
            break;
        default:
            // A stop is on its way already, or the task ends by itself.
            Interface_Status("Busy: ravlet can be closed when the task has ended.");
            break;
    }
}

void frmMain::AutoClose() {
    if (Form_QueryUnload(true)) view_->CloseWindow();
}

}  // namespace ravlet
