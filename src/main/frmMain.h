#pragma once
// The main window's logic: the link list, the page and base addresses, State, the numbered
// commands, the get task, the histories and the log. The Qt window draws it and forwards
// every user action here; tests drive it without a display.
#include <memory>
#include <string>
#include <vector>

#include "app/MainWindowHooks.h"
#include "app/frmLog.h"
#include "links/LinkList.h"
#include "main/ComboBox.h"
#include "main/DownloadHooks.h"
#include "main/ListUndo.h"
#include "main/MainControls.h"
#include "main/MainDownloads.h"
#include "main/MainReRouteHost.h"
#include "main/MainView.h"
#include "main/RefinerHooks.h"
#include "net/RvNetGet.h"
#include "platform/KeyPress.h"
#include "reroute/ReRouteMenu.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

class Timer;
struct Settings;
struct DropData;

// The file filter of the HTML import and export dialogs.
std::string HtmlFileFilter(const Settings& s);

// The commands of RvCommand.
enum MainCommand : int {
    Cmd_CopySelected = 1000,
    Cmd_CopyBaseEntry = 1001,
    Cmd_PasteEntry = 1002,
    Cmd_CutSelected = 1003,
    Cmd_DeleteSelected = 1004,
    Cmd_CopyList = 1005,
    Cmd_PasteList = 1006,
    Cmd_ClearPaste = 1007,
    Cmd_CutList = 1008,
    Cmd_Clear = 1009,
    Cmd_Paste = 1010,
    Cmd_Sort = 1011,
    Cmd_SelectAll = 1012,
    Cmd_InvertSelection = 1013,
    Cmd_ReUse = 1100,
    Cmd_ApplyBase = 2000,
    Cmd_BuildBase = 2001,
    Cmd_Get = 2002,
    Cmd_GetAdd = 2003,
    Cmd_RefinerApply = 3000,
    Cmd_RefinerReset = 3001,
    Cmd_RefinerStop = 3002,
    Cmd_ShowRefiner = 3003,
};

// The clipboard monitor looks at the clipboard this often.
constexpr int kClipboardMonitorMs = 1000;

class frmMain : public MainWindowHooks, public LogHost {
  public:
    frmMain();
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Not owned; nullptr restores the do-nothing default.
    void SetView(MainView* view);
    void SetRefiner(RefinerHooks* refiner);
    void SetDownload(DownloadHooks* download);
    RefinerHooks& Refiner() const { return *refiner_; }
    DownloadHooks& Download() { return *download_; }
    MainView& View() const { return *view_; }
    // The download run behind the default download buttons.
    MainDownloads& Downloads() { return ownDownload_; }
    // Draws the parts of the window again.
    void RefreshView(int parts) { Notify(parts); }

    // What the start routine calls.
    void ShowMainWindow() override;
    void SetTxtUrl(const std::string& text) override;
    void Task_History_Do() override;
    void doTextParse(const std::string& text) override;
    void Task_Buildbase(int mode) override;
    void Task_ReRoute_Default() override;
    void cGo_Click() override;

    // Window life. Form_Load runs once, from ShowMainWindow.
    void Form_Load();
    bool Loaded() const { return loaded_; }
    // The close: the question (unless autoClose), other windows, network session, log,
    // settings file. False when the close was cancelled.
    bool Form_QueryUnload(bool autoClose = false);
    bool Closed() const { return closed_; }
    // The network session again, with the settings' user agent, proxy and time-out.
    void RavletNetReInit();
    // A close during a task: the task's own stop question (download, filters) or a stop of
    // the page fetch; the window stays.
    void AskStopTask();

    // The model.
    LinkList& ListLinks() override { return list_; }
    bool ListUrlsAllowed() const override { return CommandAllowed(Act_LogListUrls, state_); }
    const LinkList& ListLinks() const { return list_; }
    std::size_t ListLinks_Listcount() const { return list_.Count(); }
    ComboBox txtUrl;
    std::string txtUrlBase;
    std::string TextHtml;  // the source view
    ComboBox dirText;
    bool dirTextValid = true;  // false paints the folder box red
    ctlStatusBar StatusBar;
    RvNetGet objRvGet;

    // State.
    int State() const { return state_; }
    void State(int value);
    void Interface_Set_State();
    void Interface_StatusReady() override;
    void Interface_Status(const std::string& text);
    const MainControls& Controls() const { return controls_; }

    // Commands.
    void RvCommand(int code);
    // text resolved against the safe base; the safe base itself for an empty text.
    std::string BaseSafe(const std::string& text) const;
    void BuildBase();
    void SetResetList();

    // The undo history of the list: Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z), the "&Edit" menu.
    void Undo();
    void Redo();
    const ListUndo& UndoHistory() const { return undo_; }
    ListUndo& UndoHistory() { return undo_; }

    // Addresses, HTML and files dropped on the window.
    void DropOnWindow(const DropData& drop);

    // Entry commands on the current row.
    std::string EntryAddress(const std::string& entry) const;
    void EntryInfo();
    void EntryEdit();
    void EntryOpenInBrowser();
    void ListLinks_Click();  // follows the current row in an open information window
    void InfoWindowOpen(bool open) { infoOpen_ = open; }
    // The filename generator window is loaded: its buttons follow State.
    void FilerWindowOpen(bool open);
    bool FilerWindowOpen() const { return filerOpen_; }

    // Moving rows with the left mouse button; rows are list indices under the pointer.
    void ListLinks_MouseDown(long row);
    void ListLinks_MouseMove(long row);
    void ListLinks_MouseUp();
    bool Dragging() const { return dragRow_ >= 0; }

    // The other menu commands.
    void Symbiont();          // "Clear, Paste, Filter && Copy (Symbiont)"
    void ToggleListSource();  // "&Toggle List/Source"
    bool SourceShown() const { return sourceShown_; }
    void OpenCurrentUrl();  // "Open current &URL in Browser..."
    void NewProcess();      // "&New Process..."
    void ClearClipboard();  // "Clear C&lipboard"
    void OpenSupport();     // "&Support..."
    void OpenTutorial();    // "&Tutorial / How To..."
    void ClearAll();        // "&Clear all"
    void TerminateAsk();    // "&Terminate... (If Exit is corrupt)"
    const char* Caption() const { return "ravlet"; }

    // The file menu.
    void OpenListfile(bool append);  // "&Open Listfile...", "A&ppend Listfile..."
    void SaveListfile();             // "&Save Listfile as..."
    void ImportHtmlFile();           // "&Import HTML File..."
    void ImportSiteMap();            // "Import Intellitamper Map File..."
    void ExportHtmlFile();           // "&Export HTML File...": the target, then ExportHtml
    // The options window, then the page written to path; false when cancelled or failed.
    bool ExportHtml(const std::string& path);
    // The automatic close after a download run: no question, then the window closes.
    void AutoClose();

    // The hand-off to download managers. Task_ReRoute hands the list to manager id, row by
    // row while the manager takes one at a time; the "Re-Route" menu is built as the window
    // loads (and again when the default manager changes).
    void Task_ReRoute(const std::string& id);
    void zmRlist_Build();
    const ReRouteMenu& zmR() const { return zmR_; }
    bool zmRopt_Checked(int index) const;
    // Toggles an option entry and writes the settings file.
    void zmRopt_Click(int index);

    // Keys. True when the key did something.
    bool Form_KeyDown(const KeyPress& key) override;
    void Form_KeyUp(const KeyPress& key);
    // The window lost the focus: a Ctrl release may go elsewhere, so add mode ends.
    void Form_Deactivate() { AddMode(false); }
    bool ListLinks_KeyDown(const KeyPress& key);
    bool AddMode() const { return addMode_; }
    void AddMode(bool on);
    const std::string& GetCaption() const { return getCaption_; }

    // The get task.
    void GetPage(bool append, bool interactive, bool acceptNonHtml);
    void ImportClipboard();  // "Import Clip&board"
    void CheckClipboardUrl(bool noAutoGet);
    void ClipboardMonitorTick();
    Timer& ClipboardTimer() { return *monitor_; }
    // The user works in the address area (get button focused, or the box's text changed)
    // or left it.
    void AddressAreaActive(bool active) { addressAreaActive_ = active; }
    void txtUrl_Click();
    // The preferences window opened or closed; it opens with the window out of the tray.
    void PreferencesOpen(bool open);
    bool PreferencesOpen() const { return preferencesOpen_; }

    // Folders.
    void dirText_Change();  // the folder-box rule, also after a click, a key and focus loss
    void SetDownloadFolder(const std::string& folder);  // into the box, then the rule
    void dirSelect_Click();                             // the folder browser
    std::vector<std::string> zmDir_Items() const;       // favourites, after "&Default (tmp)"
    void zmDir_Build();
    // Check marks of the "&Directories" menu: index 0 "&Default (tmp)", then favourites.
    std::vector<bool> zmDir_Checks() const;
    void zmDir_Click(int index);
    bool FolderBarVisible() const { return folderBar_; }
    void FolderBarVisible(bool visible);
    std::string DefaultFolder() const;

    // The log.
    frmLog& Log();  // created on first use
    bool LogLoaded() const { return log_ != nullptr; }
    void LogToggle();  // "&Log"
    bool LogPaneVisible() const override { return logPane_; }
    void LogPaneVisible(bool visible) override;
    void Form_Resize() override;
    void zParentLog_Resize() override;

    // Notification-area mode.
    void Form_Minimized();  // the window was resized into the minimised state
    bool TrayMode() const { return tray_; }
    void TrayLeave();
    void TrayIconClick(bool leftButton);

  private:
    void Notify(int parts);
    void ParsePage(std::string text, bool append);
    void CopyToClipboard(const std::string& text);
    std::vector<std::size_t> SelectedRowsDescending() const;
    void CopySelected(bool withBase);
    void PasteEntry();
    void DeleteSelected();
    void PasteList();
    void Paste();
    void SortList();
    // The file menu's loads of a chosen file, also for a dropped one.
    void LoadListfile(const std::string& path, bool append);
    void ImportHtmlPath(const std::string& path);
    void ApplyBase();
    void ReUse();

    LinkList list_;
    ListUndo undo_{list_};
    int state_ = State_Idle;
    MainControls controls_;
    std::string getCaption_ = "&Get";
    bool addMode_ = false;
    bool loaded_ = false;
    bool closed_ = false;
    bool sourceShown_ = false;
    bool infoOpen_ = false;
    bool filerOpen_ = false;
    bool folderBar_ = false;
    bool logPane_ = false;
    bool tray_ = false;
    bool addressAreaActive_ = false;
    bool preferencesOpen_ = false;
    long dragRow_ = -1;
    std::string lastClipboard_;
    std::vector<std::string> favourites_;
    std::unique_ptr<frmLog> log_;
    std::unique_ptr<Timer> monitor_;
    MainView ownView_;
    RefinerHooks ownRefiner_;
    MainDownloads ownDownload_{*this};
    MainView* view_ = &ownView_;
    RefinerHooks* refiner_ = &ownRefiner_;
    DownloadHooks* download_ = &ownDownload_;
    MainReRouteHost reRouteHost_{*this};
    bool reRouting_ = false;  // a hand-off is running
    ReRouteMenu zmR_;
};

}  // namespace ravlet
