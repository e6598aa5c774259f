#include "gui/StatusBarWidget.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "tools/ctlStatusBar.h"

namespace ravlet::gui {
namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 20;

QImage Shot(StatusBarWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colour each column is drawn in, as the mask the background is inverted with: in simple
// mode the percent bar inverts it; in steps mode the overall bar (0x666666) and the percent
// bar (0x999999) each invert their share. The bottom row lies below the caption's letters.
TEST(StatusBarWidget, TheBarsCoverTheirShareOfTheWidth) {
    constexpr QRgb kInv = 0xffffff, kPct = 0x999999;
    const struct {
        const char* what;
        int mode, steps, step, percent;
        std::vector<std::pair<int, QRgb>> columns;
    } rows[] = {{"simple half", 0, 0, 0, 50, {{10, kInv}, {99, kInv}, {100, 0}, {190, 0}}},
                {"simple over 100 % is full", 0, 0, 0, 150, {{kWidth - 1, kInv}}},
                {"simple below zero is none", 0, 0, 0, -5, {{0, 0}}},
                // overall 38 %: 76 pixels; percent 50 %: 100 pixels
                {"steps", 1, 4, 1, 50, {{10, kInv}, {75, kInv}, {76, kPct}, {99, kPct}, {100, 0}}},
                {"overall beyond the last step stays inside", 1, 4, 4, 100, {{kWidth - 1, kInv}}}};
    for (const auto& row : rows) {
        ctlStatusBar bar;
        StatusBarWidget view(bar);
        view.resize(kWidth, kHeight);
        bar.Mode(row.mode);
        bar.Steps(row.steps);
        bar.Step(row.step);
        bar.Percent(row.percent);
        const QImage shot = Shot(view);
        const QRgb background = view.palette().color(QPalette::Window).rgb() & 0xffffff;
        for (const auto& [x, mask] : row.columns)
            EXPECT_EQ(shot.pixel(x, kHeight - 1) & 0xffffff, background ^ mask)
                << row.what << " column " << x;
    }
}

// The widget draws the caption, and stops listening to the bar when it is destroyed.
TEST(StatusBarWidget, DrawsTheCaptionWhileItLives) {
    ctlStatusBar bar;
    {
        StatusBarWidget widget(bar);
        widget.resize(kWidth, kHeight);
        const QImage blank = Shot(widget);
        bar.Caption("Scanning href...");
        EXPECT_NE(Shot(widget), blank);
        bar.Caption("");
        EXPECT_EQ(Shot(widget), blank);
    }
    bar.Caption("after the view");  // must not reach the destroyed widget
    EXPECT_EQ(bar.RedrawCount(), 3);
}

// How bright a colour looks.
int Luminance(QRgb c) {
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

// How far the caption's most distinct pixel in the columns [from, to) stands out from the
// colour under it (the bottom row, below the letters).
int CaptionContrast(const QImage& image, int from, int to) {
    int best = 0;
    for (int x = from; x < to; ++x) {
        const int under = Luminance(image.pixel(x, image.height() - 1));
        for (int y = 0; y < image.height() - 1; ++y)
            best = std::max(best, std::abs(Luminance(image.pixel(x, y)) - under));
    }
    return best;
}

// A caption of capital letters over the whole width stays readable over each bar and beside
// them: in simple mode at 50 %, and in steps mode where the overall bar ends at 25 % and the
// percent bar at 50 %.
TEST(StatusBarDrawing, TheCaptionStandsOutOverEveryBar) {
    QFont font;
    font.setPixelSize(12);
    const QColor background(0xf0, 0xf0, 0xf0);
    for (int mode : {0, 1}) {
        ctlStatusBar bar;
        bar.Caption(std::string(60, 'M'));
        bar.Mode(mode);
        bar.Steps(2);
        bar.Step(0);
        bar.Percent(50);
        const QImage image =
            RenderStatusBar(bar, QSize(kWidth, kHeight), font, background, Qt::black);
        ASSERT_EQ(image.pixel(kWidth / 2 - 1, kHeight - 1) & 0xffffff,
                  (background.rgb() ^ (mode == 1 ? 0x999999u : 0xffffffu)) & 0xffffff)
            << "the percent bar reaches half the width";
        const int quarter = kWidth / 4;
        for (auto [from, to] :
             {std::pair{0, quarter}, std::pair{quarter, kWidth / 2}, std::pair{kWidth / 2, kWidth}})
            EXPECT_GE(CaptionContrast(image, from, to), 100)
                << "mode " << mode << " columns " << from << " to " << to;
    }
}

}  // namespace
}  // namespace ravlet::gui
