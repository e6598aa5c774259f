// Text that reaches the list without a fetch, and the page parse they share with the get.
#include "app/Settings.h"
#include "links/LinkScanner.h"
#include "main/ScanModes.h"
#include "main/frmMain.h"
#include "net/ravlet_url.h"
#include "platform/BusyPointer.h"
#include "platform/Clipboard.h"

namespace ravlet {

namespace {

void FillList(LinkList& list, const std::vector<std::string>& found, bool append) {
    if (!append) list.Clear();
    for (const std::string& link : found) AddLinkUnique(list, link);
}

}  // namespace

void frmMain::ParsePage(const std::string& page, bool append) {
    Interface_Status("Parsing page...");
    std::string text = NormalizeNewlines(page);
    CleanPageText(text);
    TextHtml = text.substr(0, kSourceViewLimit);
    Notify(View_Texts);
    std::vector<std::string> found;
    {
        BusyPointer busy;
        ScanLinks(std::move(text), found, ScanModesOf(AppSettings()), &StatusBar);
    }
    if (!found.empty()) FillList(list_, found, append);
    Interface_StatusReady();
}

void frmMain::doTextParse(const std::string& text) {
    State(State_Busy);
    Interface_Status("parsing page...");
    ParsePage(text, false);
    SetResetList();
    State(State_ListReady);
}

void frmMain::ImportClipboard() {
    // The import replaces the list: not under a running task.
    if (!ListEditable(state_)) return;
    Clipboard& clip = SystemClipboard();
    if (!clip.HasText() && !clip.HasRichText()) return;
    std::string text;
    if (!clip.GetText(text)) return;
    State(State_Busy);
    Interface_Status("parsing clipboard...");
    text = NormalizeNewlines(text);
    CleanPageText(text);
    TextHtml = text.substr(0, kSourceViewLimit);
    Notify(View_Texts);
    std::vector<std::string> found;
    {
        BusyPointer busy;
        ScanLinks(std::move(text), found, ScanHref | ScanImages | ScanWildSrc | ScanPlainHttp,
                  &StatusBar);
    }
    if (!found.empty()) FillList(list_, found, false);
    Interface_Status("Ready");
    SetResetList();
    State(State_ListReady);
}

}  // namespace ravlet
