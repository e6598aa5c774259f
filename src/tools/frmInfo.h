#pragma once
// The URL info window ("Info"): the response head of one address of the link list, the
// address, referrer and base editable before asking, and the address written back into the
// row it came from. The Qt window draws it and forwards its buttons here.
#include <functional>
#include <string>

#include "links/LinkList.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

// What the info window needs of the main window.
class InfoHost {
  public:
    virtual ~InfoHost() = default;
    virtual LinkList& ListLinks() = 0;
    // Whether a row may be rewritten in the current State.
    virtual bool ApplyAllowed() const = 0;
    virtual void ListChanged() = 0;
};

class frmInfo {
  public:
    static constexpr const char* kCaption = "Info";

    explicit frmInfo(InfoHost& host) : host_(host) {}

    std::string txtUrl, txtRef, txtBase;
    std::string txt;  // the result
    ctlStatusBar StatusLbl;

    // The window for address: referrer and base fill only empty fields; the main list's
    // current row is remembered for "&Apply".
    void ShowInfo(const std::string& address, const std::string& referrer = std::string(),
                  const std::string& base = std::string());
    long Row() const { return row_; }
    // The request; true when it succeeded.
    bool GetInfo();
    // 0 "Get &Info", 1 "&Test", 2 "&Apply", 3 "&Close".
    void cmd_Click(int index);
    bool CmdEnabled(int index) const { return index == 1 || !busy_; }

    // The view: draw the fields again; close the window.
    std::function<void()> Changed;
    std::function<void()> Close;

  private:
    void Redraw() {
        if (Changed) Changed();
    }
    InfoHost& host_;
    long row_ = -1;
    bool busy_ = false;
};

}  // namespace ravlet
