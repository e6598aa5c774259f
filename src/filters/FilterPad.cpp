#include "filters/FilterPad.h"

#include <algorithm>

#include "platform/UserInterface.h"

namespace ravlet {

namespace {
const char kCaption[] = "FilterRavPad";
}

FilterPad::FilterPad() {
    list_.ShowChecks(true);
}

FilterPad::~FilterPad() {
    // The list must not call back into filters that are being destroyed.
    for (int i = list_.EntryCount(); i >= 1; --i) list_.EntryControl(i, nullptr);
    for (auto& f : filters_) f->List(nullptr);
}

FilterGen* FilterPad::FilterAt(int entry) const {
    return dynamic_cast<FilterGen*>(list_.EntryControl(entry));
}

FilterGen& FilterPad::CreateFilter() {
    auto filter = std::make_unique<FilterGen>();
    filter->name = "Filter" + std::to_string(filterCounter_ + 1);
    ++filterCounter_;
    filters_.push_back(std::move(filter));
    FilterGen& created = *filters_.back();
    if (onFilterCreated) onFilterCreated(created);
    return created;
}

int FilterPad::AddGroup() {
    ++groupCounter_;
    return list_.EntryAdd("Group " + std::to_string(groupCounter_), nullptr);
}

int FilterPad::AddFilter(const std::string& kind) {
    FilterGen& filter = CreateFilter();
    filter.Filter(kind);
    const int entry = list_.EntryAdd(kind, &filter);
    bool expanded = false;
    for (int p = list_.GetParentEntry(entry); p != 0; p = list_.GetParentEntry(p)) {
        if (!list_.Entry(p)->collapsed) continue;
        list_.Collapse(p, false);
        expanded = true;
    }
    if (expanded) {
        list_.Size();
        list_.Draw();
    }
    return entry;
}

void FilterPad::DeleteSelected() {
    const int s = list_.EntryIndex();
    if (list_.EntryCount() == 0 || s < 1 || s > list_.EntryCount()) {
        list_.Size();
        list_.Draw();
        return;
    }
    const int m = list_.EntrySubentriesCount(s);
    std::string question = "Delete '" + list_.Entry(s)->caption + "'";
    if (m > 0) question += " with its " + std::to_string(m) + " Subitem(s)";
    question += " ? This can not be undone.";
    if (MsgBox(question, MsgButtons::OkCancel, MsgIcon::Question, kCaption) != MsgAnswer::Ok)
        return;
    for (int i = s + m; i >= s; --i) RemoveEntry(i);
    list_.Size();
    list_.Draw();
}

void FilterPad::RemoveEntry(int entry) {
    if (entry < 1 || entry > list_.EntryCount()) return;
    GlistComponent* component = list_.EntryControl(entry);
    list_.EntryControl(entry, nullptr);
    list_.SilentDelete(entry);
    if (!component) return;
    component->List(nullptr);
    const auto it = std::find_if(filters_.begin(), filters_.end(),
                                 [&](const auto& f) { return f.get() == component; });
    if (it == filters_.end()) return;
    if (onFilterRemoving) onFilterRemoving(**it);
    (*it)->Free();
    filters_.erase(it);
}

void FilterPad::Clear() {
    for (int i = list_.EntryCount(); i >= 1; --i) RemoveEntry(i);
    list_.Size();
    list_.Draw();
}

}  // namespace ravlet
