#include "links/ParsePage.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "links/FoundLinks.h"
#include "links/LinkList.h"
#include "links/LinkScanner.h"
#include "links/SegmentScan.h"
#include "net/ravlet_url.h"
#include "platform/BusyPointer.h"
#include "platform/UserInterface.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

namespace {

void ShowSourceText(PageParseTarget& target, const std::string& text) {
    std::string error;
    long errorNumber = 0;
    if (!target.ShowSource(text, error, errorNumber)) {
        // The parse goes on without the source view.
        MsgBox("Error: " + error, MsgButtons::Ok, MsgIcon::None,
               "Source could not filled (#" + std::to_string(errorNumber) + ")");
    }
}

// What a parse found goes into the list (in place of its rows unless append) while the list
// is hidden; a parse that found nothing leaves the list as it was.
template <typename Fill>
bool FillList(PageParseTarget& target, bool any, bool append, Fill fill) {
    if (any) {
        LinkList& list = target.Links();
        if (!append) list.Clear();
        target.ListVisible(false);
        fill(list);
        target.ListVisible(true);
    }
    target.StatusReady();
    return any;
}

bool ScanIntoList(PageParseTarget& target, std::string prepared, bool append) {
    ShowSourceText(target, prepared.substr(0, kSourceViewChars));
    FoundLinks found;  // views into prepared
    bool any;
    {
        BusyPointer busy;
        any = ScanLinksInto(prepared, found, target.ScanModes(), &target.StatusBar());
    }
    return FillList(target, any, append, [&](LinkList& list) {
        list.Reserve(list.Count() + found.Count());
        for (const std::string_view link : found.Links()) AddLinkUnique(list, link);
    });
}

}  // namespace

bool ParseSegmentedPage(PageParseTarget& target, std::string_view text, bool append,
                        std::size_t segmentBytes) {
    // What open values may hold before the page is scanned as a whole instead.
    constexpr std::size_t kMostHeld = std::size_t{4} << 20;
    target.StatusBar().Caption("Parsing page...");
    SegmentScan scan(target.ScanModes());
    // Each pass's links, once each, in page order: put one pass after the other into the list,
    // they make it as the whole-page scan makes it (the first of a link is in the first pass
    // that finds it, at that pass's first find).
    std::vector<LinkList> passes(scan.Passes());
    bool any = false;
    const auto take = [&] {
        for (std::size_t pass = 0; pass < scan.Passes(); ++pass) {
            const FoundLinks& found = scan.Found(pass);
            any = any || found.Count() > 0;
            for (const std::string_view link : found.Links()) AddLinkUnique(passes[pass], link);
        }
    };
    std::string prepared, source;
    std::size_t at = 0;
    {
        BusyPointer busy;
        while (at < text.size()) {
            // Cut before a "<": nothing the preparation or the passes look for spans it.
            std::size_t end = text.size();
            if (text.size() - at > segmentBytes) end = text.find('<', at + segmentBytes);
            if (end == std::string_view::npos) end = text.size();
            // The source view shows line breaks; past it, they are made blanks right away.
            const bool shown = source.size() < kSourceViewChars;
            if (shown) {
                PreparePageTextInto(text.substr(at, end - at), prepared);
                source.append(prepared, 0, kSourceViewChars - source.size());
            } else {
                PrepareScanText(text.substr(at, end - at), prepared);
            }
            scan.Scan(prepared, !shown);
            take();
            at = end;
            // A value that runs on and on (a quote never closed) would come to a copy of the
            // page of its own; it is judged over the page as a whole instead.
            if (scan.Held() > std::max(4 * segmentBytes, kMostHeld)) break;
        }
    }
    if (at < text.size() || !scan.Finish()) {
        // A value without an end: the passes go on behind it, over the page as a whole.
        return ParsePreparedPage(target, PreparePageText(text), append);
    }
    take();
    ShowSourceText(target, source);
    return FillList(target, any, append, [&](LinkList& list) {
        for (const LinkList& pass : passes) {
            for (const std::string& link : pass.Items()) AddLinkUnique(list, link);
        }
    });
}

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
