// "Import Intellitamper Map File...": the links of a site map added to the list.
#include "main/SiteMap.h"
#include "main/frmMain.h"
#include "platform/BusyPointer.h"
#include "platform/DoEvents.h"
#include "platform/UserInterface.h"

namespace ravlet {

void frmMain::ImportSiteMap() {
    if (!CommandAllowed(Act_ImportMap, state_)) return;
    FileDialogRequest r;
    r.title = "Import Intellitamper Map File";
    r.filter = "Intellitemper Map|*.map|all files|*.*";
    const std::string path = Ui().ChooseFile(r);
    if (path.empty()) return;
    State(State_Busy);
    ListUndoStep step(undo_);
    std::string error;
    bool opened = true;
    {
        BusyPointer busy;
        SiteMapEvents events;
        events.notSiteMap = [] { MsgBox("Not an Intellitemper Map File maybe"); };
        events.lineRead = [this](long lines) {
            Interface_Status(std::to_string(lines) + " Line(s) read.");
            DoEvents();
        };
        opened = SiteMapImport(path, list_, events, error);
    }
    if (!opened) MsgBox("Failed to open " + path + ":\r\n" + error);
    Notify(View_List);
    SetResetList();
    State(State_ListReady);
}

}  // namespace ravlet
