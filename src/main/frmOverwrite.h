#pragma once
// The question when a download's target already exists: six answers, a name box for a new
// name, and two buttons that change the folder and the naming for the links that follow.
// The window draws a question and reports the button; the rules live here.
#include <cstddef>
#include <functional>
#include <string>

#include "platform/KeyPress.h"

namespace ravlet {

// The window's buttons, in the order of its control array.
enum OverwriteButton : int {
    Ow_Closed = -1,  // the window was closed without a button
    Ow_Overwrite = 0,
    Ow_Rename = 1,
    Ow_Retry = 2,
    Ow_Skip = 3,
    Ow_OverwriteAll = 4,
    Ow_SkipAll = 5,
};

extern const char* const kOverwriteButtonCaptions[6];

// What the window shows for one question.
struct OverwriteQuestion {
    std::string caption;
    std::string prompt;
    std::string info;
    std::string name;       // the name box, which has the keyboard focus
    std::size_t caret = 0;  // text cursor in the name box
};

struct OverwriteAnswer {
    int button = Ow_Closed;
    std::string name;  // the name box's text when the button was pressed
};

class frmOverwrite;

class OverwriteView {
  public:
    virtual ~OverwriteView() = default;
    // Shows the question modally, centred over the owner. While it is open the view hands
    // key presses to ButtonOfKey and the naming buttons to cCmdNaming_Click.
    virtual OverwriteAnswer Show(const OverwriteQuestion& question, frmOverwrite& form) = 0;
};

class frmOverwrite {
  public:
    explicit frmOverwrite(OverwriteView& view) : view_(view) {}

    void InfoLbl(const std::string& text) { info_ = text; }
    const std::string& InfoLbl() const { return info_; }

    // The path to write to, or the empty text to skip. "Overwrite &All" and "Skip A&ll" set
    // runRule to 1 and 2. An overwritten file stays until the new content is complete.
    std::string Ask(const std::string& path, int& runRule);

    // The question for path as the window shows it.
    OverwriteQuestion Question(const std::string& path) const;
    // Enter presses "&Rename ENTER", Esc "&Skip ESC"; Ow_Closed for any other key.
    static int ButtonOfKey(const KeyPress& key);

    // The naming buttons: 0 the download-folder choice, 1 the "Download filenaming" menu.
    void cCmdNaming_Click(int index);
    std::function<void()> OnChooseFolder;
    std::function<void()> OnNamingMenu;

  private:
    OverwriteView& view_;
    std::string info_;
};

// "Current:" + length + " bytes", "New:" + the announced size + " bytes" (or "unknown").
std::string OverwriteInfoText(long long currentLength, long long announcedSize);

}  // namespace ravlet
