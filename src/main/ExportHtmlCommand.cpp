// "&Export HTML File...": the link list written as a web page of links.
#include <cmath>

#include "app/Settings.h"
#include "main/ExportHtml.h"
#include "main/frmExportHtml.h"
#include "main/frmMain.h"
#include "platform/BusyPointer.h"
#include "platform/UserInterface.h"

namespace ravlet {

void frmMain::ExportHtmlFile() {
    if (!CommandAllowed(Act_ExportHtml, state_)) return;
    FileDialogRequest r;
    r.save = true;
    r.title = "Export HTML File";
    r.filter = HtmlFileFilter(AppSettings());
    r.defaultExt = ".html";
    const std::string path = Ui().ChooseFile(r);
    if (path.empty()) return;
    ExportHtml(path);
}

bool frmMain::ExportHtml(const std::string& path) {
    frmExportHtml form;
    form.txtTitle = txtUrl.text;
    view_->ShowExportOptions(form);
    if (form.Result() == "cancel") return false;
    BusyPointer busy;
    Interface_Status("Exporting HTML (" + path + ")");
    // A copy: the export serves events, and the list may change meanwhile.
    const std::vector<std::string> entries = list_.Items();
    const std::string page = ExportHtmlPage(entries, ExportHtmlBase(txtUrlBase, txtUrl.text),
                                            form.Options(), AppSettings().webhomepage,
                                            [this](int percent) { StatusBar.Percent(percent); });
    std::string error;
    const bool written = ExportHtmlWrite(path, page, error);
    StatusBar.Percent(0);
    if (!written) {
        Interface_Status("HTML export failed: " + path);
        MsgBox("The HTML page could not be written:\r\n" + error + "\r\n\r\nThe Filename was:\r\n" +
                   path,
               MsgButtons::Ok, MsgIcon::Critical, frmExportHtml::kCaption);
        return false;
    }
    Interface_StatusReady();
    return true;
}

}  // namespace ravlet
