#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Settings.h"
#include "filters/PadFile.h"
#include "filters/Refiner.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {

namespace {

class FakeMain : public RefinerHost {
  public:
    LinkList& ListLinks() override { return list; }
    int State() const override { return state; }
    void State(int s) override {
        state = s;
        states.push_back(s);
    }
    ctlStatusBar& StatusBar() override { return status; }
    void ListLinksEnabled(bool on) override { enabledCalls.push_back(on); }
    void ListLinksVisible(bool on) override { visibleCalls.push_back(on); }
    void SetResetList() override {
        ++resetListCalls;
        if (refiner) refiner->SetResetList(list.Items());
    }
    void RvCommand(int code) override { commands.push_back(code); }
    int MainHeight() const override { return 4321; }

    LinkList list;
    int state = kStateListReady;
    std::vector<int> states;
    ctlStatusBar status;
    std::vector<bool> enabledCalls;
    std::vector<bool> visibleCalls;
    int resetListCalls = 0;
    std::vector<int> commands;
    Refiner* refiner = nullptr;
};

class RefinerTest : public ::testing::Test {
  protected:
    RefinerTest() : refiner(host) { host.refiner = &refiner; }
    void SetUp() override { SettingsSetDefaults(AppSettings()); }

    void Rows(const std::vector<std::string>& rows) {
        host.list.Assign(rows);
        host.SetResetList();
    }
    FilterGen& AddCleanup(int opts) {
        const int e = refiner.Pad().AddFilter("Cleanup");
        refiner.Pad().FilterAt(e)->cleanup.opts = opts;
        return *refiner.Pad().FilterAt(e);
    }

    test::ScriptedUi ui;
    FakeMain host;
    Refiner refiner;
};

}  // namespace

TEST_F(RefinerTest, FiltersRunInPadOrder) {
    Rows({"a#1", "a#2", "b"});
    AddCleanup(kCleanupCutAnchor);
    AddCleanup(kCleanupDoubles);
    refiner.RvCommands_FC(FC_Apply);
    EXPECT_EQ(host.list.Items(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(host.state, kStateIdle);
    EXPECT_EQ(host.states.front(), kStateFiltering);
    EXPECT_EQ(host.status.Steps(), 2);
    EXPECT_EQ(host.status.Step(), 1);
    EXPECT_EQ(host.status.Caption(), "Cleanup done.");
    EXPECT_EQ(host.status.Percent(), 100);
    EXPECT_EQ(host.enabledCalls, (std::vector<bool>{false, true}));
}

TEST_F(RefinerTest, DisabledGroupsSwitchTheirFiltersOff) {
    Rows({"/a#x", "/b"});
    Glist& list = refiner.Pad().List();
    list.EntryIndex(refiner.Pad().AddGroup());
    list.EntryAddInto("inside", nullptr);  // a nested group, enabled below
    list.EntryData(2, "enabled", true);
    AddCleanup(kCleanupCutAnchor);
    ASSERT_EQ(list.Entry(3)->level, 1);
    list.EntryData(1, "enabled", false);
    refiner.ApplyAll();
    EXPECT_EQ(host.list.Items(), (std::vector<std::string>{"/a#x", "/b"}));

    list.EntryData(1, "enabled", true);
    refiner.ApplyAll();
    EXPECT_EQ(host.list.Items(), (std::vector<std::string>{"/a", "/b"}));
}

TEST_F(RefinerTest, NothingToApplyLeavesListAndDisplay) {
    Rows({"x#1"});
    FilterGen& f = AddCleanup(kCleanupCutAnchor);
    refiner.Pad().List().EntryData(refiner.Pad().List().FindFilter(&f), "enabled", false);
    host.status.Caption("before");
    refiner.ApplyAll();
    EXPECT_EQ(host.list.Items(), (std::vector<std::string>{"x#1"}));
    EXPECT_EQ(host.status.Caption(), "before");
    EXPECT_EQ(host.status.Steps(), 0);
    EXPECT_EQ(host.enabledCalls, (std::vector<bool>{false, true}));
    EXPECT_EQ(host.state, kStateIdle);
}

TEST_F(RefinerTest, StatusTextNamesTheCaptionAndKind) {
    Rows({"a"});
    FilterGen& f = AddCleanup(0);
    Glist& list = refiner.Pad().List();
    list.EntryData(list.FindFilter(&f), "caption", std::string("tidy up"));
    std::vector<std::string> captions;
    ui.onServeEvents = [&] { captions.push_back(host.status.Caption()); };
    refiner.ApplyAll();
    ASSERT_FALSE(captions.empty());
    EXPECT_EQ(captions.front(), "tidy up (Cleanup)...");
}

TEST_F(RefinerTest, ResetRestoresTheResetCopy) {
    Rows({"/a.jpg", "/b.html", "/c.jpg"});
    AddCleanup(kCleanupBinarize);
    refiner.ApplyAll();
    EXPECT_EQ(host.list.Count(), 2u);
    host.state = kStateListReady;
    refiner.cApply_Click(1);
    EXPECT_EQ(host.list.Items(), (std::vector<std::string>{"/a.jpg", "/b.html", "/c.jpg"}));
    EXPECT_EQ(host.state, kStateListReady);
    EXPECT_EQ(host.visibleCalls, (std::vector<bool>{false, true}));

    FakeMain other;
    Refiner fresh(other);
    other.list.Assign({"x"});
    fresh.Reset();
    EXPECT_EQ(other.list.Count(), 0u);  // never given a reset copy
}

TEST_F(RefinerTest, StopMidApply) {
    std::vector<std::string> rows;
    for (int i = 0; i < 50; ++i) rows.push_back("/r" + std::to_string(i) + "#x");
    Rows(rows);
    AddCleanup(kCleanupCutAnchor);
    AddCleanup(kCleanupBinarize);
    int served = 0;
    std::vector<std::string> captions;
    ui.onServeEvents = [&] {
        if (++served != 10) return;
        captions.push_back(refiner.ApplyCaption());
        ui.answers = {MsgAnswer::Yes};
        refiner.cApply_Click(0);  // while filtering the button asks to stop
    };
    refiner.ApplyAll();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Do you want to stop applying the filter(s) ?");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(captions, (std::vector<std::string>{"&Stop"}));
    EXPECT_TRUE(refiner.StopFlag());
    // Rows before the stop were cut, the rest stand as they were; the second filter never ran.
    ASSERT_EQ(host.list.Count(), 50u);
    EXPECT_EQ(host.list.At(0), "/r0");
    EXPECT_EQ(host.list.At(49), "/r49#x");
    EXPECT_EQ(host.status.Step(), 0);
    EXPECT_EQ(host.state, kStateIdle);
    EXPECT_EQ(refiner.ApplyCaption(), "&Apply");
}

// Apply and reset act in the main window's states 0 and 2 (in 8 apply is the stop question
// and reset waits for the run); under a get or a download the list is left alone.
TEST_F(RefinerTest, ButtonsFollowTheMainWindowsState) {
    Rows({"a#1"});
    refiner.SetResetList({"other"});
    AddCleanup(kCleanupCutAnchor);
    for (int state = 0; state <= 9; ++state) {
        const bool free = state == 0 || state == 2;
        host.state = state;
        EXPECT_EQ(refiner.ApplyEnabled(), free || state == 8) << state;
        EXPECT_EQ(refiner.ResetEnabled(), free || state == 8) << state;
        if (free || state == 8) continue;
        refiner.cApply_Click(0);
        refiner.cApply_Click(1);
        EXPECT_EQ(host.list.Items(), std::vector<std::string>{"a#1"}) << state;
        EXPECT_EQ(host.state, state);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(RefinerTest, AnsweringNoGoesOnAndThePadStaysAsItIs) {
    Rows({"a#", "b#"});
    AddCleanup(kCleanupCutAnchor);
    Glist& list = refiner.Pad().List();
    ui.onServeEvents = [&] {
        if (!ui.messages.empty()) return;
        refiner.RvCommands_FC(FC_Stop);  // the safe answer: No
        // Nothing else reaches the pad under the run.
        ui.answers = {MsgAnswer::Ok};
        refiner.Gcmd_Delete();
        refiner.zmFgroup_Click();
        refiner.zmFitem_Click("Cleanup");
        refiner.cCfg_Click(1);
        list.MouseDown(5, 10, false);  // the check box of the filter
    };
    refiner.ApplyAll();
    EXPECT_EQ(host.list.Items(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(ui.messages.size(), 1u);
    ASSERT_EQ(list.EntryCount(), 1);
    EXPECT_TRUE(list.Entry(1)->enabled);
}

TEST_F(RefinerTest, ResetDuringApplyStopsItFirst) {
    Rows({"a#", "b#", "c#"});
    AddCleanup(kCleanupCutAnchor);
    bool pressed = false;
    ui.onServeEvents = [&] {
        if (pressed) return;
        pressed = true;
        refiner.RvCommands_FC(FC_Reset);
    };
    refiner.ApplyAll();
    EXPECT_EQ(host.list.Items(), (std::vector<std::string>{"a#", "b#", "c#"}));
}

TEST_F(RefinerTest, RewritingToOneOrNoTextKeepsTheListConsistent) {
    Rows({"/a", "/B", "/c", "/b"});
    FilterPad& pad = refiner.Pad();
    int e = pad.AddFilter("Find (and Replace)");
    pad.FilterAt(e)->findReplace = {1, "", false, 2, false, "x"};  // "x" in front of all
    e = pad.AddFilter("OneWildcard*");
    pad.FilterAt(e)->oneWildcard = {2, "x*/"};  // every link becomes "x/"
    refiner.ApplyAll();
    EXPECT_EQ(host.list.Items(), (std::vector<std::string>(4, "x/")));
    EXPECT_EQ(host.list.Find("X/"), 0);

    pad.List().EntryData(1, "enabled", false);
    pad.List().EntryData(2, "enabled", false);
    AddCleanup(kCleanupDoubles);
    e = pad.AddFilter("Find (and Replace)");
    pad.FilterAt(e)->findReplace = {0, "X/", false, 1, false, ""};  // and then empty
    refiner.ApplyAll();
    EXPECT_EQ(host.list.Items(), (std::vector<std::string>{""}));
    EXPECT_TRUE(host.list.Contains(""));
    EXPECT_FALSE(host.list.Contains("x/"));
}

TEST_F(RefinerTest, WindowCommands) {
    refiner.RvCommands_FC(3003);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Internal: FC: Command not defined (frmRefineNew)");
    host.list.Assign({"p", "q"});
    refiner.zmLget_Click();
    EXPECT_EQ(refiner.ResetList(), (std::vector<std::string>{"p", "q"}));
    refiner.zcAny_Click();
    EXPECT_EQ(host.commands, (std::vector<int>{2001}));
    EXPECT_EQ(Refiner::FilterMenu(),
              (std::vector<std::string>{"&Group", "", "Cleanup", "File Type", "Find (and Replace)",
                                        "OneWildcard*", "Pre- and Suf-fix"}));
    refiner.zmFgroup_Click();
    refiner.zmFgroup_Click();
    EXPECT_EQ(refiner.Pad().List().Entry(2)->caption, "Group 2");
}

TEST_F(RefinerTest, LoadAndUnloadKeepThePadAndTheSize) {
    test::TempHome home;
    AppSettings().winrefinerw = 0;
    AppSettings().winrefinerh = -5;
    {
        FakeMain main;
        Refiner window(main);
        window.Form_Load();
        EXPECT_TRUE(Refiner::RefinerOpen());
        EXPECT_EQ(window.Width(), 3000);
        EXPECT_EQ(window.Height(), 4321);
        window.zmFitem_Click("OneWildcard*");
        window.Form_Unload(800, 600);
        EXPECT_FALSE(Refiner::RefinerOpen());
        EXPECT_EQ(window.Pad().List().EntryCount(), 0);
    }
    EXPECT_EQ(AppSettings().winrefinerw, 800);
    EXPECT_EQ(AppSettings().winrefinerh, 600);
    EXPECT_NE(home.Read("default.rvp").find("type=\"OneWildcard*\""), std::string::npos);

    FakeMain main;
    Refiner window(main);
    window.Form_Load();
    EXPECT_EQ(window.Width(), 800);
    ASSERT_EQ(window.Pad().List().EntryCount(), 1);
    EXPECT_EQ(window.Pad().FilterAt(1)->Filter(), "OneWildcard*");

    // "R&ead" yields between elements; nothing else reaches the pad meanwhile.
    ui.onServeEvents = [&] { window.zmFgroup_Click(); };
    window.cCfg_Click(1);
    ui.onServeEvents = nullptr;
    EXPECT_EQ(window.Pad().List().EntryCount(), 1);
    EXPECT_TRUE(window.ReadEnabled());
}

TEST_F(RefinerTest, AnUnreadablePadIsNeverOverwrittenOnClose) {
    test::TempHome home;
    const std::string damaged = "<filterravpad selected=\"0\">\r\n\t<group caption=\"G\" ";
    home.Write("default.rvp", damaged);
    {
        FakeMain main;
        Refiner window(main);
        window.Form_Load();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Exclamation);
        EXPECT_TRUE(window.KeepDefaultFile());
        window.Form_Unload(100, 100);
    }
    EXPECT_EQ(home.Read("default.rvp"), damaged);

    home.Write("default.rvp", "\x01\x02 binary, no tags");
    FakeMain main;
    Refiner window(main);
    window.Form_Load();
    EXPECT_TRUE(window.KeepDefaultFile());
    window.zmFgroup_Click();
    window.cCfg_Click(0);  // "&Save" replaces it on purpose
    EXPECT_FALSE(window.KeepDefaultFile());
    EXPECT_NE(home.Read("default.rvp").find("Group 1"), std::string::npos);
}

TEST_F(RefinerTest, DeleteQuestions) {
    FilterPad& pad = refiner.Pad();
    Glist& list = pad.List();
    list.EntryIndex(pad.AddGroup());
    list.EntryData(1, "caption", std::string("G"));
    for (int i = 0; i < 3; ++i) {
        list.EntryIndex(1);
        list.EntryIndex(list.EntryAddInto("x", nullptr));
        list.EntryIndex(1);
    }
    list.EntryIndex(0);
    const int f = pad.AddFilter("Cleanup");
    list.EntryData(f, "caption", std::string("F"));

    ui.answers = {MsgAnswer::Cancel, MsgAnswer::Ok};
    list.EntryIndex(1);
    refiner.Gcmd_Delete();
    EXPECT_EQ(list.EntryCount(), 5);
    list.EntryIndex(f);
    refiner.Gcmd_Delete();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Delete 'G' with its 3 Subitem(s) ? This can not be undone.");
    EXPECT_EQ(ui.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(ui.messages[0].title, "FilterRavPad");
    EXPECT_EQ(ui.messages[1].text, "Delete 'F' ? This can not be undone.");
    EXPECT_EQ(list.EntryCount(), 4);
    EXPECT_EQ(pad.FilterAt(5), nullptr);
}

TEST_F(RefinerTest, AddingAFilterInsideACollapsedGroup) {
    FilterPad& pad = refiner.Pad();
    Glist& list = pad.List();
    list.EntryIndex(pad.AddGroup());
    list.EntryAddInto("first", nullptr);
    const int inner = pad.AddFilter("Cleanup");  // after "first", inside the group
    ASSERT_EQ(list.Entry(inner)->level, 1);
    list.EntryData(1, "collapsed", true);
    list.EntryIndex(inner);
    const int added = pad.AddFilter("File Type");
    EXPECT_EQ(added, inner + 1);
    EXPECT_EQ(list.Entry(added)->level, 1);
    EXPECT_FALSE(list.Entry(1)->collapsed);
    EXPECT_EQ(pad.FilterAt(added)->name, "Filter2");
}

}  // namespace ravlet
