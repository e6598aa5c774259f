#include "tools/frmOptionsNew.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "app/Settings.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"
#include "tools/VersionCheck.h"

namespace ravlet {

namespace {

// The whole number of a size or a duration written by people; false when it does not fit
// the settings' 32-bit integers.
bool UnitNumber(const std::string& text, int mode, int& value) {
    const std::string whole = ParseUnitValue(text, mode);
    if (whole.empty()) {
        value = 0;
        return true;
    }
    const double d = std::strtod(whole.c_str(), nullptr);
    if (!(d >= std::numeric_limits<int>::min() && d <= std::numeric_limits<int>::max()))
        return false;
    value = static_cast<int>(d);
    return true;
}

// The leading number of a field, whole and at least 1: a cache or depth of nothing is one.
int AtLeastOne(const std::string& text) {
    return static_cast<int>(std::max<long long>(1, LenientNumber(text)));
}

}  // namespace

const std::array<const char*, Page_Count> frmOptionsNew::kPageCaptions = {
    "About", "Download", "Net Engine", "Settings", "Automation", "Dir", "Re-Route", "Scanner"};

frmOptionsNew::frmOptionsNew(OptionsHost& host) : host_(host) {}

void frmOptionsNew::Form_Load() {
    if (loaded_) return;
    loaded_ = true;
    engineChanged_ = false;
    for (int i = 0; i < Page_Count; ++i) pages_.EntryAdd(kPageCaptions[i], &page_[i]);
    for (int i = 1; i <= Page_Count; ++i) pages_.Collapse(i, true);
    pages_.EntryIndex(0);
    lblVersion = "version " + ProgramVersion().Text();
    Load();
}

void frmOptionsNew::ShowPreferences(int page) {
    Form_Load();
    const int entry = page < 0 ? 2 : page + 1;
    if (entry <= pages_.EntryCount()) pages_.Collapse(entry, false);
    pages_.Size();
    pages_.Draw();
    Redraw();
}

void frmOptionsNew::Load() {
    const Settings& s = AppSettings();
    txtCfgBrowser = s.user_agent;
    txtCfgNetTimeout = std::to_string(s.nettimeout);
    optCfgNetProxyUse = s.netProxyUse;
    txtCfgNetProxy = s.netProxy;
    chkCfgNetSizeForce = s.netsizeforce;
    chkCfgNetSizeNull = s.netsizenull;
    txtCfgNetSizeMin = std::to_string(s.netsizemin);
    txtCfgNetSizeMax = std::to_string(s.netsizemax);
    chkCfgNetMimeTypeForce = s.netmimetypeforce;
    txtCfgNetMimeType = s.netsizemimetype;
    chkcfgNetDownloadIgnoreText = s.netdownloadignoretext;
    chkCfgNetResume = s.netResume;
    txtCfgNetRetries = std::to_string(s.netRetries);
    txtCfgNetCookies = s.netCookies;
    chkCfgScanLink = s.scanlink;
    chkCfgScanImg = s.scanimg;
    chkCfgScanWildSrc = s.scanwildsrc;
    chkCfgScanTxtHttp = s.scantxthttp;
    ScanBox_Click(1, chkCfgScanImg);
    optCfgFilenaming = s.filenaming;
    chkCfgRefiner_AutoShow = s.Refiner_AutoShow;
    chkCfgRefiner_AutoApply = s.Refiner_AutoApply;
    chkCfgRefiner_AutoHide = s.Refiner_AutoHide;
    chkCfgAuto_CBmonitor = s.Auto_CBmonitor;
    chkCfgAuto_CBmonitor_GetChange = s.Auto_CBmonitor_GetChange;
    chkCfgAuto_Leech = s.Auto_Leech != 0;
    optCfgAuto_BuildBase = s.Auto_BuildBase;
    chkCfgAuto_Close = {(s.Auto_Close & 1) != 0, (s.Auto_Close & 2) != 0};
    chkConfirmClose = s.confirmclose;
    txtCfgScanner_Cache = std::to_string(s.Scanner_Cache);
    chkCfgScanner_ForeignRedirectScan = s.Scanner_ForeignRedirectScan;
    chkCfgScanner_ListTake = s.Scanner_ListTake;
    chkCfgScanner_LinkCollectAll = s.Scanner_LinkCollectAll;
    optCfgScanner_LevelMode = s.Scanner_LevelMode;
    txtCfgScanner_LevelDepth = std::to_string(s.Scanner_LevelDepth);
    cFavDir = s.savedir;
    cFavList = s.savedirs.empty() ? std::vector<std::string>{} : Split(s.savedirs, ",");
    cFavListIndex = -1;
    chkReRootAuto = s.ReRouteAuto;
    chkReRootAutoClose = s.ReRouteAutoClose;
    LoadReRouteList(s);
    Redraw();
}

void frmOptionsNew::LoadReRouteList(const Settings& s) {
    cReRouteList.clear();
    cReRouteList.push_back({"(none)", -1, std::string(), std::string()});
    for (const OptionsManager& m : host_.ReRouteManagers())
        cReRouteList.push_back({m.name, m.position, m.id, m.web});
    cReRouteListIndex = 0;
    for (std::size_t row = 1; row < cReRouteList.size(); ++row)
        if (cReRouteList[row].data == s.ReRouteDefaultIndex) {
            cReRouteListIndex = static_cast<int>(row);
            break;
        }
    cReRouteInfoShown = false;
}

void frmOptionsNew::Apply() {
    Settings& s = AppSettings();
    s.user_agent = txtCfgBrowser;
    if (!UnitNumber(txtCfgNetTimeout, 1, s.nettimeout)) MsgBox("Overflow in NetEngine Timeout");
    s.netProxyUse = optCfgNetProxyUse;
    s.netProxy = txtCfgNetProxy;
    s.netsizeforce = chkCfgNetSizeForce;
    s.netsizenull = chkCfgNetSizeNull;
    if (!UnitNumber(txtCfgNetSizeMin, 0, s.netsizemin)) MsgBox("Overflow");
    if (!UnitNumber(txtCfgNetSizeMax, 0, s.netsizemax)) MsgBox("Overflow");
    int parallel = s.netParallel, perHost = s.netParallelHost;
    if (UnitNumber(txtCfgNetParallel, 0, parallel) && parallel >= 1) s.netParallel = parallel;
    if (UnitNumber(txtCfgNetParallelHost, 0, perHost) && perHost >= 0) s.netParallelHost = perHost;
    if (!UnitNumber(txtCfgNetWait, 1, s.netWait)) MsgBox("Overflow");
    s.netLimitRate = Trim(txtCfgNetLimitRate).empty() ? "0" : Trim(txtCfgNetLimitRate);
    s.netmimetypeforce = chkCfgNetMimeTypeForce;
    s.netsizemimetype = txtCfgNetMimeType;
    s.netdownloadignoretext = chkcfgNetDownloadIgnoreText;
    s.netResume = chkCfgNetResume;
    if (!UnitNumber(txtCfgNetRetries, 0, s.netRetries)) MsgBox("Overflow in NetEngine Retries");
    s.netCookies = txtCfgNetCookies;
    s.scanlink = chkCfgScanLink;
    s.scanimg = chkCfgScanImg;
    s.scanwildsrc = chkCfgScanWildSrc;
    s.scantxthttp = chkCfgScanTxtHttp;
    s.filenaming = optCfgFilenaming;
    s.Refiner_AutoShow = chkCfgRefiner_AutoShow;
    s.Refiner_AutoApply = chkCfgRefiner_AutoApply;
    s.Refiner_AutoHide = chkCfgRefiner_AutoHide;
    s.Auto_CBmonitor = chkCfgAuto_CBmonitor;
    s.Auto_CBmonitor_GetChange = chkCfgAuto_CBmonitor_GetChange;
    s.Auto_Leech = chkCfgAuto_Leech ? -1 : 0;
    s.Auto_BuildBase = optCfgAuto_BuildBase;
    s.Auto_Close = (chkCfgAuto_Close[0] ? 1 : 0) + (chkCfgAuto_Close[1] ? 2 : 0);
    s.confirmclose = chkConfirmClose;
    s.Scanner_Cache = AtLeastOne(txtCfgScanner_Cache);
    s.Scanner_ForeignRedirectScan = chkCfgScanner_ForeignRedirectScan;
    s.Scanner_ListTake = chkCfgScanner_ListTake;
    s.Scanner_LinkCollectAll = chkCfgScanner_LinkCollectAll;
    s.Scanner_LevelMode = optCfgScanner_LevelMode;
    s.Scanner_LevelDepth = AtLeastOne(txtCfgScanner_LevelDepth);
    s.savedir = cFavDir;
    std::string dirs;
    for (std::size_t i = 0; i < cFavList.size(); ++i) dirs += (i ? "," : "") + cFavList[i];
    s.savedirs = dirs;
    host_.zmDir_Build();
    s.ReRouteAutoClose = chkReRootAutoClose;
    s.ReRouteAuto = chkReRootAuto;
    if (cReRouteListIndex >= 0 && cReRouteListIndex < static_cast<int>(cReRouteList.size())) {
        const ReRouteRow& row = cReRouteList[cReRouteListIndex];
        s.ReRouteDefaultIndex = row.data;
        s.ReRouteDefaultId = row.id;
    }
    host_.zmRlist_Build();
}

void frmOptionsNew::cmdSubmit_Click(int index) {
    switch (index) {
        case 0:
            Apply();
            Load();
            if (engineChanged_) host_.RavletNetReInit();
            engineChanged_ = false;
            host_.WriteSettings();
            if (Close) Close();
            break;
        case 1:
            if (Close) Close();
            break;
        case 2:
            Apply();
            Load();
            break;
        case 3:
            Load();
            break;
        default:
            break;
    }
}

void frmOptionsNew::NetEngineEdited() {
    const Settings& s = AppSettings();
    if (txtCfgBrowser != s.user_agent || txtCfgNetProxy != s.netProxy ||
        optCfgNetProxyUse != s.netProxyUse)
        engineChanged_ = true;
    Redraw();
}

void frmOptionsNew::ScanBox_Click(int index, bool on) {
    bool* boxes[] = {&chkCfgScanLink, &chkCfgScanImg, &chkCfgScanWildSrc, &chkCfgScanTxtHttp};
    if (index < 0 || index > 3) return;
    // The links box cannot be switched off while it is the only scan mode.
    if (index == 0 && !on && !ScanLinkEnabled()) on = true;
    *boxes[index] = on;
    if (!ScanLinkEnabled()) chkCfgScanLink = true;
    Redraw();
}

bool frmOptionsNew::ReRouteWebsiteEnabled() const {
    return cReRouteListIndex > 0 && cReRouteListIndex < static_cast<int>(cReRouteList.size());
}

void frmOptionsNew::cFavCmd_Click(int index) {
    switch (index) {
        case 0: {
            const std::string chosen = Ui().ChooseFolder("Download Folder Favorites", cFavDir);
            if (!chosen.empty()) cFavDir = AddBackslash(chosen);
            break;
        }
        case 1: {
            const std::string dir = AddBackslash(cFavDir);
            for (const std::string& row : cFavList)
                if (IEquals(row, dir)) return;
            if (!DirExists(dir)) {
                if (MsgBox(
                        "Direcotry\r\n" + dir + "\r\ndoes not exists. Do you want to create it ?",
                        MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
                    return;
                MakePathFor(dir + "a.b");
                // The failure has been shown; a favourite that is not there is not added.
                if (!DirExists(dir)) return;
            }
            cFavList.push_back(dir);
            break;
        }
        case 2:
            if (cFavListIndex >= 0 && cFavListIndex < static_cast<int>(cFavList.size())) {
                cFavList.erase(cFavList.begin() + cFavListIndex);
                cFavListIndex = -1;
            }
            break;
        default:
            return;
    }
    Redraw();
}

void frmOptionsNew::cFavList_Click(int row) {
    if (row < 0 || row >= static_cast<int>(cFavList.size())) return;
    cFavListIndex = row;
    cFavDir = cFavList[row];
    Redraw();
}

void frmOptionsNew::cReRouteList_Click(int row) {
    if (row < 0 || row >= static_cast<int>(cReRouteList.size())) return;
    cReRouteListIndex = row;
    cReRouteInfoShown = row > 0 && host_.ReRouteProbe(cReRouteList[row].id) < 1;
    Redraw();
}

void frmOptionsNew::cReRouteCmd_Click() {
    if (!ReRouteWebsiteEnabled()) return;
    ShellOpen("http://" + cReRouteList[cReRouteListIndex].web);
}

void frmOptionsNew::cmdIntegrate_Click(int index) {
    MsgBox(host_.SetIntegration(index == 0 ? 1 : 0) ? "Integration succesfull"
                                                    : "Integration failed");
}

void frmOptionsNew::cmdCfgNetMs_Click() {
    host_.OpenInternetSettings();
}

void frmOptionsNew::cmdHomepage_Click(int index) {
    switch (index) {
        case 0:
            ShellOpen(AppSettings().webhomepage);
            break;
        case 1:
            ShellOpen(kSupportMail);
            break;
        case 2:
            cmdCheckEnabled = false;
            Redraw();
            DoXtraCheckVer(AppSettings(), verTxt);
            verShown = true;
            cmdCheckEnabled = true;
            Redraw();
            break;
        default:
            break;
    }
}

void frmOptionsNew::verLbl_Click() {
    verShown = false;
    Redraw();
}

}  // namespace ravlet
