#include "filters/FilterGen.h"

#include "app/Settings.h"
#include "net/ravlet_url.h"

namespace ravlet {

FilterGen::FilterGen() {
    fileType.GroupsFromText(AppSettings().Refiner_FTentries);
}

FilterGen::~FilterGen() {
    list_ = nullptr;
}

const std::vector<std::string>& FilterGen::Kinds() {
    static const std::vector<std::string> kinds = {"Cleanup", "File Type", "Find (and Replace)",
                                                   "OneWildcard*", "Pre- and Suf-fix"};
    return kinds;
}

const std::string& FilterGen::FilterNames() {
    static const std::string names = [] {
        std::string joined;
        for (const std::string& k : Kinds()) joined += (joined.empty() ? "" : ",") + k;
        return joined;
    }();
    return names;
}

void FilterGen::Filter(const std::string& kind) {
    if (kind.empty() || kindId_ != Kind::None) return;
    static const Kind ids[] = {Kind::Cleanup, Kind::FileType, Kind::FindReplace, Kind::OneWildcard,
                               Kind::PreSuffix};
    const auto& kinds = Kinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        if (kinds[i] != kind) continue;
        kindId_ = ids[i];
        kind_ = kind;
        if (view_) view_->ShowPanel(kind_);
        return;
    }
}

int FilterGen::FilteringLink(std::size_t index, std::string& link, const FilterRows& list) {
    switch (kindId_) {
        case Kind::Cleanup: {
            // Another row than the one being judged: the row itself counts once when it
            // holds the same text.
            auto otherRowHas = [&](const std::string& s) {
                std::size_t n = list.CountOf(s);
                if (n > 0 && index < list.Count() && IEquals(list.At(index), s)) --n;
                return n > 0;
            };
            return cleanup.Judge(link, AppSettings().Scanner_TextTypes, otherRowHas);
        }
        case Kind::FileType:
            return fileType.Judge(link);
        case Kind::FindReplace:
            return findReplace.Judge(link);
        case Kind::OneWildcard:
            return oneWildcard.Judge(link);
        case Kind::PreSuffix:
            return preSuffix.Judge(link);
        case Kind::None:
            break;
    }
    return kFilterNoKind;
}

std::string FilterGen::DataRead() const {
    switch (kindId_) {
        case Kind::Cleanup:
            return cleanup.DataRead();
        case Kind::FileType:
            return fileType.DataRead();
        case Kind::FindReplace:
            return findReplace.DataRead();
        case Kind::OneWildcard:
            return oneWildcard.DataRead();
        case Kind::PreSuffix:
            return preSuffix.DataRead();
        case Kind::None:
            break;
    }
    return std::string();
}

void FilterGen::DataWrite(const std::string& block) {
    const DataLines lines = DataLinesRead(block);
    switch (kindId_) {
        case Kind::Cleanup:
            cleanup.DataWrite(lines);
            break;
        case Kind::FileType:
            fileType.DataWrite(lines);
            break;
        case Kind::FindReplace:
            findReplace.DataWrite(lines);
            break;
        case Kind::OneWildcard:
            oneWildcard.DataWrite(lines);
            break;
        case Kind::PreSuffix:
            preSuffix.DataWrite(lines);
            break;
        case Kind::None:
            return;
    }
    if (view_) view_->ParametersChanged();
}

void FilterGen::Enabled(bool on) {
    enabled_ = on;
    if (view_) view_->PanelEnabled(on);
}

void FilterGen::Visible(bool on) {
    visible_ = on;
    if (view_) view_->PanelVisible(on);
}

int FilterGen::Height() const {
    return view_ ? view_->PanelHeight() : 0;
}

void FilterGen::View(FilterGenView* view) {
    view_ = view;
    if (!view_) return;
    if (!kind_.empty()) view_->ShowPanel(kind_);
    view_->PanelEnabled(enabled_);
    view_->PanelVisible(visible_);
}

void FilterGen::ToggleGroupEditor() {
    fileType.EditorOpen(!fileType.EditorOpen());
    if (!list_) return;
    list_->Size();
    list_->Draw();
}

}  // namespace ravlet
