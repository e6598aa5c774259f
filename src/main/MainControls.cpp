#include "main/MainControls.h"

namespace ravlet {

namespace {

constexpr unsigned In(int state) {
    return 1u << state;
}

// Every state.
constexpr unsigned kAny = 0x3FF;
// Idle or list ready: nothing runs that the command could disturb.
constexpr unsigned kFree = In(State_Idle) | In(State_ListReady);
// Below downloading: a get may run, but no transfer of the list.
constexpr unsigned kBelowDownload = kFree | In(State_Busy);

struct CommandRule {
    int code;
    unsigned states;
};

// Edits of the list, imports and gets replace or reorder the rows that a running download or
// filter walks, and a get shares the network object with the download: they wait for 0 or 2.
// Copies, the selection and the refiner window itself touch no row and act in every state.
constexpr CommandRule kCommandRules[] = {
    {1000, kAny},                         // Copy Selected
    {1001, kAny},                         // Copy Base + Entry
    {1002, kFree},                        // Paste as Entry
    {1003, kFree},                        // Cut Selected
    {1004, kFree},                        // Delete Selected
    {1005, kAny},                         // Copy List
    {1006, kFree},                        // Paste List
    {1007, kFree},                        // Clear and Paste
    {1008, kFree},                        // Cut List
    {1009, kFree},                        // Clear
    {1010, kFree},                        // Paste
    {1011, kFree},                        // Sort
    {1012, kAny},                         // Select All
    {1013, kAny},                         // Invert Selection
    {1100, kFree},                        // Re-Use
    {2000, kFree},                        // Apply Base
    {2001, kBelowDownload},               // Build Base
    {2002, kFree},                        // Get
    {2003, kFree},                        // Get and Add
    {3000, kFree},                        // the refiner's apply; in 8 its button is Stop
    {3001, kFree | In(State_Filtering)},  // reset; in 8 it stops the run, then resets
    {3002, In(State_Filtering)},          // the refiner's stop question
    {3003, kAny},                         // Show refiner
    {Act_GetButton, kFree},
    {Act_DownloadStart, kFree | In(State_Paused)},
    {Act_DownloadPause, In(State_Downloading)},
    {Act_DownloadStop, In(State_Downloading) | In(State_PauseRequested) | In(State_Paused)},
    {Act_AddressBox, kFree | In(State_Filtering) | In(State_Generating)},
    {Act_Folders, kBelowDownload},
    {Act_OpenListfile, kFree},
    {Act_ImportHtml, kFree},
    {Act_ImportClipboard, kFree},
    {Act_ClearAll, kFree},
    {Act_EditEntry, kFree},
    {Act_DragRow, kFree},
    {Act_LogListUrls, kFree},
    {Act_Quit, kFree},
    // The site map adds to the list; the export only reads a copy of it.
    {Act_ImportMap, kFree},
    {Act_ExportHtml, kAny},
    // The generator's buttons: in 9 its run is the task, and its first button is Stop.
    {Act_FilerButtons, kFree | In(State_Generating)},
    {Act_FilerGenerate, kFree},
    {Act_FilerClear, kFree},
    {Act_InfoApply, kFree},
    // An undo rewrites rows like any edit; a drop fills the list or the address box.
    {Act_Undo, kFree},
    {Act_Drop, kFree},
};

}  // namespace

bool CommandAllowed(int code, int state) {
    for (const CommandRule& rule : kCommandRules)
        if (rule.code == code)
            return state >= State_Idle && state <= State_Generating &&
                   (rule.states & In(state)) != 0;
    return true;
}

MainControls ControlsForState(int state, bool filerOpen) {
    MainControls c;
    c.downloadStart = CommandAllowed(Act_DownloadStart, state);
    c.downloadPause = CommandAllowed(Act_DownloadPause, state);
    c.downloadStop = CommandAllowed(Act_DownloadStop, state);
    c.urlBox = CommandAllowed(Act_AddressBox, state);
    c.folderButtons = CommandAllowed(Act_Folders, state);
    c.getButton = CommandAllowed(Act_GetButton, state);
    c.applyFilters = CommandAllowed(3000, state);  // the refiner's apply
    c.filerButtons = filerOpen && CommandAllowed(Act_FilerButtons, state);
    return c;
}

}  // namespace ravlet
