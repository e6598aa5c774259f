#include <gtest/gtest.h>

#include "scanner/ScanList.h"

namespace ravlet {

using Rows = std::vector<std::string>;

TEST(ScanList, RowsKeepTheirOrderAndLevels) {
    ScanList list;
    list.Add("b.html", 1);
    list.AddFront("a.jpg", 2);
    list.Add("c/", 3);
    EXPECT_EQ(list.Items(), (Rows{"a.jpg", "b.html", "c/"}));
    EXPECT_EQ(list.Level(0), 2);
    EXPECT_EQ(list.Level(2), 3);
    list.RemoveFirst();
    EXPECT_EQ(list.At(0), "b.html");
    list.SetAllLevels(0);
    EXPECT_EQ(list.Level(1), 0);
}

TEST(ScanList, MembershipIgnoresCaseAndFollowsRemovals) {
    ScanList list;
    list.Add("http://H/A.html");
    list.Add("http://h/a.HTML");  // a second row of the same text
    list.Add("http://h/b.html");
    EXPECT_TRUE(list.Contains("HTTP://h/a.html"));
    EXPECT_FALSE(list.Contains("http://h/a.htm")) << "the whole text, not its beginning";
    list.RemoveFirst();
    EXPECT_TRUE(list.Contains("http://h/a.html")) << "the other row still holds it";
    list.RemoveFirst();
    EXPECT_FALSE(list.Contains("http://h/a.html"));
    list.RemoveFirst();
    list.RemoveFirst();  // an empty list stays empty
    EXPECT_TRUE(list.Empty());
    list.Add("x");
    list.Clear();
    EXPECT_FALSE(list.Contains("x"));
}

}  // namespace ravlet
