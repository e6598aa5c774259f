#include "gui/LinkListView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <tuple>

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

TEST(LinkListView, CtrlClickInASortedViewTogglesItsListRowAmongThousandsOfRanges) {
    test::MainFixture f;
    std::vector<std::string> rows;
    for (int i = 0; i < 2400; ++i) rows.push_back("p" + std::to_string(10000 + i));
    std::vector<std::size_t> every2nd;
    for (std::size_t i = 0; i < rows.size(); i += 2) every2nd.push_back(i);
    f.Rows(rows, every2nd);
    LinkListView view(*f.main);
    view.resize(480, 320);
    view.show();
    view.Sync();
    view.HeaderClicked(Col_Link);
    view.HeaderClicked(Col_Link);  // descending: the view's first row is the list's last
    ASSERT_GT(view.selectionModel()->selection().size(), 1000);
    const LinkList& list = f.main->ListLinks();
    auto ctrlClick = [&](int viewRow) {
        const QPoint at = view.visualRect(view.model()->index(viewRow, 0)).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, view.viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::ControlModifier);
            QApplication::sendEvent(view.viewport(), &e);
        }
    };
    using Click = std::tuple<int, std::size_t, bool>;  // the view's row, the list's, selected
    for (const auto& [viewRow, listRow, selected] :
         {Click{0, 2399, true}, Click{1, 2398, false}, Click{0, 2399, false}}) {
        ctrlClick(viewRow);
        EXPECT_EQ(list.Selected(listRow), selected) << viewRow;
        EXPECT_EQ(view.selectionModel()->isSelected(view.model()->index(viewRow, 0)), selected)
            << viewRow;
    }
    EXPECT_EQ(list.SelectedCount(), 1199u);
}

}  // namespace ravlet::gui
