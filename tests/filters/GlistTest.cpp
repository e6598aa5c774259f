#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "filters/Glist.h"

namespace ravlet {

namespace {

class FakePanel : public GlistComponent {
  public:
    explicit FakePanel(int height = 40) : height_(height) {}
    void List(Glist* list) override { list_ = list; }
    void Enabled(bool on) override { enabled = on; }
    void Visible(bool on) override { visible = on; }
    int Height() const override { return height_; }
    Glist* list_ = nullptr;
    bool enabled = true, visible = true;

  private:
    int height_;
};

// Entries "e1".."eN" at the given levels, enabled and expanded, none selected.
void Build(Glist& g, const std::vector<int>& levels) {
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const int n = g.SilentAdd("e" + std::to_string(i + 1), nullptr, 0, levels[i]);
        g.EntryData(n, "enabled", true);
    }
}

// The entries' captions, "|" between them.
std::string Captions(const Glist& g) {
    std::string c;
    for (int i = 1; i <= g.EntryCount(); ++i) c += (i > 1 ? "|" : "") + g.Entry(i)->caption;
    return c;
}

// The entries' levels as digits, "01210".
std::string Levels(const Glist& g) {
    std::string l;
    for (int i = 1; i <= g.EntryCount(); ++i) l += std::to_string(g.Entry(i)->level);
    return l;
}

// Which entries are collapsed, "1" or "0" each.
std::string CollapsedFlags(const Glist& g) {
    std::string c;
    for (int i = 1; i <= g.EntryCount(); ++i) c += g.Entry(i)->collapsed ? '1' : '0';
    return c;
}

int CaptionY(const Glist& g, int entry) {
    return g.Top(entry) + 10;
}

}  // namespace

TEST(Glist, SubentriesAndParents) {
    Glist g;
    Build(g, {0, 1, 2, 1, 0});
    const std::vector<int> subentries = {3, 1, 0, 0, 0};
    const std::vector<int> parents = {0, 1, 2, 1, 0};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(g.EntrySubentriesCount(i), subentries[i - 1]) << i;
        EXPECT_EQ(g.GetParentEntry(i), parents[i - 1]) << i;
    }
    EXPECT_EQ(g.EntrySubentriesCount(0), 0);
    EXPECT_EQ(g.EntrySubentriesCount(6), 0);
    EXPECT_EQ(g.GetParentEntry(9), 0);
}

TEST(Glist, CheckStatesFollowTheGroupsAbove) {
    struct CheckRow {
        bool group, outer, filter;
        int state;
    };
    const CheckRow rows[] = {
        {true, true, true, 1},   {false, true, true, 2}, {true, false, true, 2},
        {false, false, true, 2}, {true, true, false, 0}, {false, false, false, 0},
    };
    for (const auto& r : rows) {
        Glist g;
        Build(g, {0, 1, 2});
        g.EntryData(1, "enabled", r.outer);
        g.EntryData(2, "enabled", r.group);
        g.EntryData(3, "enabled", r.filter);
        EXPECT_EQ(g.CheckState(3), r.state) << r.outer << r.group << r.filter;
        EXPECT_EQ(std::get<int>(g.EntryData(3, "Checked")), r.state);
    }
}

TEST(Glist, EntryDataKeys) {
    Glist g;
    FakePanel panel(30);
    g.SilentAdd("G", nullptr, 0, 0);
    g.SilentAdd("F", &panel, 0, 1);
    EXPECT_EQ(std::get<int>(g.EntryData(2, "LEVEL")), 1);
    EXPECT_EQ(std::get<std::string>(g.EntryData(2, "caption")), "F");
    EXPECT_FALSE(std::get<bool>(g.EntryData(2, "enabled")));  // inserted entries start off
    EXPECT_EQ(std::get<int>(g.EntryData(2, "top")), 20);
    EXPECT_EQ(std::get<int>(g.EntryData(2, "height")), 51);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(g.EntryData(2, "colour")));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(g.EntryData(3, "level")));

    g.EntryData(2, "  Caption ", std::string("New"));
    g.EntryData(2, "collapsed", true);
    g.EntryData(2, "top", 99);  // not writable
    g.EntryData(7, "caption", std::string("nowhere"));
    EXPECT_EQ(g.Entry(2)->caption, "New");
    EXPECT_EQ(g.EntryHeight(2), 20);
    EXPECT_EQ(g.Top(2), 20);
    EXPECT_EQ(panel.list_, &g);
}

TEST(Glist, AddingAfterAndIntoTheSelection) {
    Glist g;
    EXPECT_EQ(g.EntryAdd("first", nullptr), 1);
    Build(g, {1, 2, 1, 0});
    EXPECT_EQ(Levels(g), "01210");

    g.EntryIndex(0);
    EXPECT_EQ(g.EntryAdd("end", nullptr), 6);
    EXPECT_EQ(g.Entry(6)->level, 0);
    EXPECT_TRUE(g.Entry(6)->enabled);

    g.EntryIndex(2);
    EXPECT_EQ(g.EntryAdd("sibling", nullptr), 4);
    EXPECT_EQ(g.Entry(4)->level, 1);
    EXPECT_EQ(g.EntryIndex(), 4);

    g.EntryData(1, "collapsed", true);
    g.EntryIndex(1);
    EXPECT_EQ(g.EntryAddInto("child", nullptr), 2);
    EXPECT_EQ(g.Entry(2)->level, 1);
    EXPECT_FALSE(g.Entry(1)->collapsed);
    EXPECT_FALSE(g.Entry(2)->enabled);
}

TEST(Glist, SelectionIgnoresBadNumbers) {
    Glist g;
    Build(g, {0, 0});
    int redraws = 0;
    g.onRedraw = [&] { ++redraws; };
    g.EntryIndex(2);
    g.EntryIndex(2);
    g.EntryIndex(-1);
    g.EntryIndex(3);
    EXPECT_EQ(g.EntryIndex(), 2);
    EXPECT_EQ(redraws, 1);
}

TEST(Glist, DeletingRemovesTheSubtreeAndReleasesComponents) {
    Glist g;
    FakePanel a, b;
    g.SilentAdd("G", nullptr, 0, 0);
    g.SilentAdd("A", &a, 0, 1);
    g.SilentAdd("B", &b, 0, 1);
    g.SilentAdd("H", nullptr, 0, 0);
    std::vector<int> deleting;
    g.onEntryDeleting = [&](int i) { deleting.push_back(i); };
    g.EntryIndex(4);
    g.EntryDelete(1);
    EXPECT_EQ(Captions(g), "H");
    EXPECT_EQ(deleting, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(a.list_, nullptr);
    EXPECT_EQ(b.list_, nullptr);
    EXPECT_EQ(g.EntryIndex(), 1);  // held within the count
    g.EntryDelete(-1);
    EXPECT_EQ(g.EntryCount(), 0);
    EXPECT_EQ(g.EntryIndex(), 0);
    g.EntryDelete(-1);  // nothing selected, nothing happens
    EXPECT_EQ(g.FindFilter(&a), 0);
}

TEST(Glist, CollapsingHidesSubentriesAndMovesTheSelection) {
    Glist g;
    FakePanel panel(40);
    Build(g, {0, 1, 2, 1, 0});
    g.EntryControl(3, &panel);
    EXPECT_EQ(std::vector<int>({g.BoxState(1), g.BoxState(3), g.BoxState(4)}),
              (std::vector<int>{1, 1, 0}));
    g.Size();
    EXPECT_EQ(g.Height(), 5 * 20 + 41);

    g.EntryIndex(3);
    int heightChanges = 0;
    g.onHeightChanged = [&] { ++heightChanges; };
    g.MouseDown(g.Indent(1) - 5, CaptionY(g, 1), false);  // the box of entry 1
    EXPECT_TRUE(g.Entry(1)->collapsed);
    EXPECT_EQ(g.EntryIndex(), 1);
    EXPECT_FALSE(panel.visible);
    EXPECT_EQ(g.VisibleEntries(), (std::vector<int>{1, 5}));
    EXPECT_EQ(g.Height(), 40);
    EXPECT_EQ(heightChanges, 1);
    EXPECT_EQ(g.Top(5), 20);

    std::vector<int> expanded;
    g.onEntryExpanded = [&](int i) { expanded.push_back(i); };
    g.MouseDown(g.Indent(1) - 5, CaptionY(g, 1), false);
    EXPECT_FALSE(g.Entry(1)->collapsed);
    EXPECT_TRUE(panel.visible);
    EXPECT_EQ(expanded, (std::vector<int>{1}));

    // A panel under a collapsed group stays hidden when its own entry expands.
    g.Collapse(2, true);
    EXPECT_FALSE(panel.visible);
    EXPECT_FALSE(g.Shown(3));
    EXPECT_TRUE(g.Shown(1));
}

TEST(Glist, AltCollapsesTheSiblings) {
    Glist g;
    Build(g, {0, 1, 0, 1, 0, 1, 2, 1});
    g.EntryIndex(4);
    g.MouseDown(g.Indent(1) - 5, CaptionY(g, 1), true);
    EXPECT_EQ(CollapsedFlags(g), "10101000");  // entry 2 is on another level
    EXPECT_EQ(g.EntryIndex(), 3);              // the sibling that hid the selection
    EXPECT_EQ(g.VisibleEntries(), (std::vector<int>{1, 3, 5}));

    // Below level 0 only the siblings under the same parent follow.
    g.MouseDown(g.Indent(5) - 5, CaptionY(g, 5), false);
    g.MouseDown(g.Indent(6) - 5, CaptionY(g, 6), true);
    EXPECT_EQ(CollapsedFlags(g), "10100101");
}

TEST(Glist, ChecksAndToggleOnly) {
    Glist g;
    g.ShowChecks(true);
    Build(g, {0, 1});
    EXPECT_EQ(g.Indent(2), 2 * 15 + 18);
    g.MouseDown(10, CaptionY(g, 1), false);
    EXPECT_FALSE(g.Entry(1)->enabled);
    EXPECT_EQ(g.CheckState(2), 2);
    EXPECT_EQ(g.EntryIndex(), 0);

    g.ToggleOnly(true);
    g.MouseDown(200, CaptionY(g, 1), false);  // on the caption: the box toggles
    EXPECT_TRUE(g.Entry(1)->collapsed);
    EXPECT_EQ(g.EntryIndex(), 0);
    g.DoubleClick(200, CaptionY(g, 1));
    EXPECT_EQ(g.RenameEntry(), 0);
}

TEST(Glist, DraggingAfterAnEntry) {
    Glist g;
    Build(g, {0, 1, 2, 1, 0});
    g.MouseDown(100, CaptionY(g, 2), false);
    EXPECT_EQ(g.EntryIndex(), 2);
    g.MouseMove(100, g.Top(5) + 18, true);
    EXPECT_TRUE(g.Dragging());
    EXPECT_EQ(g.DropTarget(), 5);
    EXPECT_EQ(g.DropMode(), GlistDrop::After);
    g.MouseUp(100, g.Top(5) + 18);
    EXPECT_EQ(Captions(g), "e1|e4|e5|e2|e3");
    EXPECT_EQ(Levels(g), "01001");
    EXPECT_EQ(g.EntryIndex(), 4);
}

TEST(Glist, DropModesFollowThePointer) {
    Glist g;
    FakePanel panel;
    Build(g, {0, 0, 0});
    g.EntryControl(3, &panel);
    struct DropRow {
        int target, offset, wantTarget;
        GlistDrop mode;
    };
    const DropRow rows[] = {
        {2, 0, 2, GlistDrop::Before}, {2, 4, 2, GlistDrop::Before}, {2, 5, 2, GlistDrop::Into},
        {2, 14, 2, GlistDrop::Into},  {2, 15, 2, GlistDrop::After}, {3, 10, 3, GlistDrop::None},
        {3, 2, 3, GlistDrop::Before}, {1, 10, 0, GlistDrop::None},  // onto itself
    };
    for (const auto& r : rows) {
        g.MouseDown(100, CaptionY(g, 1), false);
        g.MouseMove(100, g.Top(r.target) + r.offset, true);
        EXPECT_EQ(g.DropTarget(), r.wantTarget) << r.target << "+" << r.offset;
        EXPECT_EQ(g.DropMode(), r.mode) << r.target << "+" << r.offset;
        g.MouseMove(100, -50, true);  // nowhere: the drop ends without a move
        g.MouseUp(100, -50);
        EXPECT_EQ(Captions(g), "e1|e2|e3");
    }
}

TEST(Glist, MovingIntoAndBefore) {
    Glist g;
    Build(g, {0, 1, 0, 0});
    g.EntryData(3, "collapsed", true);
    EXPECT_TRUE(g.Move(1, 3, GlistDrop::Into));
    EXPECT_EQ(Captions(g), "e3|e1|e2|e4");
    EXPECT_EQ(Levels(g), "0120");
    EXPECT_FALSE(g.Entry(1)->collapsed);

    EXPECT_TRUE(g.Move(4, 2, GlistDrop::Before));
    EXPECT_EQ(Captions(g), "e3|e4|e1|e2");
    EXPECT_EQ(Levels(g), "0112");
    EXPECT_EQ(g.EntryIndex(), 2);

    // Into its own subtree, or into a filter: nothing moves.
    FakePanel panel;
    g.EntryControl(2, &panel);
    EXPECT_FALSE(g.Move(3, 4, GlistDrop::After));
    EXPECT_FALSE(g.Move(3, 2, GlistDrop::Into));
    EXPECT_EQ(Captions(g), "e3|e4|e1|e2");
}

TEST(Glist, Renaming) {
    Glist g;
    Build(g, {0});
    g.DoubleClick(g.Indent(1) + 19, CaptionY(g, 1));
    EXPECT_EQ(g.RenameEntry(), 0);  // left of the caption
    g.DoubleClick(g.Indent(1) + 20, CaptionY(g, 1));
    ASSERT_EQ(g.RenameEntry(), 1);
    EXPECT_EQ(g.RenameText(), "e1");

    g.RenameEdit("   ");
    g.RenameEnter();
    EXPECT_EQ(g.Entry(1)->caption, "e1");  // blanks keep the old caption

    g.RenameOpen(1);
    g.RenameEdit("  kept ");
    g.RenameEscape();
    EXPECT_EQ(g.Entry(1)->caption, "e1");

    g.RenameOpen(1);
    g.RenameEdit("  Images ");
    g.MouseDown(100, 500, false);  // a click commits
    EXPECT_EQ(g.Entry(1)->caption, "Images");
    EXPECT_EQ(g.RenameEntry(), 0);
}

TEST(Glist, EnablingTheListEnablesItsComponents) {
    Glist g;
    FakePanel a, b;
    g.SilentAdd("A", &a, 0, 0);
    g.SilentAdd("B", &b, 0, 0);
    g.Enabled(false);
    EXPECT_FALSE(g.Enabled());
    EXPECT_FALSE(a.enabled || b.enabled);
    g.Enabled(true);
    EXPECT_TRUE(a.enabled && b.enabled);
    EXPECT_EQ(g.FindFilter(&b), 2);
    EXPECT_EQ(g.EntryControl(1), &a);
}

}  // namespace ravlet
