#pragma once
// What the main window's logic asks of whatever draws it. The Qt window implements it; the
// defaults do nothing, so the logic runs without a display.
#include <string>

namespace ravlet {

class frmExportHtml;

// Parts of the window that changed and must be drawn again.
enum MainViewPart : int {
    View_List = 1,      // rows, selection or current row of ListLinks
    View_Controls = 2,  // what State enables, the get button's caption
    View_Texts = 4,     // txtUrl and its drop-down, txtUrlBase, the folder box, the source view
    View_Log = 8,       // the log pane or the log window
    View_Layout = 16,   // Form_Resize: the pane's visibility changed
    View_Current = 32,  // only the current row of ListLinks moved
    View_Menus = 64,    // the re-route menu: its entries and check marks
    View_All = 127,
};

class MainView {
  public:
    virtual ~MainView() = default;
    virtual void Show() {}
    virtual void Update(int parts) { (void)parts; }
    virtual void FocusUrlBox() {}
    // The URL information window for address (its referrer and base).
    virtual void ShowInfo(const std::string& address, const std::string& referrer,
                          const std::string& base) {
        (void)address;
        (void)referrer;
        (void)base;
    }
    // The options window of the HTML export, modal; its buttons set the form's result.
    virtual void ShowExportOptions(frmExportHtml& form) { (void)form; }
    // The filename generator window, loaded on first use.
    virtual void ShowFiler() {}
    // The preferences window, modal, with page's entry expanded (a negative page: "Download").
    virtual void ShowPreferences(int page) { (void)page; }
    // Closes the site scanner and the tool windows before the main window closes; false
    // when one of them refuses.
    virtual bool CloseToolWindows() { return true; }
    // The "Download &Filenaming" menu at the pointer (from the overwrite question).
    virtual void ShowNamingMenu() {}
    // Closes the window after the logic agreed to the close.
    virtual void CloseWindow() {}
    // Ends the process at once, without writing the settings.
    virtual void Terminate() {}
    // The "&File" menu as a pop-up at the pointer (the notification-area icon's right button).
    virtual void PopupFileMenu() {}
    // The window's title ("37% ravlet" during a run).
    virtual void Title(const std::string& title) { (void)title; }
    // Whether the user works in this window right now.
    virtual bool Active() const { return true; }
    // A message of the window's icon in the notification area; false when there is none.
    virtual bool TrayMessage(const std::string& title, const std::string& text) {
        (void)title;
        (void)text;
        return false;
    }
};

}  // namespace ravlet
