#include <algorithm>

#include "links/LinkScanner.h"
#include "platform/DoEvents.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

namespace {

struct Pass {
    const char* tag;
    const char* attribute;
};

constexpr Pass kHrefPasses[] = {
    {"a", "href"}, {"link", "href"}, {"frame", "src"}, {"map", "href"}, {"form", "action"}};
constexpr Pass kImagePasses[] = {{"img", "src"},         {"img", "lowsrc"},
                                 {"body", "background"}, {"table", "background"},
                                 {"tr", "background"},   {"td", "background"}};
constexpr const char* kPlainPrefixes[] = {"http://", "https://", "ftp://"};

// Each group's share of the gauge's maximum.
constexpr int kWeightHref = 5;
constexpr int kWeightImages = 6;
constexpr int kWeightWildSrc = 7;
constexpr int kWeightPlain = 3;

// The status bar is optional: without one the passes run unseen.
class Gauge {
  public:
    explicit Gauge(ctlStatusBar* bar) : bar_(bar) {}
    void Status(const char* text) {
        if (bar_) bar_->Caption(text);
    }
    void Value(int value) {
        if (bar_) bar_->Step(value);
    }
    void Show(int maximum) {
        if (!bar_) return;
        bar_->Step(0);
        bar_->Mode(1);
        bar_->Caption("Scanning...");
        bar_->Steps(maximum);
    }
    void Hide(bool percentUsed) {
        if (!bar_) return;
        bar_->Caption("Scanning done.");
        bar_->Mode(0);
        bar_->Step(0);
        // The plain-text passes leave their last percent; in simple mode it would stay drawn
        // as a bar that belongs to nothing.
        if (percentUsed) bar_->Percent(0);
    }
    ctlStatusBar* Bar() const { return bar_; }

  private:
    ctlStatusBar* bar_;
};

}  // namespace

bool ScanLinks(std::string text, std::vector<std::string>& results, int modes,
               ctlStatusBar* statusBar) {
    // Line breaks become blanks, so a CR LF pair becomes two; values then end at them.
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    Gauge gauge(statusBar);
    int maximum = 0;
    if (modes & ScanHref) maximum += kWeightHref;
    if (modes & ScanImages) maximum += kWeightImages;
    if (modes & ScanWildSrc) maximum += kWeightWildSrc;
    if (modes & ScanPlainHttp) maximum += kWeightPlain;
    gauge.Show(maximum);

    bool found = false;
    int step = 0;
    if (modes & ScanHref) {
        gauge.Status("Scanning href...");
        for (const Pass& pass : kHrefPasses) {
            found = ScanTagAttribute(text, pass.tag, pass.attribute, results) || found;
            gauge.Value(++step);
        }
    }
    DoEvents();
    if (modes & ScanImages) {
        gauge.Status("Scanning images...");
        for (const Pass& pass : kImagePasses) {
            found = ScanTagAttribute(text, pass.tag, pass.attribute, results) || found;
            gauge.Value(++step);
        }
    }
    if (modes & ScanWildSrc) {
        gauge.Status("Scanning src...");
        found = ScanTagAttribute(text, "", "src", results) || found;
        found = ScanTagAttribute(text, "", "value", results) || found;
        ++step;
    }
    if (modes & ScanPlainHttp) {
        gauge.Status("Scanning plain...");
        gauge.Value(step);
        for (const char* prefix : kPlainPrefixes) {
            found = ScanPlainText(text, prefix, results, gauge.Bar()) || found;
            gauge.Value(++step);
        }
    }
    gauge.Hide((modes & ScanPlainHttp) != 0);
    return found;
}

}  // namespace ravlet
