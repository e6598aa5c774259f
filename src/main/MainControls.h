#pragma once
// What the main window's State allows: the controls it enables and the commands it lets act.
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

struct MainControls {
    bool downloadStart = false;
    bool downloadPause = false;
    bool downloadStop = false;
    bool urlBox = false;
    bool folderButtons = false;  // both folder buttons, the naming button, build base
    bool getButton = false;
    bool applyFilters = false;
};

MainControls ControlsForState(int state);

// Idle or list ready: the states in which the list may be edited and a get may start.
inline bool ListEditable(int state) {
    return state == State_Idle || state == State_ListReady;
}

// Whether RvCommand's code may act in state.
bool CommandAllowed(int code, int state);

}  // namespace ravlet
