// Text that reaches the list without a fetch, and the page parse they share with the get.
#include <string>
#include <utility>

#include "app/Settings.h"
#include "links/LinkScanner.h"
#include "links/ParsePage.h"
#include "main/ScanModes.h"
#include "main/frmMain.h"
#include "platform/BusyPointer.h"
#include "platform/Clipboard.h"

namespace ravlet {

namespace {

// The main window as the page parse sees it.
class MainParseTarget : public PageParseTarget {
  public:
    MainParseTarget(frmMain& main, std::string& source) : main_(main), source_(source) {}
    LinkList& Links() override { return main_.ListLinks(); }
    ctlStatusBar& StatusBar() override { return main_.StatusBar; }
    int ScanModes() override { return ScanModesOf(AppSettings()); }
    bool ShowSource(const std::string& text, std::string&, long&) override {
        source_ = text;
        return true;
    }
    void ListVisible(bool) override {}
    void StatusReady() override { main_.Interface_StatusReady(); }

  private:
    frmMain& main_;
    std::string& source_;
};

}  // namespace

void frmMain::ParsePage(std::string page, bool append) {
    // A new list begins without outcomes, also for the links it shares with the old one.
    if (!append) ownDownload_.Outcomes().Clear();
    MainParseTarget target(*this, TextHtml);
    ravlet::ParsePage(target, std::move(page), append);
    Notify(View_Texts | View_List);
}

void frmMain::doTextParse(const std::string& text) {
    ListUndoStep step(undo_);
    State(State_Busy);
    Interface_Status("parsing page...");
    ParsePage(text, false);
    SetResetList();
    State(State_ListReady);
}

void frmMain::ImportClipboard() {
    // The import replaces the list: not under a running task.
    if (!CommandAllowed(Act_ImportClipboard, state_)) return;
    Clipboard& clip = SystemClipboard();
    if (!clip.HasText() && !clip.HasRichText()) return;
    std::string text;
    if (!clip.GetText(text)) return;
    ListUndoStep step(undo_);
    State(State_Busy);
    Interface_Status("parsing clipboard...");
    text = PreparePageText(text);
    TextHtml = text.substr(0, kSourceViewChars);
    Notify(View_Texts);
    std::vector<std::string> found;
    {
        BusyPointer busy;
        ScanLinks(std::move(text), found, ScanHref | ScanImages | ScanWildSrc | ScanPlainHttp,
                  &StatusBar);
    }
    if (!found.empty()) {
        list_.Clear();
        for (const std::string& link : found) AddLinkUnique(list_, link);
    }
    Interface_Status("Ready");
    SetResetList();
    State(State_ListReady);
}

}  // namespace ravlet
