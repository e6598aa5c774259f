#include "main/ScanModes.h"

#include "app/Settings.h"
#include "links/LinkScanner.h"
#include "main/SaveSettings.h"

namespace ravlet {

int ScanModesOf(const Settings& s) {
    return (s.scanlink ? ScanHref : 0) | (s.scanimg ? ScanImages : 0) |
           (s.scanwildsrc ? ScanWildSrc : 0) | (s.scantxthttp ? ScanPlainHttp : 0);
}

std::vector<MenuItem> ParseOptionsItems(const Settings& s) {
    return {{"&Links (default)", s.scanlink},
            {"&Images", s.scanimg},
            {"&Wild 'src='", s.scanwildsrc},
            {"Wild &http:// (Plain Text)", s.scantxthttp},
            {"&Auto-Show FilterRavPad", s.Refiner_AutoShow}};
}

void ParseOptionsToggle(Settings& s, int index) {
    switch (index) {
        case 0:
            s.scanlink = !s.scanlink;
            break;
        case 1:
            s.scanimg = !s.scanimg;
            break;
        case 2:
            s.scanwildsrc = !s.scanwildsrc;
            break;
        case 3:
            s.scantxthttp = !s.scantxthttp;
            break;
        case 4:
            s.Refiner_AutoShow = !s.Refiner_AutoShow;
            break;
        default:
            return;
    }
    if (ScanModesOf(s) == 0) s.scanlink = true;
}

bool ParseOptionsClosed() {
    return SaveSettings();
}

}  // namespace ravlet
