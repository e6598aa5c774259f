#pragma once
// The preferences window ("Preferences"): eight pages in a grouped list, each a frame of
// controls named after the settings they edit. The window copies the settings into its
// controls, writes them back on "&Apply" and "&Ok", and makes the main window pick them up.
// The Qt window draws the controls and forwards every change here.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "filters/Glist.h"
#include "tools/OptionsHost.h"
#include "tools/OptionsPage.h"

namespace ravlet {

struct Settings;

enum OptionsPageIndex : int {
    Page_About = 0,
    Page_Download = 1,
    Page_NetEngine = 2,
    Page_Settings = 3,
    Page_Automation = 4,
    Page_Dir = 5,
    Page_ReRoute = 6,
    Page_Scanner = 7,
    Page_Count = 8,
};

// A row of cReRouteList: its caption and its item data (the manager's table position, -1
// for "(none)").
struct ReRouteRow {
    std::string caption;
    int data = -1;
    std::string id;
    std::string web;
};

class frmOptionsNew {
  public:
    static constexpr const char* kCaption = "Preferences";
    static constexpr const char* kSupportMail = "mailto:support@ravlet.example.org";
    static const std::array<const char*, Page_Count> kPageCaptions;

    explicit frmOptionsNew(OptionsHost& host);

    // "About"
    std::string lblVersion;
    std::string verTxt;
    bool verShown = false;  // verTxt and verLbl
    bool cmdCheckEnabled = true;
    // "Download"
    bool chkCfgNetSizeForce = false;
    std::string txtCfgNetSizeMin, txtCfgNetSizeMax;
    bool chkCfgNetSizeNull = false;
    bool chkCfgNetMimeTypeForce = false;
    std::string txtCfgNetMimeType = "image/jpeg";
    bool chkcfgNetDownloadIgnoreText = false;
    bool chkCfgNetResume = true;
    std::string txtCfgNetParallel = "1", txtCfgNetParallelHost = "0";
    // "Net Engine"
    std::string txtCfgBrowser;
    std::string txtCfgNetTimeout;
    int optCfgNetProxyUse = 0;
    std::string txtCfgNetProxy;
    std::string txtCfgNetRetries, txtCfgNetCookies;
    std::string txtCfgNetWait = "0", txtCfgNetLimitRate = "0";
    // "Settings"
    int optCfgFilenaming = 0;
    bool chkCfgScanLink = true;
    bool chkCfgScanImg = false;
    bool chkCfgScanWildSrc = false;
    bool chkCfgScanTxtHttp = false;
    bool chkConfirmClose = true;
    // "Automation"
    bool chkCfgRefiner_AutoShow = false;
    bool chkCfgRefiner_AutoApply = false;
    bool chkCfgRefiner_AutoHide = false;
    bool chkCfgAuto_Leech = false;
    std::array<bool, 2> chkCfgAuto_Close{};
    int optCfgAuto_BuildBase = 0;
    bool chkCfgAuto_CBmonitor = false;
    bool chkCfgAuto_CBmonitor_GetChange = false;
    // "Dir"
    std::string cFavDir;
    std::vector<std::string> cFavList;
    int cFavListIndex = -1;
    // "Re-Route"
    std::vector<ReRouteRow> cReRouteList;
    int cReRouteListIndex = -1;
    bool chkReRootAuto = false;
    bool chkReRootAutoClose = false;
    bool cReRouteInfoShown = false;  // "App is not installed on your System"
    // "Scanner"
    std::string txtCfgScanner_Cache;
    bool chkCfgScanner_ForeignRedirectScan = false;
    bool chkCfgScanner_ListTake = false;
    int optCfgScanner_LevelMode = 0;
    std::string txtCfgScanner_LevelDepth;
    bool chkCfgScanner_LinkCollectAll = false;

    // The pages; the view sets their heights before the list is laid out.
    Glist& Pages() { return pages_; }
    OptionsPage& Page(int index) { return page_[index]; }

    // Adds the pages (all collapsed) and loads the controls; once.
    void Form_Load();
    // Loads the window and expands page's entry (a negative page: "Download").
    void ShowPreferences(int page);
    void Load();
    void Apply();
    // 0 "&Ok", 1 "&Cancel", 2 "&Apply", 3 "&Reset".
    void cmdSubmit_Click(int index);
    bool EngineChanged() const { return engineChanged_; }

    // Changes of the controls with rules; other fields are set directly.
    void NetEngineEdited();  // user agent, proxy text, proxy option
    // 0 links, 1 images, 2 wild src, 3 plain text.
    void ScanBox_Click(int index, bool on);

    // Enabling rules.
    bool SizeFieldsEnabled() const { return chkCfgNetSizeForce; }
    bool MimeTypeEnabled() const { return chkCfgNetMimeTypeForce; }
    bool ProxyEnabled() const { return optCfgNetProxyUse == 1; }
    bool GetChangeEnabled() const { return chkCfgAuto_CBmonitor; }
    bool LevelDepthEnabled() const { return optCfgScanner_LevelMode == 2; }
    bool ScanLinkEnabled() const { return chkCfgScanImg || chkCfgScanWildSrc || chkCfgScanTxtHttp; }
    bool ReRouteWebsiteEnabled() const;
    // The desktop's network settings can be opened only where a panel is installed.
    bool cmdCfgNetMsEnabled() const { return host_.InternetSettingsAvailable(); }

    // 0 "...", 1 "&Add", 2 "&Delete"; a click on a row of cFavList.
    void cFavCmd_Click(int index);
    void cFavList_Click(int row);
    void cReRouteList_Click(int row);
    void cReRouteCmd_Click();  // "&Website"
    // 0 install, 1 remove the web browser's menu entries.
    void cmdIntegrate_Click(int index);
    void cmdCfgNetMs_Click();
    // 0 "&Homepage", 1 "&Email", 2 "Chec&k".
    void cmdHomepage_Click(int index);
    void verLbl_Click();

    // The view: draw the controls again; close the window.
    std::function<void()> Changed;
    std::function<void()> Close;

  private:
    void Redraw() {
        if (Changed) Changed();
    }
    void LoadReRouteList(const Settings& s);

    OptionsHost& host_;
    Glist pages_;
    std::array<OptionsPage, Page_Count> page_;
    bool loaded_ = false;
    bool engineChanged_ = false;
};

}  // namespace ravlet
