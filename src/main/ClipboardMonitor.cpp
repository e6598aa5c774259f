// The clipboard check and its monitor: copied addresses land in the page address box.
#include "app/Settings.h"
#include "main/frmMain.h"
#include "net/ravlet_url.h"
#include "platform/Clipboard.h"

namespace ravlet {

namespace {
// The first line of the text, whatever its line ends: what the first line of its normalised
// form would be, without normalising megabytes of text every second.
std::string FirstLineOf(const std::string& text) {
    return text.substr(0, text.find_first_of("\r\n"));
}
}  // namespace

void frmMain::CheckClipboardUrl(bool noAutoGet) {
    Clipboard& clip = SystemClipboard();
    if (!clip.HasText()) return;
    std::string raw;
    // Another program may hold the clipboard; the next look will do.
    if (!clip.GetText(raw)) return;
    if (raw == lastClipboard_ || raw.size() < 3) return;
    const std::string address = FirstLineOf(raw);
    if (!UrlHasScheme(address) || address == txtUrl.text) return;
    // Taken once: the same clipboard must not overwrite the box again every second, nor
    // fetch again when the fetched address was rewritten in the box.
    lastClipboard_ = raw;
    txtUrl.text = address;
    Notify(View_Texts);
    if (!noAutoGet && AppSettings().Auto_CBmonitor_GetChange) cGo_Click();
}

void frmMain::ClipboardMonitorTick() {
    if (!ListEditable(state_) || !AppSettings().Auto_CBmonitor || addressAreaActive_ ||
        preferencesOpen_)
        return;
    CheckClipboardUrl(false);
}

void frmMain::txtUrl_Click() {
    Clipboard& clip = SystemClipboard();
    if (!AppSettings().Auto_CBmonitor || !clip.HasText()) return;
    std::string text;
    if (clip.GetText(text)) lastClipboard_ = text;
}

}  // namespace ravlet
