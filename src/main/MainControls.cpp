#include "main/MainControls.h"

namespace ravlet {

MainControls ControlsForState(int state) {
    MainControls c;
    c.downloadStart = state == State_Idle || state == State_ListReady || state == State_Paused;
    c.downloadPause = state == State_Downloading;
    c.downloadStop =
        state == State_Downloading || state == State_PauseRequested || state == State_Paused;
    c.urlBox = state == State_Idle || state == State_ListReady || state == State_Filtering ||
               state == State_Generating;
    c.folderButtons = state < State_Downloading;
    c.getButton = ListEditable(state);
    c.applyFilters = ListEditable(state);
    return c;
}

bool CommandAllowed(int code, int state) {
    switch (code) {
        // Edits of the list.
        case 1002:
        case 1003:
        case 1004:
        case 1006:
        case 1007:
        case 1008:
        case 1009:
        case 1010:
        // Sort and Apply Base rewrite every row, and a get replaces the list and shares the
        // network object with the download: none of them may run under a running task.
        case 1011:
        case 2000:
        case 1100:
        case 2002:
        case 2003:
            return ListEditable(state);
        default:
            return true;
    }
}

}  // namespace ravlet
