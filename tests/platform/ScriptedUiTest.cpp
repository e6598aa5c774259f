#include <gtest/gtest.h>

#include "platform/DoEvents.h"
#include "support/ScriptedUi.h"

namespace ravlet {

TEST(ScriptedUi, AnswersFromScriptThenSafely) {
    test::ScriptedUi ui;
    ui.answers.push_back(MsgAnswer::Yes);
    EXPECT_EQ(MsgBox("first?", MsgButtons::YesNo), MsgAnswer::Yes);
    EXPECT_EQ(MsgBox("second?", MsgButtons::YesNo), MsgAnswer::No);
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "second?");
}

TEST(ScriptedUi, DoEventsReachesEveryCallInTests) {
    test::ScriptedUi ui;
    for (int i = 0; i < 5; ++i) DoEvents();
    EXPECT_EQ(ui.serveCount, 5);
}

}  // namespace ravlet
