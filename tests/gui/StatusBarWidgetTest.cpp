#include "gui/StatusBarWidget.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "tools/ctlStatusBar.h"

namespace ravlet::gui {
namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 20;

class StatusBarWidgetTest : public ::testing::Test {
  protected:
    StatusBarWidgetTest() : widget(bar) { widget.resize(kWidth, kHeight); }

    QImage Shot() { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRgb Background() const { return widget.palette().color(QPalette::Window).rgb() & 0xffffff; }
    // The bottom row lies below the caption's letters.
    static QRgb At(const QImage& image, int x) { return image.pixel(x, kHeight - 1) & 0xffffff; }

    ctlStatusBar bar;
    StatusBarWidget widget;
};

TEST_F(StatusBarWidgetTest, SimpleModeInvertsThePercentOfTheWidth) {
    bar.Percent(50);
    const QImage shot = Shot();
    EXPECT_EQ(At(shot, 10), Background() ^ 0xffffffu);
    EXPECT_EQ(At(shot, 99), Background() ^ 0xffffffu);
    EXPECT_EQ(At(shot, 100), Background());
    EXPECT_EQ(At(shot, 190), Background());
}

TEST_F(StatusBarWidgetTest, StepsModeCombinesTheOverallAndThePercentBar) {
    bar.Mode(1);
    bar.Steps(4);
    bar.Step(1);
    bar.Percent(50);  // overall 38 %: 76 pixels; percent 50 %: 100 pixels
    const QImage shot = Shot();
    EXPECT_EQ(At(shot, 10), Background() ^ 0x666666u ^ 0x999999u);
    EXPECT_EQ(At(shot, 75), Background() ^ 0x666666u ^ 0x999999u);
    EXPECT_EQ(At(shot, 76), Background() ^ 0x999999u);
    EXPECT_EQ(At(shot, 99), Background() ^ 0x999999u);
    EXPECT_EQ(At(shot, 100), Background());
}

TEST_F(StatusBarWidgetTest, OverPercentDrawsAFullBarAndNoneBelowZero) {
    bar.Percent(150);
    EXPECT_EQ(At(Shot(), kWidth - 1), Background() ^ 0xffffffu);
    bar.Percent(-5);
    EXPECT_EQ(At(Shot(), 0), Background());
}

TEST_F(StatusBarWidgetTest, OverallBeyondTheLastStepStaysInsideTheWidth) {
    bar.Mode(1);
    bar.Steps(4);
    bar.Step(4);
    bar.Percent(100);  // 125 % overall
    const QImage shot = Shot();
    EXPECT_EQ(At(shot, kWidth - 1), Background() ^ 0x666666u ^ 0x999999u);
}

TEST_F(StatusBarWidgetTest, DrawsTheCaption) {
    const QImage blank = Shot();
    bar.Caption("Scanning href...");
    const QImage written = Shot();
    EXPECT_NE(blank, written);
    bar.Caption("");
    EXPECT_EQ(Shot(), blank);
}

TEST_F(StatusBarWidgetTest, StopsListeningWhenDestroyed) {
    {
        ctlStatusBar other;
        {
            StatusBarWidget view(other);
            other.Caption("shown");
        }
        other.Caption("after the view");  // must not reach the destroyed widget
        EXPECT_EQ(other.RedrawCount(), 2);
    }
}

}  // namespace
}  // namespace ravlet::gui
