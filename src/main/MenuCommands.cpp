// The main window's menu commands that are not numbered.
#include "app/Settings.h"
#include "main/frmMain.h"
#include "platform/Clipboard.h"
#include "platform/NewProcess.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"

namespace ravlet {

void frmMain::Symbiont() {
    ListUndoStep step(undo_);
    RvCommand(Cmd_Clear);
    RvCommand(Cmd_Paste);
    RvCommand(Cmd_RefinerApply);
    RvCommand(Cmd_CopyList);
}

void frmMain::ToggleListSource() {
    sourceShown_ = !sourceShown_;
    Notify(View_List | View_Texts);
}

void frmMain::OpenCurrentUrl() {
    ShellOpen(txtUrl.text);
}

void frmMain::NewProcess() {
    if (!StartNewProcess())
        MsgBox("Could not start a new ravlet process.", MsgButtons::Ok, MsgIcon::Exclamation);
}

void frmMain::ClearClipboard() {
    SystemClipboard().Clear();
}

void frmMain::OpenSupport() {
    ShellOpen("http://" + AppSettings().webserver + "support.php");
}

void frmMain::OpenTutorial() {
    ShellOpen("http://" + AppSettings().webserver + "support.php?page=tutorial");
}

void frmMain::ClearAll() {
    // Emptying the list under a running task would pull the rows from under it.
    if (!CommandAllowed(Act_ClearAll, state_)) return;
    ListUndoStep step(undo_);
    undo_.KeepTexts();
    TextHtml.clear();
    txtUrl.text.clear();
    txtUrlBase.clear();
    list_.Clear();
    Interface_StatusReady();
    Notify(View_Texts);
}

void frmMain::TerminateAsk() {
    const std::string text =
        "Terminate means, ravlet is kicked out of memory, for example if you can not stop the "
        "Scanner or the a Beta won't quit from Mem on normal Exit and you don't want to use the "
        "Taskmanager for this...\r\n\r\nAre you really shure, you want to Terminate ravlet ?";
    if (MsgBox(text, MsgButtons::YesNo, MsgIcon::Exclamation,
               std::string("Terminate ") + Caption()) == MsgAnswer::Yes)
        view_->Terminate();
}

}  // namespace ravlet
