#include "app/frmLog.h"

#include "links/LinkList.h"
#include "net/TextToList.h"
#include "net/ravlet_url.h"
#include "platform/BusyPointer.h"

namespace ravlet {

namespace {
// The log keeps its newest part; older text beyond this is cut before each new message.
constexpr std::size_t kLogLimit = 15000;
const char kUrlMarker[] = "Url: ";
bool loaded = false;
}  // namespace

frmLog::frmLog(LogHost& host) : host_(host) {
    loaded = true;
    Docked(true);
}

frmLog::~frmLog() {
    loaded = false;
}

bool frmLog::Loaded() {
    return loaded;
}

void frmLog::Changed() {
    if (onChanged) onChanged();
}

void frmLog::addMessage(const std::string& text, bool show) {
    std::string message = text + "\r\n";
    if (text_.size() > kLogLimit) text_.resize(kLogLimit);
    message += text_;
    text_ = std::move(message);
    if (show && !LogVisible()) {
        if (docked_) {
            host_.LogPaneVisible(true);
            host_.Form_Resize();
        } else {
            windowVisible_ = true;
        }
    }
    Changed();
}

void frmLog::Docked(bool value) {
    if (value == docked_) return;
    docked_ = value;
    if (value) {
        windowVisible_ = false;
        host_.zParentLog_Resize();
        host_.LogPaneVisible(true);
        host_.Form_Resize();
    } else {
        host_.LogPaneVisible(false);
        host_.Form_Resize();
        windowVisible_ = true;
    }
    Changed();
}

bool frmLog::LogVisible() const {
    return docked_ ? host_.LogPaneVisible() : windowVisible_;
}

void frmLog::Toggle() {
    if (docked_) {
        host_.LogPaneVisible(!host_.LogPaneVisible());
        host_.Form_Resize();
    } else {
        windowVisible_ = !windowVisible_;
    }
    Changed();
}

std::vector<std::string> frmLog::LoggedUrls() const {
    std::vector<std::string> urls;
    std::size_t begin = 0;
    while (begin < text_.size()) {
        std::size_t end = text_.find("\r\n", begin);
        if (end == std::string::npos) end = text_.size();
        const std::string line = text_.substr(begin, end - begin);
        const std::size_t at = IFind(line, kUrlMarker);
        if (at != std::string::npos && at + sizeof kUrlMarker - 1 < line.size())
            urls.push_back(line.substr(at + sizeof kUrlMarker - 1));
        begin = end + 2;
    }
    return urls;
}

void frmLog::cmdTop_Click(int index) {
    switch (index) {
        case 0:
            text_.clear();
            Changed();
            break;
        case 1:
            Toggle();
            break;
        case 2: {
            BusyPointer busy;
            const std::vector<std::string> urls = LoggedUrls();
            // A log without any address leaves the list as it is.
            if (urls.empty() || !host_.ListUrlsAllowed()) break;
            LinkList& list = host_.ListLinks();
            list.Clear();
            TextToList(list, ListToText(urls), true);
            host_.Interface_StatusReady();
            break;
        }
        case 3:
            cmdTop_Click(0);
            cmdTop_Click(1);
            break;
        default:
            break;
    }
}

bool frmLog::Form_KeyDown(const KeyPress& key) {
    if (key.key == Key_F(7) && key.NoModifiers()) {
        // Hides the log where it lives: the window, or the pane while docked.
        if (LogVisible()) Toggle();
        return true;
    }
    return host_.Form_KeyDown(key);
}

bool frmLog::QueryUnload() {
    Toggle();
    return false;
}

}  // namespace ravlet
