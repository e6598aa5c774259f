#include "links/LinkList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ravlet {
namespace {

TEST(AddLinkUnique, ListsEachTextOnceAndAnswersWhetherItAppended) {
    struct Row {
        const char* what;
        std::vector<std::string> added, listed;
    };
    const Row rows[] = {
        {"in order", {"b.html", "a.html"}, {"b.html", "a.html"}},
        {"blanks trimmed", {"  a.html  "}, {"a.html"}},
        {"blank only dropped", {"   ", ""}, {}},
        {"other case is a duplicate", {"A.HTML", "a.html"}, {"A.HTML"}},
        {"duplicate after trimming", {"a.html", " a.html "}, {"a.html"}},
        {"first place kept", {"x", "y", "X", "z"}, {"x", "y", "z"}},
        {"tabs are not blanks", {"\ta"}, {"\ta"}},
        {"inner blanks kept", {"a b", "a  b"}, {"a b", "a  b"}},
        {"bytes above ASCII compared exactly",
         {"\xc3\x89t\xc3\xa9", "\xc3\xa9t\xc3\xa9"},
         {"\xc3\x89t\xc3\xa9", "\xc3\xa9t\xc3\xa9"}},
        {"NUL bytes are part of the text",
         {std::string("a\0b", 3), "a"},
         {std::string("a\0b", 3), "a"}},
    };
    for (const Row& r : rows) {
        LinkList list;
        for (const std::string& text : r.added) {
            const std::size_t before = list.Count();
            const bool appended = AddLinkUnique(list, text);
            EXPECT_EQ(appended, list.Count() == before + 1) << r.what;
        }
        EXPECT_EQ(list.Items(), r.listed) << r.what;
    }
}

TEST(AddLinkUnique, HundredThousandLinksAndTheirCapitalsGiveHundredThousandRows) {
    LinkList list;
    for (int i = 0; i < 100000; ++i) AddLinkUnique(list, "http://host/p" + std::to_string(i));
    for (int i = 0; i < 100000; ++i) AddLinkUnique(list, "HTTP://HOST/P" + std::to_string(i));
    ASSERT_EQ(list.Count(), 100000u);
    EXPECT_EQ(list.At(99999), "http://host/p99999");
    EXPECT_EQ(list.Find("Http://Host/P5"), 5);
}

TEST(LinkList, MembershipFollowsEveryChange) {
    LinkList list;
    list.Add("a");
    list.Add("A");  // Add keeps duplicates, as a list file may hold them
    list.Add("b");
    list.Remove(0);
    EXPECT_TRUE(list.Contains("a"));  // the second copy still holds it
    list.Remove(0);
    EXPECT_FALSE(list.Contains("a"));
    list.Set(0, "c");
    EXPECT_FALSE(list.Contains("b"));
    EXPECT_TRUE(list.Contains("C"));
    list.Insert(0, "d");
    EXPECT_EQ(list.Find("D"), 0);
    EXPECT_EQ(list.Find("c"), 1);
    list.Assign({"x", "y", "v"});
    // Changed again before any question: the index is built from what the rows are then.
    list.Set(2, "u");
    list.Add("w");
    list.Remove(3);
    EXPECT_FALSE(list.Contains("c"));
    EXPECT_FALSE(list.Contains("v"));
    EXPECT_FALSE(list.Contains("w"));
    EXPECT_TRUE(list.Contains("Y"));
    EXPECT_TRUE(list.Contains("U"));
    list.Assign({"one", "Two", "two"});
    EXPECT_EQ(list.Find("TWO"), 1);  // the first of the rows equal but for case
    EXPECT_EQ(list.Find("tw"), -1);
    list.Clear();
    EXPECT_FALSE(list.Contains("x"));
    EXPECT_EQ(list.Find("x"), -1);
}

TEST(LinkList, TheCurrentRowFollowsRemovesAndInserts) {
    LinkList list;
    list.Assign({"a", "b", "c", "d"});
    list.Current(2);
    const auto current = [&list] { return list.At(static_cast<std::size_t>(list.Current())); };
    list.Remove(0);  // a row above: the current row keeps its text
    EXPECT_EQ(current(), "c");
    list.Insert(0, "z");
    EXPECT_EQ(current(), "c");
    list.Remove(2);  // the current row: the next one takes its place
    EXPECT_EQ(list.Current(), 2);
    EXPECT_EQ(current(), "d");
    list.Remove(2);  // the current and last row: the new last one
    EXPECT_EQ(list.Current(), 1);
    const long version = list.Version();
    list.Remove(5);  // a row that is gone is skipped
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.Version(), version);
    list.Remove(0);
    list.Remove(0);
    EXPECT_EQ(list.Current(), -1);
}

TEST(LinkList, SelectionMovesWithItsRows) {
    LinkList list;
    list.Assign({"a", "b", "c", "d"});
    list.Select(1, true);
    list.Select(3, true);
    EXPECT_EQ(list.SelectedCount(), 2u);
    list.Remove(0);
    EXPECT_TRUE(list.Selected(0));  // "b"
    EXPECT_FALSE(list.Selected(1));
    EXPECT_TRUE(list.Selected(2));  // "d"
    list.Insert(0, "new");
    EXPECT_FALSE(list.Selected(0));
    EXPECT_TRUE(list.Selected(1));
    list.SelectAll(true);
    EXPECT_EQ(list.SelectedCount(), 4u);
    list.Current(1);
    list.Assign({"c", "d", "e"});  // a new list: nothing selected, no current row
    EXPECT_EQ(list.SelectedCount(), 0u);
    EXPECT_EQ(list.Current(), -1);
    list.SelectAll(true);
    list.SelectAll(false);
    EXPECT_EQ(list.SelectedCount(), 0u);
}

}  // namespace
}  // namespace ravlet
