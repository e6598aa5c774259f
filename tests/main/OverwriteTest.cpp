#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "main/ConsoleOverwriteView.h"
#include "main/ExistingTarget.h"
#include "main/frmOverwrite.h"
#include "net/modFs.h"
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

// A button of the question: whether the path comes back (else the link is skipped) and the
// run rule afterwards.
TEST_F(Overwrite, AnswersDecide) {
    const struct {
        const char* what;
        int button;
        bool writes;
        int ruleAfter;
    } rows[] = {
        {"overwrite", Ow_Overwrite, true, Exists_OverwriteSmaller},
        {"skip", Ow_Skip, false, Exists_OverwriteSmaller},
        {"overwrite all", Ow_OverwriteAll, true, Exists_Overwrite},
        {"skip all", Ow_SkipAll, false, Exists_Skip},
        {"closed without a button skips", Ow_Closed, false, Exists_OverwriteSmaller},
    };
    const std::string path = Existing("a.txt");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        view.answers.push_back({row.button, path});
        int rule = Exists_OverwriteSmaller;
        EXPECT_EQ(form.Ask(path, rule), row.writes ? path : std::string());
        EXPECT_EQ(rule, row.ruleAfter);
        EXPECT_TRUE(FileExists(path));
    }
}

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

// The existing-file rule against what lies at the target ("" no file, "-" an empty file, else
// its content) and the announced size: asked or not, written or skipped.
TEST(ExistingRules, Decide) {
    const struct {
        const char* what;
        int rule;
        std::string existing;
        long long announced;
        bool asked;
        bool writes;
    } rows[] = {
        {"no file ask", Exists_Ask, "", 10, false, true},
        {"no file skip", Exists_Skip, "", 10, false, true},
        {"empty file ask", Exists_Ask, "-", 10, false, true},
        {"empty file skip", Exists_Skip, "-", 10, false, true},
        {"empty file smaller", Exists_OverwriteSmaller, "-", 0, false, true},
        {"ask", Exists_Ask, "12345", 10, true, false},
        {"overwrite", Exists_Overwrite, "12345", 10, false, true},
        {"skip", Exists_Skip, "12345", 10, false, false},
        {"smaller file is replaced", Exists_OverwriteSmaller, "12345", 6, false, true},
        {"same size is skipped", Exists_OverwriteSmaller, "12345", 5, false, false},
        {"longer file asks", Exists_OverwriteSmaller, "12345", 4, true, false},
        {"unknown size asks", Exists_OverwriteSmaller, "12345", 0, true, false},
        {"unknown rule asks", 7, "12345", 10, true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
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
}

// The terminal's question: what is typed, on a terminal or not, gives the button and the name.
TEST(ConsoleOverwriteRows, Answers) {
    const struct {
        const char* what;
        std::string typed;
        bool interactive;
        int button;
        std::string name = "/d/a.txt";
    } rows[] = {
        {"overwrite", "o\n", true, Ow_Overwrite},
        {"capital letter", "S\n", true, Ow_Skip},
        {"unknown letters ask again", "x\n\n  a\n", true, Ow_OverwriteAll},
        {"rename with a name", "r\n/d/b.txt\n", true, Ow_Rename, "/d/b.txt"},
        {"rename keeps the name on enter", "r\n\n", true, Ow_Rename},
        {"end of input is a closed window", "", true, Ow_Closed},
        {"retry", "t\n", true, Ow_Retry},
        {"skip all", "l\n", true, Ow_SkipAll},
        {"no terminal reads nothing", "o\n", false, Ow_Closed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        std::istringstream in(row.typed);
        std::ostringstream out;
        ConsoleOverwriteView view(in, out, row.interactive);
        frmOverwrite form(view);
        const OverwriteAnswer a =
            view.Show({"Overwrite 'a.txt' ?", "A File already exists. What to do ?",
                       "Current:\r\n3 bytes\r\nNew:\r\nunknown", "/d/a.txt"},
                      form);
        EXPECT_EQ(a.button, row.button);
        EXPECT_EQ(a.name, row.name);
        EXPECT_NE(out.str().find("Overwrite 'a.txt' ?\nA File already exists. What to do ?\n"
                                 "Current: 3 bytes New: unknown\n"),
                  std::string::npos)
            << out.str();
    }
}

}  // namespace
}  // namespace ravlet
