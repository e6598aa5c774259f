#include "main/RowDrag.h"

#include <gtest/gtest.h>

#include "support/MainFixture.h"

namespace ravlet {

namespace {
using Rows = std::vector<std::string>;
}

// The row under the pointer counts rows of a height from the top visible row, within the list.
TEST(RowUnderPointerTable, CountsRowsFromTheTopVisibleRow) {
    const struct {
        long top;
        int y, height;
        std::size_t count;
        long row;
    } cases[] = {{0, 0, 16, 5, 0},    {0, 15, 16, 5, 0}, {0, 16, 16, 5, 1}, {10, 40, 16, 50, 12},
                 {0, 1000, 16, 5, 4}, {0, -5, 16, 5, 0}, {0, 30, 0, 5, 0},  {0, 30, 16, 0, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(RowUnderPointer(c.top, c.y, c.height, c.count), c.row) << c.top << " " << c.y << " " << c.height << " " << c.count;
}

TEST(RowDrag, MovesTheTextAndShiftsTheRowsBetween) {
    test::MainFixture f;
    f.Rows({"a", "b", "c", "d"}, {0});
    f.main->ListLinks_MouseDown(0);
    f.main->ListLinks_MouseMove(2);
    EXPECT_EQ(f.Rows(), (Rows{"b", "c", "a", "d"}));
    f.main->ListLinks_MouseMove(3);
    EXPECT_EQ(f.Rows(), (Rows{"b", "c", "d", "a"}));
    f.main->ListLinks_MouseMove(0);
    EXPECT_EQ(f.Rows(), (Rows{"a", "b", "c", "d"}));
    EXPECT_TRUE(f.main->ListLinks().Selected(0)) << "the selection marks stay where they are";
    f.main->ListLinks_MouseUp();
    EXPECT_FALSE(f.main->Dragging());
    f.main->ListLinks_MouseMove(2);
    EXPECT_EQ(f.Rows(), (Rows{"a", "b", "c", "d"})) << "no drag after the button is released";
}

TEST(RowDrag, IgnoresRowsOutsideTheList) {
    test::MainFixture f;
    f.Rows({"a", "b"});
    f.main->ListLinks_MouseDown(7);
    EXPECT_FALSE(f.main->Dragging());
    f.main->ListLinks_MouseDown(1);
    f.main->ListLinks_MouseMove(-1);
    EXPECT_EQ(f.Rows(), (Rows{"a", "b"}));
    MoveRowText(f.main->ListLinks(), 0, 9);
    EXPECT_EQ(f.Rows(), (Rows{"a", "b"}));
}

}  // namespace ravlet
