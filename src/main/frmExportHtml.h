#pragma once
// The options window of the HTML export ("HTML Export"): the title, four check boxes, the
// description and the two buttons. The Qt dialog draws it and forwards its buttons here.
#include <string>

#include "main/ExportHtml.h"

namespace ravlet {

class frmExportHtml {
  public:
    static constexpr const char* kCaption = "HTML Export";

    std::string txtTitle;
    // 0 headline, 1 description, 2 new window, 3 the ravlet link.
    bool chk[4] = {false, false, false, false};
    std::string txtDesc;

    // The description box takes text only while its check box is checked.
    bool txtDescEnabled() const { return chk[1]; }
    // 0 confirms, 1 cancels.
    void cmd_Click(int index) { result_ = index == 0 ? "ok" : "cancel"; }
    // Closing the window without a button is a cancel.
    void Form_Unload() {
        if (result_ != "ok") result_ = "cancel";
    }
    const std::string& Result() const { return result_; }
    ExportHtmlOptions Options() const;

  private:
    std::string result_ = "cancel";
};

}  // namespace ravlet
