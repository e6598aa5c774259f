// The filename generator: ranges, padding, new list and add mode, State 9, Stop, and the
// question before a huge run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/MainFilerHost.h"
#include "support/Joined.h"
#include "support/MainFixture.h"
#include "support/RowName.h"
#include "tools/FilerRange.h"
#include "tools/frmFiler.h"

namespace ravlet {
namespace {

using Rows = std::vector<std::string>;

struct RangeRow {
    const char* what;
    std::string text;
    bool ok;
    std::int64_t first, last;
    int width;
};

class FilerRanges : public ::testing::TestWithParam<RangeRow> {};

TEST_P(FilerRanges, SplitAtTheFirstDash) {
    const FilerRange r = ParseFilerRange(GetParam().text);
    EXPECT_EQ(r.ok, GetParam().ok);
    if (!r.ok) return;
    EXPECT_EQ(r.first, GetParam().first);
    EXPECT_EQ(r.last, GetParam().last);
    EXPECT_EQ(r.width, GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FilerRanges,
    ::testing::Values(
        RangeRow{"plain", "0-999", true, 0, 999, 3},
        RangeRow{"width of the longer end", "8-12", true, 8, 12, 2},
        RangeRow{"width of the start when longer", "1000-5", true, 1000, 5, 4},
        RangeRow{"blanks trimmed", "  3 -  7 ", true, 3, 7, 1},
        RangeRow{"empty text", "", false, 0, 0, 0}, RangeRow{"no dash", "5", false, 0, 0, 0},
        RangeRow{"a dash alone", "-", true, 0, 0, 1}, RangeRow{"no end", "5-", true, 5, 0, 1},
        RangeRow{"the first dash splits", "-5-10", true, 0, 5, 1},
        RangeRow{"letters read as zero", "a-b", true, 0, 0, 1},
        RangeRow{"leading numbers only", "12abc-3x4", true, 12, 3, 2},
        RangeRow{"rounded half to even", "1.5-2.5", true, 2, 2, 1},
        RangeRow{"rounded up", "0.6-9.7", true, 1, 10, 2},
        RangeRow{"no exponent", "1-1e30", true, 1, 1, 1},
        RangeRow{"leading zeros", "007-0010", true, 7, 10, 2},
        RangeRow{"a negative end", "5--3", true, 5, -3, 2},
        RangeRow{"eighteen digits", "0-999999999999999999", true, 0, 999999999999999999, 18},
        RangeRow{"too many digits", "999999999999999999999-1", false, 0, 0, 0}),
    test::RowName());

TEST(FilerNumbers, PaddedToTheWidthWithFormat) {
    EXPECT_EQ(FilerNumber(7, 3, true), "007");
    EXPECT_EQ(FilerNumber(7, 3, false), "7");
    EXPECT_EQ(FilerNumber(123, 3, true), "123");
    EXPECT_EQ(FilerNumber(1234, 3, true), "234") << "the last W characters";
    EXPECT_EQ(FilerNumber(-3, 2, true), "-3");
}

struct FilerScene {
    FilerScene() {
        filer.txtDef[0] = "http://h/img";
        filer.txtDef[1] = ".jpg";
        f.main->FilerWindowOpen(true);
    }
    test::MainFixture f;
    MainFilerHost host{*f.main};
    frmFiler filer{host};
};

struct GenerateRow {
    const char* what;
    std::string range;
    bool format;
    bool add;
    int where;                  // 0 front, 1 end
    std::string before, after;  // the rows, separated by blanks
};

class FilerRuns : public ::testing::TestWithParam<GenerateRow> {};

TEST_P(FilerRuns, FillOrNumberTheList) {
    const GenerateRow& row = GetParam();
    FilerScene s;
    s.filer.txtDef[0] = "s";
    s.filer.txtDef[1] = "e";
    s.filer.txtRange = row.range;
    s.filer.txtRangeTrail = row.format;
    s.filer.chkAdd = row.add;
    s.filer.chkAddOpt = row.where;
    s.f.Rows(test::Split(row.before, ' '));
    s.filer.cApply_Click(0);
    EXPECT_EQ(s.f.Rows(), test::Split(row.after, ' '));
    EXPECT_TRUE(s.f.ui.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FilerRuns,
    ::testing::Values(GenerateRow{"width two with format", "8-12", true, false, 0, "old",
                                  "s08e s09e s10e s11e s12e"},
                      GenerateRow{"no format", "8-10", false, false, 0, "", "s8e s9e s10e"},
                      GenerateRow{"duplicates appended too", "1-1", false, false, 0, "s1e", "s1e"},
                      GenerateRow{"an empty range still clears", "5-", false, false, 0, "old", ""},
                      GenerateRow{"letters give the single number 0", "a-b", false, false, 0, "",
                                  "s0e"},
                      GenerateRow{"add at the end ignores the end of the range", "5-100", false,
                                  true, 1, "a b c", "as5e bs6e cs7e"},
                      GenerateRow{"add in front with the width of the range", "5-100", true, true,
                                  0, "a b c", "s005ea s006eb s007ec"},
                      GenerateRow{"add to an empty list", "1-9", false, true, 0, "", ""}),
    test::RowName());

TEST(Filer, ZeroToNineHundredNinetyNineWithAndWithoutFormat) {
    FilerScene s;
    s.filer.txtRangeTrail = true;
    s.filer.cApply_Click(0);
    ASSERT_EQ(s.f.Rows().size(), 1000u);
    EXPECT_EQ(s.f.Rows().front(), "http://h/img000.jpg");
    EXPECT_EQ(s.f.Rows().back(), "http://h/img999.jpg");
    s.filer.txtRangeTrail = false;
    s.filer.cApply_Click(0);
    EXPECT_EQ(s.f.Rows().front(), "http://h/img0.jpg");
    EXPECT_EQ(s.f.Rows()[10], "http://h/img10.jpg");
}

TEST(Filer, RunsInStateNineAndGivesTheStateBack) {
    FilerScene s;
    s.f.main->State(2);
    s.filer.txtRange = "1-4";
    std::vector<int> states;
    std::vector<int> percents;
    std::vector<bool> clearEnabled, buttonsEnabled;
    std::string caption;
    s.f.ui.onServeEvents = [&] {
        states.push_back(s.f.main->State());
        percents.push_back(s.f.main->StatusBar.Percent());
        clearEnabled.push_back(s.filer.ApplyEnabled(1));
        buttonsEnabled.push_back(s.f.main->Controls().filerButtons);
        caption = s.filer.ApplyCaption();
        EXPECT_FALSE(s.filer.InputsEnabled());
        EXPECT_EQ(s.f.main->StatusBar.Caption(), "Generate Filenames...");
        EXPECT_TRUE(s.f.ui.busy());
    };
    s.filer.cApply_Click(0);
    EXPECT_EQ(states, (std::vector<int>{9, 9, 9, 9}));
    EXPECT_EQ(percents, (std::vector<int>{25, 50, 75, 100}));
    EXPECT_EQ(clearEnabled, (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(buttonsEnabled, (std::vector<bool>{true, true, true, true}));
    EXPECT_EQ(caption, "&Stop");
    EXPECT_EQ(s.f.main->State(), 2);
    EXPECT_EQ(s.filer.ApplyCaption(), "&Generate");
    EXPECT_TRUE(s.filer.InputsEnabled());
    EXPECT_TRUE(s.filer.ApplyEnabled(1));
    EXPECT_FALSE(s.f.ui.busy());
}

TEST(Filer, StopEndsTheRunAfterTheCurrentRow) {
    FilerScene s;
    s.filer.txtRange = "1-100";
    int served = 0;
    s.f.ui.onServeEvents = [&] {
        if (++served == 3) s.filer.cApply_Click(0);
    };
    s.filer.cApply_Click(0);
    EXPECT_EQ(s.f.Rows().size(), 3u);
    EXPECT_EQ(s.filer.RunState(), 0);
    EXPECT_EQ(s.f.main->State(), 0);
}

TEST(Filer, ARangeWithoutDashChangesNothing) {
    FilerScene s;
    s.f.Rows({"keep"});
    s.f.main->State(2);
    for (const char* range : {"", "12", "999999999999999999999-1"}) {
        s.f.ui.messages.clear();
        s.filer.txtRange = range;
        s.filer.cApply_Click(0);
        ASSERT_EQ(s.f.ui.messages.size(), 1u) << range;
        EXPECT_EQ(s.f.ui.messages[0].title, "Filename Generator");
        EXPECT_EQ(s.f.ui.messages[0].text, std::string(range).size() > 5
                                               ? "Number too large in Range (at most 18 digits)"
                                               : "Syntax Error in Range");
    }
    EXPECT_EQ(s.f.Rows(), Rows{"keep"});
    EXPECT_EQ(s.f.main->State(), 2);
    EXPECT_EQ(s.filer.ApplyCaption(), "&Generate");
}

TEST(Filer, MoreThanAMillionNamesAreAskedFor) {
    FilerScene s;
    s.f.Rows({"keep"});
    s.filer.txtRange = "0-999999999";
    s.filer.cApply_Click(0);  // the scripted answer to Yes/No is No
    ASSERT_EQ(s.f.ui.messages.size(), 1u);
    EXPECT_EQ(s.f.ui.messages[0].text, "This generates 1000000000 names. Go on?");
    EXPECT_EQ(s.f.ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(s.f.Rows(), Rows{"keep"}) << "No changes nothing";

    s.f.ui.answers.push_back(MsgAnswer::Yes);
    int served = 0;
    s.f.ui.onServeEvents = [&] {
        if (++served == 2) s.filer.cApply_Click(0);
    };
    s.filer.cApply_Click(0);
    EXPECT_EQ(s.f.Rows(), (Rows{"http://h/img0.jpg", "http://h/img1.jpg"}));

    s.f.ui.messages.clear();
    s.filer.txtRange = "1-1000000";
    s.f.ui.onServeEvents = [&] { s.filer.cApply_Click(0); };
    s.filer.cApply_Click(0);
    EXPECT_TRUE(s.f.ui.messages.empty()) << "a million is not asked for";
}

TEST(Filer, ClearOnlyWhenTheListIsFree) {
    FilerScene s;
    for (int state = 0; state <= 9; ++state) {
        s.f.Rows({"a"});
        s.f.main->State(state);
        s.filer.cApply_Click(1);
        EXPECT_EQ(s.f.Rows().empty(), state == 0 || state == 2) << state;
        EXPECT_EQ(s.f.main->Controls().filerButtons, state == 0 || state == 2 || state == 9)
            << state;
    }
    s.f.main->FilerWindowOpen(false);
    EXPECT_FALSE(s.f.main->Controls().filerButtons);
}

}  // namespace
}  // namespace ravlet
