// The download folder: the folder box, the folder browser and the "&Directories" menu.
#include "app/Settings.h"
#include "main/frmMain.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"
#include "platform/ProgramFolder.h"
#include "platform/UserInterface.h"

namespace ravlet {

std::string frmMain::DefaultFolder() const {
    return AddBackslash(DefaultDownloadFolder());
}

void frmMain::dirText_Change() {
    std::string folder = Trim(dirText.text);
    // An empty box stays empty rather than becoming the root folder.
    if (!folder.empty() && !FileExists(folder) && folder.back() != kPathSep) folder += kPathSep;
    dirTextValid = !folder.empty() && DirExists(folder);
    AppSettings().savedir = folder;
    Notify(View_Texts);
}

void frmMain::SetDownloadFolder(const std::string& folder) {
    dirText.text = folder;
    dirText_Change();
}

void frmMain::dirSelect_Click() {
    const std::string chosen = Ui().ChooseFolder("Download Folder", AppSettings().savedir);
    if (chosen.empty()) return;
    SetDownloadFolder(AddBackslash(chosen));
}

void frmMain::zmDir_Build() {
    favourites_.clear();
    const std::string& dirs = AppSettings().savedirs;
    if (!dirs.empty()) favourites_ = Split(dirs, ",");
}

std::vector<std::string> frmMain::zmDir_Items() const {
    return favourites_;
}

std::vector<bool> frmMain::zmDir_Checks() const {
    const std::string& current = AppSettings().savedir;
    std::vector<bool> checks(favourites_.size() + 1, false);
    for (std::size_t i = 0; i < favourites_.size(); ++i) {
        if (favourites_[i] != current) continue;
        checks[i + 1] = true;
        return checks;
    }
    checks[0] = current == DefaultFolder();
    return checks;
}

void frmMain::zmDir_Click(int index) {
    if (index == 0) {
        SetDownloadFolder(DefaultFolder());
        return;
    }
    if (index < 0 || static_cast<std::size_t>(index) > favourites_.size()) return;
    SetDownloadFolder(favourites_[static_cast<std::size_t>(index) - 1]);
}

void frmMain::FolderBarVisible(bool visible) {
    folderBar_ = visible;
    Notify(View_Layout);
}

}  // namespace ravlet
