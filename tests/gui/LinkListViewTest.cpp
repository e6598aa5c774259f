#include "gui/LinkListView.h"

#include <gtest/gtest.h>

#include <QImage>

#include "main/frmMain.h"
#include "support/MainFixture.h"

namespace ravlet::gui {

namespace {

// Pixels of the viewport's middle band that are not the list's background: rows sit at the
// top, so only the empty list's hint draws there.
int InkInTheMiddle(LinkListView& view) {
    const QImage image = view.viewport()->grab().toImage();
    const QRgb base = view.palette().color(QPalette::Base).rgb();
    int ink = 0;
    for (int y = image.height() / 3; y < 2 * image.height() / 3; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != base) ++ink;
    return ink;
}

}  // namespace

TEST(LinkListView, TheEmptyListShowsAHintThatGoesWithTheFirstRow) {
    test::MainFixture f;
    LinkListView view(*f.main);
    view.resize(480, 320);
    EXPECT_GT(InkInTheMiddle(view), 50);
    f.main->doTextParse("<a href=one.html>1</a>");
    view.Sync();
    EXPECT_EQ(InkInTheMiddle(view), 0);
    f.main->ListLinks().Clear();
    view.Sync();
    EXPECT_GT(InkInTheMiddle(view), 50);
}

}  // namespace ravlet::gui
