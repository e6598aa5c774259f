// What the status bar shows while the scanner runs, and where the window's events are served.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "links/LinkScanner.h"
#include "support/ScriptedUi.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {
namespace {

struct Watched {
    std::vector<std::string> captions;  // each caption as it changed
    std::vector<int> steps;             // each step value shown
    int maxSteps = 0;
};

class ScanProgress : public ::testing::Test {
  protected:
    ScanProgress() {
        bar.Caption("Ready (0 Links)");
        seen.captions.push_back(bar.Caption());
        bar.OnRedraw([this] {
            if (seen.captions.empty() || seen.captions.back() != bar.Caption())
                seen.captions.push_back(bar.Caption());
            if (seen.steps.empty() || seen.steps.back() != bar.Step())
                seen.steps.push_back(bar.Step());
            seen.maxSteps = std::max(seen.maxSteps, bar.Steps());
        });
    }
    ctlStatusBar bar;
    Watched seen;
    std::vector<std::string> found;
};

TEST_F(ScanProgress, AllFourModesShowEveryGroupInOrder) {
    ScanLinks("<a href=x> http://h/ https://s/", found, 15, &bar);
    EXPECT_EQ(seen.captions,
              (std::vector<std::string>{
                  "Ready (0 Links)", "Scanning...", "Scanning href...", "Scanning images...",
                  "Scanning src...", "Scanning plain...", "Parse: http:// (Plain Text)",
                  "Parse: https:// (Plain Text)", "Parse: ftp:// (Plain Text)", "Scanning done."}));
    // Five reference passes, six image passes, one step for both wild passes, three plain.
    EXPECT_EQ(seen.steps,
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}));
    EXPECT_EQ(seen.maxSteps, 21);  // the weights 5 + 6 + 7 + 3
    EXPECT_EQ(bar.Mode(), 0);      // the gauge is hidden again
    EXPECT_EQ(bar.Step(), 0);
    EXPECT_EQ(bar.Percent(), 0);
}

TEST_F(ScanProgress, ImagesAndPlainCountFromZero) {
    ScanLinks("<img src=i>", found, ScanImages | ScanPlainHttp, &bar);
    EXPECT_EQ(seen.maxSteps, 9);
    EXPECT_EQ(seen.steps, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0}));
    ASSERT_GE(seen.captions.size(), 3u);
    EXPECT_EQ(seen.captions[1], "Scanning...");
    EXPECT_EQ(seen.captions[2], "Scanning images...");
    EXPECT_EQ(seen.captions.back(), "Scanning done.");
}

TEST_F(ScanProgress, WildPassesAloneLeaveTheStepAtZero) {
    ScanLinks("<x src=a>", found, ScanWildSrc, &bar);
    EXPECT_EQ(seen.maxSteps, 7);
    EXPECT_EQ(seen.steps, (std::vector<int>{0}));
}

TEST_F(ScanProgress, PlainTextShowsHowFarItGot) {
    // 100 bytes with an address at 1-based position 51: 51 % once it is found.
    std::string page(50, 'x');
    page += "http://h/";
    page.resize(100, 'y');
    std::vector<int> percents;
    bar.OnRedraw([&] {
        if (percents.empty() || percents.back() != bar.Percent()) percents.push_back(bar.Percent());
    });
    ScanPlainText(page, "http://", found, &bar);
    EXPECT_EQ(bar.Caption(), "Parse: http:// (Plain Text)");
    EXPECT_EQ(percents, (std::vector<int>{0, 51}));
    EXPECT_EQ(found, (std::vector<std::string>{"http://h/" + std::string(41, 'y')}));
}

TEST(ScanEvents, AreServedOncePerMatchAndOncePerGroup) {
    test::ScriptedUi ui;
    std::vector<std::string> found;
    const std::string page = "<a href=1><a href=2><a href=3>";
    ScanTagAttribute(page, "a", "href", found);
    EXPECT_EQ(ui.serveCount, 3);
    ui.serveCount = 0;
    ScanLinks(page, found, ScanHref, nullptr);
    // Three matches of the anchor pass, then the one after the reference group.
    EXPECT_EQ(ui.serveCount, 4);
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
