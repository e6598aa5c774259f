#pragma once
// The list menu's commands on what the download run made of the rows: retry and select the
// failed ones, open the download folder, and open a done row's file or its folder.
#include <QMenu>

namespace ravlet {
class frmMain;
}

namespace ravlet::gui {

void AddOutcomeCommands(QMenu* menu, frmMain& main);

}  // namespace ravlet::gui
