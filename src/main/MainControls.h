#pragma once
// What the main window's State allows: one table of the commands and the states they act in.
// Every command consults it, and the controls are enabled from it.
namespace ravlet {

// The values of State.
enum MainState : int {
    State_Idle = 0,
    State_Busy = 1,
    State_ListReady = 2,
    State_Downloading = 3,
    State_PauseRequested = 4,
    State_Paused = 5,
    State_StopRequested = 6,
    State_Stopped = 7,
    State_Filtering = 8,
    State_Generating = 9,
};

// The actions of the window that have no RvCommand code, numbered apart from those codes.
enum MainAction : int {
    Act_GetButton = 5000,  // the get button, Enter in the address box, the clipboard's get
    Act_DownloadStart,     // start, or continue a paused run
    Act_DownloadPause,
    Act_DownloadStop,
    Act_AddressBox,       // typing into the page address box
    Act_Folders,          // the two folder buttons and the naming-menu buttons
    Act_OpenListfile,     // "&Open Listfile...", "A&ppend Listfile..."
    Act_ImportHtml,       // "&Import HTML File..."
    Act_ImportClipboard,  // "Import Clip&board"
    Act_ClearAll,         // "&Clear all"
    Act_EditEntry,        // "&Edit..."
    Act_DragRow,          // moving a row with the mouse
    Act_LogListUrls,      // the log's "List &Urls"
    Act_Quit,             // the close; in a task it asks to stop the task instead
    Act_ImportMap,        // "Import Intellitamper Map File..."
    Act_ExportHtml,       // "&Export HTML File..."
    Act_FilerButtons,     // the filename generator's two buttons are enabled
    Act_FilerGenerate,    // the generator starts a run
    Act_FilerClear,       // the generator's "&Clear"
    Act_InfoApply,        // the info window's "&Apply" rewrites its row
    Act_Undo,             // undo and redo of the list's changes
    Act_Drop,             // addresses, HTML or files dropped on the window
};

struct MainControls {
    bool downloadStart = false;
    bool downloadPause = false;
    bool downloadStop = false;
    bool urlBox = false;
    bool folderButtons = false;  // both folder buttons, the naming button, build base
    bool getButton = false;
    bool applyFilters = false;
    bool filerButtons = false;  // the filename generator's two buttons, while it is open
};

MainControls ControlsForState(int state, bool filerOpen = false);

// Idle or list ready: the states in which the list may be edited and a get may start.
inline bool ListEditable(int state) {
    return state == State_Idle || state == State_ListReady;
}

// Whether the command (an RvCommand code or a MainAction) may act in state. Codes the table
// does not know act in every state (RvCommand answers an unknown code with its message).
bool CommandAllowed(int code, int state);

}  // namespace ravlet
