#pragma once
// The grouped list: a tree shown as an indented list of rows. Each entry has a level, a
// caption, an expand box, an enable check box and may host a component (a filter's editing
// panel) below its caption row. The tree is implicit in the levels. Entry numbers count
// from 1; numbers out of range are ignored by setters and give empty results.
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ravlet {

class Glist;

// What the list needs of a component it hosts. The host window owns the component.
class GlistComponent {
  public:
    virtual ~GlistComponent() = default;
    virtual void List(Glist* list) = 0;  // set on insertion, cleared on removal
    virtual void Enabled(bool on) = 0;
    virtual void Visible(bool on) = 0;
    virtual int Height() const = 0;  // pixels
};

struct GlistEntry {
    int level = 0;
    std::string caption;
    bool collapsed = false;
    GlistComponent* component = nullptr;
    bool enabled = false;
};

// A value of EntryData: empty for an unknown key or entry.
using GlistData = std::variant<std::monostate, int, bool, std::string>;

enum class GlistDrop { None = 0, Before = 1, Into = 2, After = 3 };

class Glist {
  public:
    static constexpr int kRowHeight = 20;
    static constexpr int kIndentStep = 15;
    static constexpr int kIndentBase = 18;
    static constexpr int kCheckColumn = 15;
    static constexpr int kDropZone = 5;

    int EntryCount() const { return static_cast<int>(entries_.size()); }
    // Keys without regard to case: "level", "caption", "collapsed", "enabled", "checked",
    // "top", "height".
    GlistData EntryData(int entry, std::string_view key) const;
    // Keys "level", "caption", "collapsed", "enabled" (trimmed, any case); only the field is
    // stored, the caller lays out and redraws.
    void EntryData(int entry, std::string_view key, const GlistData& value);
    const GlistEntry* Entry(int entry) const;
    GlistComponent* EntryControl(int entry) const;
    void EntryControl(int entry, GlistComponent* component);
    int EntryIndex() const { return selected_; }
    void EntryIndex(int entry);

    int EntryAdd(const std::string& caption, GlistComponent* component);
    int EntryAddInto(const std::string& caption, GlistComponent* component);
    int SilentAdd(const std::string& caption, GlistComponent* component, int position, int level);
    void EntryDelete(int entry);  // -1: the selected one
    void SilentDelete(int entry);

    int EntrySubentriesCount(int entry) const;
    int GetParentEntry(int entry) const;
    int FindFilter(const GlistComponent* component) const;
    int EntryHeight(int entry) const;
    // 0 not enabled, 1 enabled, 2 enabled but switched off by a disabled group above.
    int CheckState(int entry) const;
    // 0 no box, 1 expanded, 2 collapsed.
    int BoxState(int entry) const;
    bool Shown(int entry) const;
    int HiddenCount(int entry) const;
    int Top(int entry) const;
    int Indent(int entry) const;
    // The visible entries in display order.
    std::vector<int> VisibleEntries() const;

    void Draw();
    void Size();
    int Height() const { return height_; }
    bool Enabled() const { return enabled_; }
    void Enabled(bool on);

    bool ShowChecks() const { return showChecks_; }
    void ShowChecks(bool on) { showChecks_ = on; }
    bool ToggleOnly() const { return toggleOnly_; }
    void ToggleOnly(bool on) { toggleOnly_ = on; }

    // Expanding and collapsing, with the components' visibility.
    void Collapse(int entry, bool collapsed);
    // Moves an entry with its subentries; false when nothing moved.
    bool Move(int entry, int target, GlistDrop mode);

    // The pointer, in pixels of the list. The views forward their mouse events here.
    void MouseDown(int x, int y, bool alt);
    void MouseMove(int x, int y, bool buttonHeld);
    void MouseUp(int x, int y);
    void DoubleClick(int x, int y);
    bool Dragging() const { return dragging_; }
    int DropTarget() const { return dropTarget_; }
    GlistDrop DropMode() const { return dropMode_; }
    // 0 normal pointer, 1 the hand over a caption, 2 the drag shape.
    int PointerShape(int x, int y) const;

    // The rename field over a caption.
    int RenameEntry() const { return renameEntry_; }  // 0 when closed
    const std::string& RenameText() const { return renameText_; }
    void RenameOpen(int entry);
    void RenameEdit(const std::string& text) { renameText_ = text; }
    void RenameEnter() { RenameCommit(); }
    void RenameEscape();
    void RenameCommit();

    // Raised to the hosting window, and to the view that draws the list.
    std::function<void()> onHeightChanged;
    std::function<void(int)> onEntryDeleting;
    std::function<void(int)> onEntryExpanded;
    std::function<void()> onRedraw;

  private:
    bool Valid(int entry) const { return entry >= 1 && entry <= EntryCount(); }
    GlistEntry& At(int entry) { return entries_[entry - 1]; }
    const GlistEntry& At(int entry) const { return entries_[entry - 1]; }
    int Insert(const std::string& caption, GlistComponent* component, int position, int level);
    void RemoveOne(int entry);
    // The visible entry under y and y's offset within it; 0 when none.
    int EntryAt(int y, int* offset = nullptr) const;
    void Redraw();
    void ToggleBox(int entry, bool alt);

    std::vector<GlistEntry> entries_;
    int selected_ = 0;
    int height_ = 0;
    bool showChecks_ = false;
    bool toggleOnly_ = false;
    bool enabled_ = true;
    bool dragArmed_ = false;
    bool dragging_ = false;
    int dragEntry_ = 0;
    int dragLast_ = 0;
    int dropTarget_ = 0;
    GlistDrop dropMode_ = GlistDrop::None;
    int renameEntry_ = 0;
    std::string renameText_;
};

}  // namespace ravlet
