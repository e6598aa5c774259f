#include "links/ParsePage.h"

#include <utility>
#include <vector>

#include "links/FoundLinks.h"
#include "links/LinkList.h"
#include "links/LinkScanner.h"
#include "net/ravlet_url.h"
#include "platform/BusyPointer.h"
#include "platform/UserInterface.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

namespace {

bool ScanIntoList(PageParseTarget& target, std::string prepared, bool append) {
    std::string error;
    long errorNumber = 0;
    if (!target.ShowSource(prepared.substr(0, kSourceViewChars), error, errorNumber)) {
        // The parse goes on without the source view.
        MsgBox("Error: " + error, MsgButtons::Ok, MsgIcon::None,
               "Source could not filled (#" + std::to_string(errorNumber) + ")");
    }
    FoundLinks found;  // views into prepared
    bool any;
    {
        BusyPointer busy;
        any = ScanLinksInto(prepared, found, target.ScanModes(), &target.StatusBar());
    }
    if (any) {
        LinkList& list = target.Links();
        if (!append) list.Clear();
        target.ListVisible(false);
        list.Reserve(list.Count() + found.Count());
        for (const std::string_view link : found.Links()) AddLinkUnique(list, link);
        target.ListVisible(true);
    }
    target.StatusReady();
    return any;
}

}  // namespace

bool ParsePage(PageParseTarget& target, std::string text, bool append) {
    target.StatusBar().Caption("Parsing page...");
    PreparePageTextInPlace(text);
    return ScanIntoList(target, std::move(text), append);
}

bool ParsePreparedPage(PageParseTarget& target, std::string prepared, bool append) {
    target.StatusBar().Caption("Parsing page...");
    return ScanIntoList(target, std::move(prepared), append);
}

}  // namespace ravlet
