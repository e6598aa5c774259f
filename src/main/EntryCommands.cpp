// The commands on the current row: "&Info...", "&Edit...", "Open in &Browser...", "&Re-Use".
#include "main/frmMain.h"
#include "net/ravlet_url.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"

namespace ravlet {

std::string frmMain::EntryAddress(const std::string& entry) const {
    if (UrlHasScheme(entry)) return entry;
    // Plain concatenation, as a base is meant to be written in front of its entries.
    std::string address = txtUrlBase + entry;
    if (!UrlHasScheme(address)) address = UrlBase(txtUrl.text) + address;
    return address;
}

namespace {
bool CurrentRow(const LinkList& list, std::size_t& row) {
    const long current = list.Current();
    if (current < 0 || static_cast<std::size_t>(current) >= list.Count()) return false;
    row = static_cast<std::size_t>(current);
    return true;
}
}  // namespace

void frmMain::EntryInfo() {
    std::size_t row;
    if (!CurrentRow(list_, row)) return;
    view_->ShowInfo(EntryAddress(list_.At(row)), txtUrl.text, txtUrlBase);
}

void frmMain::ListLinks_Click() {
    if (infoOpen_) EntryInfo();
}

void frmMain::EntryEdit() {
    std::size_t row;
    if (!CommandAllowed(Act_EditEntry, state_) || !CurrentRow(list_, row)) return;
    std::string answer = list_.At(row);
    if (!Ui().InputBox("Modify Entry or Press Cancel to Reset.", "Edit Entry", answer)) return;
    if (answer.empty()) return;
    // Edits skip the duplicate check: the user said what the row is to hold.
    ListUndoStep step(undo_);
    list_.Set(row, answer);
    Notify(View_List);
}

void frmMain::EntryOpenInBrowser() {
    std::size_t row;
    if (!CurrentRow(list_, row)) return;
    ShellOpen(EntryAddress(list_.At(row)));
}

void frmMain::ReUse() {
    std::size_t row;
    if (!CurrentRow(list_, row)) return;
    txtUrl.text = EntryAddress(list_.At(row));
    Notify(View_Texts);
    RvCommand(Cmd_Get);
}

}  // namespace ravlet
