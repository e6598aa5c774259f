// Undo and redo of the list's changes.
#include "main/frmMain.h"

namespace ravlet {

void frmMain::Undo() {
    if (!CommandAllowed(Act_Undo, state_)) return;
    // A drag whose release went elsewhere ends here, so that its moves are a step.
    if (dragRow_ >= 0) ListLinks_MouseUp();
    if (!undo_.Undo()) {
        Interface_Status("Nothing to undo");
        return;
    }
    Interface_StatusReady();
    Notify(View_Current);  // the first restored row comes into view
}

void frmMain::Redo() {
    if (!CommandAllowed(Act_Undo, state_)) return;
    if (dragRow_ >= 0) ListLinks_MouseUp();
    if (!undo_.Redo()) {
        Interface_Status("Nothing to redo");
        return;
    }
    Interface_StatusReady();
    Notify(View_Current);
}

}  // namespace ravlet
