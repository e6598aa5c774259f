#include "net/TextToList.h"

#include <gtest/gtest.h>

#include "links/LinkList.h"

namespace ravlet {
namespace {

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
