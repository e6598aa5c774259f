#include "main/frmMain.h"

#include "net/ravlet_url.h"
#include "platform/BusyPointer.h"
#include "platform/UserInterface.h"

namespace ravlet {

namespace {
// The list operations that show "list operation..." and the busy pointer while they run.
bool IsListOperation(int code) {
    return code >= Cmd_CopyList && code <= Cmd_Clear;
}
}  // namespace

void frmMain::RvCommand(int code) {
    if (!CommandAllowed(code, state_)) return;
    // A command, with the commands it runs, is one step of the undo history.
    ListUndoStep step(undo_);
    std::unique_ptr<BusyPointer> busy;
    if (IsListOperation(code)) {
        Interface_Status("list operation...");
        busy = std::make_unique<BusyPointer>();
    }
    switch (code) {
        case Cmd_CopySelected:
            CopySelected(false);
            break;
        case Cmd_CopyBaseEntry:
            CopySelected(true);
            break;
        case Cmd_PasteEntry:
            PasteEntry();
            break;
        case Cmd_CutSelected:
            RvCommand(Cmd_CopySelected);
            RvCommand(Cmd_DeleteSelected);
            break;
        case Cmd_DeleteSelected:
            DeleteSelected();
            break;
        case Cmd_CopyList:
            CopyToClipboard(ListToText(list_.Items()));
            break;
        case Cmd_PasteList:
            PasteList();
            break;
        case Cmd_ClearPaste:
            RvCommand(Cmd_Clear);
            RvCommand(Cmd_Paste);
            break;
        case Cmd_CutList:
            RvCommand(Cmd_CopyList);
            RvCommand(Cmd_Clear);
            break;
        case Cmd_Clear:
            list_.Clear();
            Notify(View_List);
            break;
        case Cmd_Paste:
            Paste();
            break;
        case Cmd_Sort:
            SortList();
            break;
        case Cmd_SelectAll:
            list_.SelectAll(true);
            Notify(View_List);
            break;
        case Cmd_InvertSelection:
            for (std::size_t i = 0; i < list_.Count(); ++i) list_.Select(i, !list_.Selected(i));
            Notify(View_List);
            break;
        case Cmd_ReUse:
            ReUse();
            break;
        case Cmd_ApplyBase:
            ApplyBase();
            break;
        case Cmd_BuildBase:
            BuildBase();
            break;
        case Cmd_Get:
            GetPage(false, true, true);
            break;
        case Cmd_GetAdd:
            GetPage(true, true, true);
            break;
        case Cmd_RefinerApply:
        case Cmd_RefinerReset:
        case Cmd_RefinerStop:
            refiner_->RvCommands_FC(code);
            break;
        case Cmd_ShowRefiner:
            if (!preferencesOpen_) refiner_->ShowRefiner();
            break;
        default:
            MsgBox("Internal: Command " + std::to_string(code) + " not defined. (frmMain)");
            return;
    }
    if (code <= Cmd_Clear) Interface_StatusReady();
}

}  // namespace ravlet
