#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filters/RefineRows.h"

namespace ravlet {

TEST(RefineRows, RowsReadAsIfChangedInPlace) {
    RefineRows rows({"A", "b", "c", "a", "d"}, {1, 0, 1, 0, 1});
    EXPECT_EQ(rows.Count(), 5u);
    EXPECT_EQ(rows.CountOf("a"), 2u);
    rows.Replace("x");  // A -> x
    rows.Remove();      // b
    EXPECT_EQ(rows.CurrentIndex(), 1u);
    EXPECT_EQ(rows.Current(), "c");
    EXPECT_EQ(rows.Count(), 4u);
    const std::vector<std::string> now = {"x", "c", "a", "d"};
    for (std::size_t i = 0; i < now.size(); ++i) EXPECT_EQ(rows.At(i), now[i]) << i;
    EXPECT_EQ(rows.CountOf("A"), 1u);
    EXPECT_EQ(rows.CountOf("X"), 1u);
    EXPECT_EQ(rows.CountOf("b"), 0u);
    rows.Keep();
    rows.Replace("X");
    EXPECT_EQ(rows.CountOf("x"), 2u);
    EXPECT_EQ(rows.CountOf("a"), 0u);
    EXPECT_FALSE(rows.Finished());

    // Taken before the end: the rows not reached follow unchanged.
    std::vector<std::string> out;
    std::vector<char> selected;
    rows.Take(out, selected);
    EXPECT_EQ(out, (std::vector<std::string>{"x", "c", "X", "d"}));
    EXPECT_EQ(selected, (std::vector<char>{1, 1, 0, 1}));
}

TEST(RefineRows, CountsAreKeptAfterTheFirstQuestion) {
    RefineRows rows({"a", "a", "b"});
    rows.Remove();
    EXPECT_EQ(rows.CountOf("a"), 1u);  // counted now, from the rows as they stand
    rows.Replace("b");
    EXPECT_EQ(rows.CountOf("a"), 0u);
    EXPECT_EQ(rows.CountOf("B"), 2u);
    rows.Remove();
    EXPECT_TRUE(rows.Finished());
    EXPECT_EQ(rows.Count(), 1u);
    EXPECT_EQ(rows.CountOf("b"), 1u);
}

}  // namespace ravlet
