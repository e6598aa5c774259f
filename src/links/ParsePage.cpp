#include "links/ParsePage.h"

#include <utility>
#include <vector>

#include "links/LinkList.h"
#include "links/LinkScanner.h"
#include "net/ravlet_url.h"
#include "platform/BusyPointer.h"
#include "platform/UserInterface.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

bool ParsePage(PageParseTarget& target, std::string text, bool append) {
    target.StatusBar().Caption("Parsing page...");
    std::string prepared = std::move(text);
    PreparePageTextInPlace(prepared);
    std::string error;
    long errorNumber = 0;
    if (!target.ShowSource(prepared.substr(0, kSourceViewChars), error, errorNumber)) {
        // The parse goes on without the source view.
        MsgBox("Error: " + error, MsgButtons::Ok, MsgIcon::None,
               "Source could not filled (#" + std::to_string(errorNumber) + ")");
    }
    std::vector<std::string> found;
    bool any;
    {
        BusyPointer busy;
        any = ScanLinks(std::move(prepared), found, target.ScanModes(), &target.StatusBar());
    }
    if (any) {
        LinkList& list = target.Links();
        if (!append) list.Clear();
        target.ListVisible(false);
        list.Reserve(list.Count() + found.size());
        for (const std::string& link : found) AddLinkUnique(list, link);
        target.ListVisible(true);
    }
    target.StatusReady();
    return any;
}

}  // namespace ravlet
