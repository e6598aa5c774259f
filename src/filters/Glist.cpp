#include "filters/Glist.h"

#include <algorithm>

#include "net/ravlet_url.h"

namespace ravlet {

namespace {

int AsInt(const GlistData& v) {
    if (const int* i = std::get_if<int>(&v)) return *i;
    if (const bool* b = std::get_if<bool>(&v)) return *b ? 1 : 0;
    return 0;
}

bool AsBool(const GlistData& v) {
    return AsInt(v) != 0;
}

}  // namespace

GlistData Glist::EntryData(int entry, std::string_view key) const {
    if (!Valid(entry)) return {};
    const std::string k = LCase(std::string(key));
    const GlistEntry& e = At(entry);
    if (k == "level") return e.level;
    if (k == "caption") return e.caption;
    if (k == "collapsed") return e.collapsed;
    if (k == "enabled") return e.enabled;
    if (k == "checked") return CheckState(entry);
    if (k == "top") return Top(entry);
    if (k == "height") return EntryHeight(entry);
    return {};
}

void Glist::EntryData(int entry, std::string_view key, const GlistData& value) {
    if (!Valid(entry)) return;
    const std::string k = LCase(Trim(std::string(key)));
    GlistEntry& e = At(entry);
    if (k == "level") {
        e.level = std::max(0, AsInt(value));
    } else if (k == "caption") {
        if (const std::string* s = std::get_if<std::string>(&value))
            e.caption = *s;
        else if (!std::holds_alternative<std::monostate>(value))
            e.caption = std::to_string(AsInt(value));
    } else if (k == "collapsed") {
        e.collapsed = AsBool(value);
    } else if (k == "enabled") {
        e.enabled = AsBool(value);
    }
}

const GlistEntry* Glist::Entry(int entry) const {
    return Valid(entry) ? &At(entry) : nullptr;
}

GlistComponent* Glist::EntryControl(int entry) const {
    return Valid(entry) ? At(entry).component : nullptr;
}

void Glist::EntryControl(int entry, GlistComponent* component) {
    if (Valid(entry)) At(entry).component = component;
}

void Glist::EntryIndex(int entry) {
    if (entry < 0 || entry > EntryCount() || entry == selected_) return;
    selected_ = entry;
    Redraw();
}

int Glist::Insert(const std::string& caption, GlistComponent* component, int position, int level) {
    GlistEntry e;
    e.level = std::max(0, level);
    e.caption = caption;
    e.component = component;
    int at = EntryCount() + 1;
    if (position >= 1 && position <= EntryCount()) at = position;
    entries_.insert(entries_.begin() + (at - 1), std::move(e));
    if (component) component->List(this);
    return at;
}

int Glist::EntryAdd(const std::string& caption, GlistComponent* component) {
    int position = EntryCount() + 1, level = 0;
    if (Valid(selected_)) {
        position = selected_ + EntrySubentriesCount(selected_) + 1;
        level = At(selected_).level;
    }
    const int added = Insert(caption, component, position, level);
    At(added).enabled = true;
    At(added).collapsed = false;
    selected_ = added;
    Size();
    Draw();
    return added;
}

int Glist::EntryAddInto(const std::string& caption, GlistComponent* component) {
    int position = EntryCount() + 1, level = 0;
    if (Valid(selected_)) {
        Collapse(selected_, false);
        position = selected_ + 1;
        level = At(selected_).level + 1;
    }
    const int added = Insert(caption, component, position, level);
    selected_ = added;
    Size();
    Draw();
    return added;
}

int Glist::SilentAdd(const std::string& caption, GlistComponent* component, int position,
                     int level) {
    return Insert(caption, component, position, level);
}

void Glist::RemoveOne(int entry) {
    if (onEntryDeleting) onEntryDeleting(entry);
    if (!Valid(entry)) return;  // the handler may have removed it already
    GlistComponent* component = At(entry).component;
    entries_.erase(entries_.begin() + (entry - 1));
    if (component) component->List(nullptr);
}

void Glist::SilentDelete(int entry) {
    if (!Valid(entry)) return;
    const int k = EntrySubentriesCount(entry) + 1;
    for (int n = 0; n < k; ++n) RemoveOne(entry);
    if (renameEntry_ > EntryCount()) renameEntry_ = 0;
    if (selected_ > EntryCount()) selected_ = EntryCount();
    dragArmed_ = dragging_ = false;
}

void Glist::EntryDelete(int entry) {
    if (entry == -1) entry = selected_;
    if (!Valid(entry)) return;
    SilentDelete(entry);
    Size();
    Draw();
}

int Glist::EntrySubentriesCount(int entry) const {
    if (!Valid(entry)) return 0;
    const int level = At(entry).level;
    int n = 0;
    for (int i = entry + 1; i <= EntryCount() && At(i).level > level; ++i) ++n;
    return n;
}

int Glist::GetParentEntry(int entry) const {
    if (!Valid(entry) || At(entry).level == 0) return 0;
    const int level = At(entry).level;
    for (int i = entry - 1; i >= 1; --i)
        if (At(i).level < level) return i;
    return 0;
}

int Glist::FindFilter(const GlistComponent* component) const {
    if (!component) return 0;
    for (int i = 1; i <= EntryCount(); ++i)
        if (At(i).component == component) return i;
    return 0;
}

int Glist::EntryHeight(int entry) const {
    if (!Valid(entry)) return 0;
    const GlistEntry& e = At(entry);
    int h = kRowHeight;
    if (e.component && !e.collapsed) h += e.component->Height() + 1;
    return h;
}

int Glist::CheckState(int entry) const {
    if (!Valid(entry) || !At(entry).enabled) return 0;
    // Walk up: a disabled group anywhere above switches the entry off.
    for (int p = GetParentEntry(entry); p != 0; p = GetParentEntry(p))
        if (!At(p).enabled) return 2;
    return 1;
}

int Glist::BoxState(int entry) const {
    if (!Valid(entry)) return 0;
    if (EntrySubentriesCount(entry) == 0 && !At(entry).component) return 0;
    return At(entry).collapsed ? 2 : 1;
}

bool Glist::Shown(int entry) const {
    for (int i = entry; Valid(i); i = GetParentEntry(i)) {
        if (At(i).collapsed) return false;
        if (At(i).level == 0) break;
    }
    return Valid(entry);
}

int Glist::HiddenCount(int entry) const {
    return Valid(entry) && At(entry).collapsed ? EntrySubentriesCount(entry) : 0;
}

std::vector<int> Glist::VisibleEntries() const {
    std::vector<int> visible;
    for (int i = 1; i <= EntryCount(); i += 1 + HiddenCount(i)) visible.push_back(i);
    return visible;
}

int Glist::Top(int entry) const {
    if (!Valid(entry)) return 0;
    int top = 0;
    for (int i = 1; i <= EntryCount() && i < entry; i += 1 + HiddenCount(i)) top += EntryHeight(i);
    return top;
}

int Glist::Indent(int entry) const {
    if (!Valid(entry)) return 0;
    return (At(entry).level + (showChecks_ ? 1 : 0)) * kIndentStep + kIndentBase;
}

void Glist::Redraw() {
    if (onRedraw) onRedraw();
}

void Glist::Draw() {
    for (int i = 1; i <= EntryCount(); ++i)
        if (At(i).component) At(i).component->Visible(Shown(i));
    Redraw();
}

void Glist::Size() {
    int total = 0;
    for (int i : VisibleEntries()) total += EntryHeight(i);
    if (total == height_) return;
    height_ = total;
    if (onHeightChanged) onHeightChanged();
}

void Glist::Enabled(bool on) {
    enabled_ = on;
    for (GlistEntry& e : entries_)
        if (e.component) e.component->Enabled(on);
}

void Glist::Collapse(int entry, bool collapsed) {
    if (!Valid(entry)) return;
    At(entry).collapsed = collapsed;
    if (At(entry).component) At(entry).component->Visible(!collapsed);
    if (!collapsed && onEntryExpanded) onEntryExpanded(entry);
    const int last = entry + EntrySubentriesCount(entry);
    for (int i = entry + 1; i <= last && i <= EntryCount(); ++i)
        if (At(i).component) At(i).component->Visible(Shown(i));
}

bool Glist::Move(int entry, int target, GlistDrop mode) {
    if (!Valid(entry) || !Valid(target) || mode == GlistDrop::None) return false;
    const int k = EntrySubentriesCount(entry) + 1;
    if (target >= entry && target < entry + k) return false;  // into its own subtree
    if (mode == GlistDrop::Into && At(target).component) return false;
    int position = target;
    if (mode == GlistDrop::Into) {
        position = target + 1;
        At(target).collapsed = false;
    } else if (mode == GlistDrop::After) {
        position = target + EntrySubentriesCount(target) + 1;
    }
    const int shift = At(target).level - At(entry).level + (mode == GlistDrop::Into ? 1 : 0);
    std::vector<GlistEntry> moved(entries_.begin() + (entry - 1),
                                  entries_.begin() + (entry - 1 + k));
    entries_.erase(entries_.begin() + (entry - 1), entries_.begin() + (entry - 1 + k));
    if (position > entry) position -= k;
    for (GlistEntry& e : moved) e.level = std::max(0, e.level + shift);
    entries_.insert(entries_.begin() + (position - 1), moved.begin(), moved.end());
    selected_ = position;
    Size();
    Draw();
    return true;
}

int Glist::EntryAt(int y, int* offset) const {
    if (y < 0) return 0;
    int top = 0;
    for (int i : VisibleEntries()) {
        const int h = EntryHeight(i);
        if (y < top + h) {
            if (offset) *offset = y - top;
            return i;
        }
        top += h;
    }
    return 0;
}

void Glist::ToggleBox(int entry, bool alt) {
    const bool collapse = !At(entry).collapsed;
    // A collapsed entry takes over the selection it hides.
    const auto apply = [&](int i) {
        Collapse(i, collapse);
        if (collapse && selected_ > i && selected_ <= i + EntrySubentriesCount(i)) selected_ = i;
    };
    apply(entry);
    if (alt) {
        const int level = At(entry).level;
        const int parent = GetParentEntry(entry);
        for (int i = 1; i <= EntryCount(); ++i) {
            if (i == entry || At(i).level != level) continue;
            if (level > 0 && GetParentEntry(i) != parent) continue;
            apply(i);
        }
    }
    Size();
}

void Glist::MouseDown(int x, int y, bool alt) {
    if (renameEntry_ != 0) RenameCommit();
    dragArmed_ = dragging_ = false;
    if (!enabled_) return;
    const int entry = EntryAt(y);
    if (entry == 0) return;
    if (x <= Indent(entry) + 1 || toggleOnly_) {
        if (showChecks_ && x <= kCheckColumn)
            At(entry).enabled = !At(entry).enabled;
        else if (BoxState(entry) != 0)
            ToggleBox(entry, alt);
        Draw();
        return;
    }
    selected_ = entry;
    Redraw();
    dragArmed_ = true;
    dragEntry_ = entry;
}

void Glist::MouseMove(int /*x*/, int y, bool buttonHeld) {
    if (!buttonHeld || !dragArmed_) return;
    if (!dragging_) {
        dragging_ = true;
        dragLast_ = dragEntry_ + EntrySubentriesCount(dragEntry_);
    }
    int offset = 0;
    const int target = EntryAt(y, &offset);
    dropTarget_ = 0;
    dropMode_ = GlistDrop::None;
    if (target == 0 || (target >= dragEntry_ && target <= dragLast_)) return;
    dropTarget_ = target;
    if (offset < kDropZone)
        dropMode_ = GlistDrop::Before;
    else if (offset >= kRowHeight - kDropZone)
        dropMode_ = GlistDrop::After;
    else if (At(target).component)
        dropMode_ = GlistDrop::None;
    else
        dropMode_ = GlistDrop::Into;
    Redraw();
}

void Glist::MouseUp(int /*x*/, int /*y*/) {
    const bool wasDragging = dragging_;
    dragArmed_ = dragging_ = false;
    if (!wasDragging) return;
    const int target = dropTarget_;
    const GlistDrop mode = dropMode_;
    dropTarget_ = 0;
    dropMode_ = GlistDrop::None;
    if (target != 0 && mode != GlistDrop::None)
        Move(dragEntry_, target, mode);
    else
        Redraw();
}

void Glist::DoubleClick(int x, int y) {
    const int entry = EntryAt(y);
    if (!enabled_ || entry == 0 || toggleOnly_ || x < Indent(entry) + 20) return;
    RenameOpen(entry);
}

int Glist::PointerShape(int x, int y) const {
    if (dragging_) return 2;
    const int entry = EntryAt(y);
    if (entry == 0 || toggleOnly_) return 0;
    int offset = 0;
    EntryAt(y, &offset);
    return (x > Indent(entry) + 1 && offset < kRowHeight) ? 1 : 0;
}

void Glist::RenameOpen(int entry) {
    if (!Valid(entry)) return;
    renameEntry_ = entry;
    renameText_ = At(entry).caption;
}

void Glist::RenameEscape() {
    renameText_.clear();
    RenameCommit();
}

void Glist::RenameCommit() {
    if (renameEntry_ == 0) return;
    const std::string text = Trim(renameText_);
    if (!text.empty() && Valid(renameEntry_)) At(renameEntry_).caption = text;
    renameEntry_ = 0;
    renameText_.clear();
    Redraw();
}

}  // namespace ravlet
