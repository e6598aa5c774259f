#include "net/ListFiles.h"

#include <gtest/gtest.h>

#include "links/LinkList.h"
#include "net/TextToList.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {
namespace {

TEST(ListFiles, SaveThenLoadRoundTrips) {
    test::TempHome home;
    test::ScriptedUi ui;
    const std::vector<std::string> list = {"http://a/1", "", "http://b/2 x"};
    ASSERT_TRUE(ListSaveFile(home.File("l.txt"), list));
    EXPECT_EQ(home.Read("l.txt"), "http://a/1\r\n\r\nhttp://b/2 x\r\n");
    std::vector<std::string> loaded = {"kept"};
    std::vector<int> percents;
    ASSERT_TRUE(ListLoadFile(home.File("l.txt"), loaded, [&](int p) { percents.push_back(p); }));
    EXPECT_EQ(loaded, (std::vector<std::string>{"kept", "http://a/1", "", "http://b/2 x"}));
    EXPECT_EQ(percents.back(), 100);
    EXPECT_FALSE(ui.busy());
}

TEST(ListFiles, LoadTakesAnyLineEnd) {
    test::TempHome home;
    home.Write("mixed", "a\nb\rc\r\nd");
    std::vector<std::string> loaded;
    ASSERT_TRUE(ListLoadFile(home.File("mixed"), loaded));
    EXPECT_EQ(loaded, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_FALSE(ListLoadFile(home.File("missing"), loaded));
    EXPECT_EQ(loaded.size(), 4u);
}

TEST(ListFiles, FailedSaveIsShownAndKeepsTheOldFile) {
    test::TempHome home;
    test::ScriptedUi ui;
    EXPECT_FALSE(ListSaveFile(home.File("no/such/folder/l.txt"), {"x"}));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].title, "Saving List");
    EXPECT_EQ(
        ui.messages[0].text.rfind("While saving the file, the following Error occured:\r\n\r\n", 0),
        0u);
    EXPECT_NE(ui.messages[0].text.find("\r\n\r\nThe Filename was:\r\n" +
                                       home.File("no/such/folder/l.txt")),
              std::string::npos);
}

TEST(ListFiles, ReadTextFileEndsEveryLine) {
    test::TempHome home;
    home.Write("t", "one\ntwo");
    EXPECT_EQ(ReadTextFile(home.File("t")), "one\r\ntwo\r\n");
    EXPECT_EQ(ReadTextFile(home.File("missing")), "");
}

TEST(TextToList, UniqueSkipsDuplicatesAndEmptyLines) {
    LinkList list;
    list.Add("http://a/1");
    TextToList(list, "HTTP://A/1\r\nhttp://b/2\r\n\r\nhttp://b/2 ", true);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"http://a/1", "http://b/2"}));
}

TEST(TextToList, PlainKeepsEveryLineAndTheEmptyLast) {
    LinkList list;
    TextToList(list, "x\r\ny\r\n", false);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"x", "y", ""}));
}

}  // namespace
}  // namespace ravlet
