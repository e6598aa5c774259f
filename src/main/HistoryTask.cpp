// Task_History_Do: the page address and the folder go to the top of their histories.
#include "app/LogSink.h"
#include "app/Settings.h"
#include "main/History.h"
#include "main/frmMain.h"
#include "net/ravlet_url.h"

namespace ravlet {

namespace {
void Save(const std::string& path, const ComboBox& box) {
    std::string error;
    if (!HistorySave(path, box, &error))
        LogMessage("Error: the history could not be saved - File: " + path + " - " + error);
}
}  // namespace

void frmMain::Task_History_Do() {
    const Settings& s = AppSettings();
    const std::string address = Trim(txtUrl.text);
    if (!address.empty() && address != "http://") HistoryMoveToFront(txtUrl, address);
    Save(s.historyFile, txtUrl);
    HistoryMoveToFront(dirText, Trim(dirText.text));
    Save(s.dirHistoryFile, dirText);
    Notify(View_Texts);
}

}  // namespace ravlet
