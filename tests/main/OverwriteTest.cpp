#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "main/ExistingTarget.h"
#include "main/frmOverwrite.h"
#include "net/modFs.h"
#include "support/RowName.h"
#include "support/ScriptedOverwrite.h"
#include "support/TempHome.h"

namespace ravlet {
namespace {

using test::ScriptedOverwrite;

class Overwrite : public ::testing::Test {
  protected:
    std::string Existing(const std::string& name, const std::string& bytes = "old") {
        home.Write(name, bytes);
        return home.File(name);
    }
    test::TempHome home;
    ScriptedOverwrite view;
    frmOverwrite form{view};
    int runRule = Exists_Ask;
};

TEST_F(Overwrite, QuestionShowsNameCaptionAndCaretBeforeTheLastDot) {
    const std::string path = Existing("pic.tar.gz");
    form.InfoLbl("info");
    const OverwriteQuestion q = form.Question(path);
    EXPECT_EQ(q.caption, "Overwrite 'pic.tar.gz' ?");
    EXPECT_EQ(q.prompt, "A File already exists. What to do ?");
    EXPECT_EQ(q.info, "info");
    EXPECT_EQ(q.name, path);
    EXPECT_EQ(q.caret, path.size() - 3);
    EXPECT_EQ(form.Question("/tmp/noext").caret, std::string("/tmp/noext").size());
}

TEST_F(Overwrite, RenameToAFreeNameReturnsIt) {
    const std::string path = Existing("a.txt");
    view.answers.push_back({Ow_Rename, home.File("b.txt")});
    EXPECT_EQ(form.Ask(path, runRule), home.File("b.txt"));
    EXPECT_EQ(view.shown.size(), 1u);
}

TEST_F(Overwrite, RenameToAnotherExistingFileAsksAgainAboutThatOne) {
    const std::string path = Existing("a.txt");
    const std::string other = Existing("b.txt");
    view.answers.push_back({Ow_Rename, other});
    view.answers.push_back({Ow_Skip, other});
    EXPECT_EQ(form.Ask(path, runRule), "");
    ASSERT_EQ(view.shown.size(), 2u);
    EXPECT_EQ(view.shown[1].name, other);
    EXPECT_EQ(view.shown[1].caption, "Overwrite 'b.txt' ?");
}

TEST_F(Overwrite, RetryAsksAgainWhileTheFileIsThere) {
    const std::string path = Existing("a.txt");
    view.answers.push_back({Ow_Retry, path});
    view.answers.push_back({Ow_Retry, path});
    // Someone removes the file while the second question is open.
    view.during = [&](frmOverwrite&) {
        if (view.shown.size() == 2) std::remove(path.c_str());
    };
    EXPECT_EQ(form.Ask(path, runRule), path);
    EXPECT_EQ(view.shown.size(), 2u);
}

struct AnswerRow {
    const char* what;
    int button;
    bool writes;    // the path comes back, else the link is skipped
    int ruleAfter;  // the run rule afterwards
};

class OverwriteAnswers : public ::testing::TestWithParam<AnswerRow> {};

TEST_P(OverwriteAnswers, Decide) {
    test::TempHome home;
    home.Write("a.txt", "old");
    ScriptedOverwrite view;
    frmOverwrite form(view);
    view.answers.push_back({GetParam().button, home.File("a.txt")});
    int runRule = Exists_OverwriteSmaller;
    EXPECT_EQ(form.Ask(home.File("a.txt"), runRule),
              GetParam().writes ? home.File("a.txt") : std::string());
    EXPECT_EQ(runRule, GetParam().ruleAfter);
    EXPECT_TRUE(FileExists(home.File("a.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OverwriteAnswers,
    ::testing::Values(AnswerRow{"overwrite", Ow_Overwrite, true, Exists_OverwriteSmaller},
                      AnswerRow{"skip", Ow_Skip, false, Exists_OverwriteSmaller},
                      AnswerRow{"overwrite all", Ow_OverwriteAll, true, Exists_Overwrite},
                      AnswerRow{"skip all", Ow_SkipAll, false, Exists_Skip},
                      AnswerRow{"closed without a button skips", Ow_Closed, false,
                                Exists_OverwriteSmaller}),
    test::RowName{});

TEST(OverwriteKeys, EnterRenamesEscapeSkips) {
    EXPECT_EQ(frmOverwrite::ButtonOfKey({Key_Enter}), Ow_Rename);
    EXPECT_EQ(frmOverwrite::ButtonOfKey({Key_Escape}), Ow_Skip);
    EXPECT_EQ(frmOverwrite::ButtonOfKey({'A'}), Ow_Closed);
    KeyPress shifted{Key_Enter};
    shifted.shift = true;
    EXPECT_EQ(frmOverwrite::ButtonOfKey(shifted), Ow_Closed);
    EXPECT_STREQ(kOverwriteButtonCaptions[Ow_Rename], "&Rename ENTER");
    EXPECT_STREQ(kOverwriteButtonCaptions[Ow_Skip], "&Skip ESC");
}

TEST_F(Overwrite, NamingButtonsReachTheirActionsWhileTheQuestionIsOpen) {
    std::vector<std::string> done;
    form.OnChooseFolder = [&] { done.push_back("folder"); };
    form.OnNamingMenu = [&] { done.push_back("menu"); };
    view.during = [](frmOverwrite& f) {
        f.cCmdNaming_Click(1);
        f.cCmdNaming_Click(0);
        f.cCmdNaming_Click(2);
    };
    const std::string path = Existing("a.txt");
    form.Ask(path, runRule);
    EXPECT_EQ(done, (std::vector<std::string>{"menu", "folder"}));
}

TEST(OverwriteInfo, Texts) {
    EXPECT_EQ(OverwriteInfoText(10, 2000), "Current:\r\n10 bytes\r\nNew:\r\n2000 bytes");
    EXPECT_EQ(OverwriteInfoText(10, 0), "Current:\r\n10 bytes\r\nNew:\r\nunknown");
}

struct ExistsRow {
    const char* what;
    int rule;
    std::string existing;  // "" no file; "-" an empty file; else the file's content
    long long announced;
    bool asked;
    bool writes;
};

class ExistingRules : public ::testing::TestWithParam<ExistsRow> {};

TEST_P(ExistingRules, Decide) {
    const ExistsRow& row = GetParam();
    test::TempHome home;
    if (!row.existing.empty()) home.Write("f.bin", row.existing == "-" ? "" : row.existing);
    ScriptedOverwrite view;
    view.answers.push_back({Ow_Skip, ""});
    frmOverwrite form(view);
    int runRule = row.rule;
    const std::string path = home.File("f.bin");
    EXPECT_EQ(ExistingTarget(path, runRule, row.announced, form),
              row.writes ? path : std::string());
    EXPECT_EQ(view.shown.size(), row.asked ? 1u : 0u);
    EXPECT_EQ(runRule, row.rule);
    // Nothing is removed before the new content is complete.
    if (!row.existing.empty() && row.existing != "-") {
        EXPECT_TRUE(FileExists(path));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExistingRules,
    ::testing::Values(
        ExistsRow{"no file ask", Exists_Ask, "", 10, false, true},
        ExistsRow{"no file skip", Exists_Skip, "", 10, false, true},
        ExistsRow{"empty file ask", Exists_Ask, "-", 10, false, true},
        ExistsRow{"empty file skip", Exists_Skip, "-", 10, false, true},
        ExistsRow{"empty file smaller", Exists_OverwriteSmaller, "-", 0, false, true},
        ExistsRow{"ask", Exists_Ask, "12345", 10, true, false},
        ExistsRow{"overwrite", Exists_Overwrite, "12345", 10, false, true},
        ExistsRow{"skip", Exists_Skip, "12345", 10, false, false},
        ExistsRow{"smaller file is replaced", Exists_OverwriteSmaller, "12345", 6, false, true},
        ExistsRow{"same size is skipped", Exists_OverwriteSmaller, "12345", 5, false, false},
        ExistsRow{"longer file asks", Exists_OverwriteSmaller, "12345", 4, true, false},
        ExistsRow{"unknown size asks", Exists_OverwriteSmaller, "12345", 0, true, false},
        ExistsRow{"unknown rule asks", 7, "12345", 10, true, false}),
    test::RowName{});

}  // namespace
}  // namespace ravlet
