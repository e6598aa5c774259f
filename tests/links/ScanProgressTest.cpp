// What the user sees of the scanner while it runs: the status texts, a gauge that only moves
// forward and is hidden at the end, and a window that is served after every link found.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "links/FoundLinks.h"
#include "links/LinkScanner.h"
#include "support/ScriptedUi.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {
namespace {

class ScanProgress : public ::testing::Test {
  protected:
    ScanProgress() {
        bar.Caption("Ready (0 Links)");
        captions.push_back(bar.Caption());
        bar.OnRedraw([this] {
            if (captions.back() != bar.Caption()) captions.push_back(bar.Caption());
            if (bar.Mode() == 1)
                shown.push_back(bar.Steps() == 0 ? 0 : bar.Step() * 100 / bar.Steps());
        });
    }
    // The gauge, as drawn while it was shown, never went back or past its end.
    void ExpectForwardOnly() const {
        for (std::size_t k = 0; k < shown.size(); ++k) {
            EXPECT_GE(shown[k], 0);
            EXPECT_LE(shown[k], 100);
            if (k > 0) {
                EXPECT_GE(shown[k], shown[k - 1]) << "step " << k;
            }
        }
    }
    void ExpectHiddenAtTheEnd() const {
        EXPECT_EQ(bar.Caption(), "Scanning done.");
        EXPECT_EQ(bar.Mode(), 0);
        EXPECT_EQ(bar.Step(), 0);
        EXPECT_EQ(bar.Percent(), 0);
    }

    ctlStatusBar bar;
    std::vector<std::string> captions;  // each caption as it changed
    std::vector<int> shown;             // the gauge in percent at each redraw while shown
    std::vector<std::string> found;
};

TEST_F(ScanProgress, AllFourModesShowEveryGroupInOrder) {
    ScanLinks("<a href=x> http://h/ https://s/", found, 15, &bar);
    EXPECT_EQ(captions,
              (std::vector<std::string>{
                  "Ready (0 Links)", "Scanning...", "Scanning href...", "Scanning images...",
                  "Scanning src...", "Scanning plain...", "Parse: http:// (Plain Text)",
                  "Parse: https:// (Plain Text)", "Parse: ftp:// (Plain Text)", "Scanning done."}));
    ExpectForwardOnly();
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), 0);
    EXPECT_GT(shown.back(), 50);  // most of the way once every group has run
    ExpectHiddenAtTheEnd();
}

// One scan after another on the same status bar, each with other groups than the one before.
TEST_F(ScanProgress, EachModeAloneMovesForwardAndEndsHidden) {
    for (const int mode :
         std::initializer_list<int>{ScanHref, ScanImages, ScanPlainHttp, ScanHref | ScanWildSrc,
                                    ScanImages | ScanPlainHttp}) {
        SCOPED_TRACE(mode);
        shown.clear();
        ScanLinks("<a href=x><img src=i> http://h/", found, mode, &bar);
        ExpectForwardOnly();
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.front(), 0);             // a scan after another starts from zero
        EXPECT_GT(shown.back(), shown.front());  // each of these groups moves the gauge
        ExpectHiddenAtTheEnd();
    }
}

TEST_F(ScanProgress, PlainTextShowsHowFarItGot) {
    // 100 bytes with an address in the middle: about half once it is found.
    std::string page(50, 'x');
    page += "http://h/";
    page.resize(100, 'y');
    std::vector<int> percents;
    bar.OnRedraw([&] { percents.push_back(bar.Percent()); });
    ScanPlainText(page, "http://", found, &bar);
    EXPECT_EQ(bar.Caption(), "Parse: http:// (Plain Text)");
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.front(), 0);
    for (std::size_t k = 1; k < percents.size(); ++k) EXPECT_GE(percents[k], percents[k - 1]);
    EXPECT_GE(percents.back(), 45);
    EXPECT_LE(percents.back(), 55);
    EXPECT_EQ(found, (std::vector<std::string>{"http://h/" + std::string(41, 'y')}));
}

// How many links had been found at each serving of the window's events.
struct ServedAt {
    test::ScriptedUi ui;
    std::vector<std::size_t> counts;
    explicit ServedAt(const FoundLinks& found) {
        ui.onServeEvents = [this, &found] { counts.push_back(found.Count()); };
    }
    // A Stop could act between any two links: no serving ever let two links pass at once.
    void ExpectServedAfterEveryLink(std::size_t total) const {
        std::size_t last = 0;
        for (const std::size_t n : counts) {
            EXPECT_LE(n, last + 1);
            last = n;
        }
        EXPECT_EQ(last, total);  // and once after the last
    }
};

TEST(ScanEvents, AreServedAfterEveryLinkFound) {
    FoundLinks found;
    ServedAt served(found);
    std::string page =
        "<a href=1><a href=2><link href=3><img src=4><img lowsrc=5><td background=6>"
        "<x value=7> http://8 https://9 ftp://10";
    ScanLinksInto(page, found, 15, nullptr);
    ASSERT_EQ(found.Count(), 11u);  // the wild pass finds the img src again
    served.ExpectServedAfterEveryLink(found.Count());
}

TEST(ScanEvents, APageWithoutLinksStillServesTheWindow) {
    for (const int mode :
         std::initializer_list<int>{ScanHref, ScanImages, ScanWildSrc, ScanPlainHttp}) {
        FoundLinks found;
        ServedAt served(found);
        std::string page(5000, 'x');
        ScanLinksInto(page, found, mode, nullptr);
        EXPECT_FALSE(served.counts.empty()) << mode;
    }
}

TEST(ScanEvents, AStopSeenInsideAPassDoesNotBreakTheScan) {
    // Events may change the status bar while a pass runs; the scan goes on with its text.
    test::ScriptedUi ui;
    ctlStatusBar bar;
    ui.onServeEvents = [&] { bar.Caption("clicked"); };
    std::vector<std::string> found;
    ScanLinks("<a href=1> http://h/", found, 15, &bar);
    EXPECT_EQ(found, (std::vector<std::string>{"1", "http://h/"}));
    EXPECT_EQ(bar.Caption(), "Scanning done.");
}

}  // namespace
}  // namespace ravlet
