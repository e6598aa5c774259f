#include "filters/FilterFileType.h"

#include <algorithm>
#include <string_view>

#include "links/FoldKey.h"
#include "net/ravlet_url.h"
#include "platform/UserInterface.h"

namespace ravlet {

namespace {

constexpr std::size_t kMaskBits = 31;

std::string Without(std::string text, const std::string& chars) {
    std::string out;
    for (char c : text)
        if (chars.find(c) == std::string::npos) out += c;
    return out;
}

// The extension list of a display text: after the first "(", without the last character.
std::string ExtensionsOf(const std::string& display) {
    const auto open = display.find('(');
    if (open == std::string::npos) return std::string();
    std::string rest = display.substr(open + 1);
    if (!rest.empty()) rest.pop_back();
    return rest;
}

}  // namespace

void FileTypeFilter::GroupsFromText(const std::string& text) {
    groups_.clear();
    for (const std::string& piece : Split(text, ")")) {
        const auto open = piece.find('(');
        if (open == std::string::npos) continue;
        groups_.push_back(Trim(piece.substr(0, open)) + " (" + Trim(piece.substr(open + 1)) + ")");
    }
    selected_.assign(groups_.size(), 0);
    if (current_ >= static_cast<long>(groups_.size())) current_ = -1;
    if (current_ >= 0) Choose(current_);
    Changed();
}

std::string FileTypeFilter::GroupsText() const {
    std::string text;
    for (const std::string& g : groups_) {
        const auto open = g.find('(');
        if (open == std::string::npos) continue;
        text += Trim(g.substr(0, open)) + Trim(g.substr(open));
    }
    return text;
}

bool FileTypeFilter::Select(std::size_t i, bool on) {
    if (i >= groups_.size() || (on && i >= kMaskBits)) return false;
    selected_[i] = on ? 1 : 0;
    Changed();
    return true;
}

int FileTypeFilter::Opts() const {
    int mask = 0;
    for (std::size_t i = 0; i < selected_.size() && i < kMaskBits; ++i)
        if (selected_[i]) mask |= 1 << i;
    return mask;
}

void FileTypeFilter::SetOpts(int mask) {
    for (std::size_t i = 0; i < selected_.size(); ++i)
        selected_[i] = (i < kMaskBits && (mask >> i) & 1) ? 1 : 0;
    Changed();
}

int FileTypeFilter::Judge(const std::string& link) const {
    if (!prepared_) {
        std::string list;
        for (std::size_t i = 0; i < groups_.size(); ++i) {
            if (!selected_[i]) continue;
            const std::string ext = ExtensionsOf(groups_[i]);
            if (ext.empty()) continue;
            if (!list.empty()) list += ",";
            list += LCase(ext);
        }
        extensions_ = list.empty() ? std::vector<std::string>() : Split(list, ",");
        prepared_ = true;
    }
    if (extensions_.empty()) return 1;
    const std::string_view whole(link);
    const FoldEqual equal;
    for (const std::string& e : extensions_) {
        if (e.size() > whole.size()) continue;
        if (equal(whole.substr(whole.size() - e.size()), e)) return 0;
    }
    return 1;
}

std::string FileTypeFilter::DataRead() const {
    return DataBlock({DataLine("entries", GroupsText()), DataLine("opts", Opts())});
}

void FileTypeFilter::DataWrite(const DataLines& lines) {
    std::string entries;
    int opts = 0;
    for (const auto& [name, value] : lines) {
        if (name == "entries")
            entries = value;
        else if (name == "opts")
            opts = DataNumber(value);
    }
    GroupsFromText(entries);
    SetOpts(opts);
}

void FileTypeFilter::Choose(long i) {
    if (i < 0 || i >= static_cast<long>(groups_.size())) {
        current_ = -1;
        return;
    }
    current_ = i;
    const std::string& g = groups_[i];
    nameField_ = Trim(g.substr(0, g.find('(')));
    extField_ = ExtensionsOf(g);
}

void FileTypeFilter::Add() {
    groups_.push_back("new (.end,.end2)");
    selected_.push_back(0);
    Choose(static_cast<long>(groups_.size()) - 1);
    editorOpen_ = true;
    Changed();
}

void FileTypeFilter::Delete() {
    if (current_ < 0) return;
    const std::string question = "Delete " + groups_[current_] + " ?";
    if (MsgBox(question, MsgButtons::YesNo, MsgIcon::Question, "Delete Filetype") != MsgAnswer::Yes)
        return;
    groups_.erase(groups_.begin() + current_);
    selected_.erase(selected_.begin() + current_);
    Changed();
    if (groups_.empty()) {
        current_ = -1;
        nameField_.clear();
        extField_.clear();
        return;
    }
    Choose(std::min(current_, static_cast<long>(groups_.size()) - 1));
}

void FileTypeFilter::NameChanged(const std::string& text) {
    nameField_ = Without(text, "()");
    Rebuild();
}

void FileTypeFilter::ExtensionsChanged(const std::string& text) {
    extField_ = Without(text, "()");
    Rebuild();
}

void FileTypeFilter::Rebuild() {
    if (current_ < 0) return;
    std::vector<std::string> pieces = Split(Trim(extField_), ",");
    std::string exts;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) exts += ',';
        exts += Trim(pieces[i]);
    }
    groups_[current_] = Trim(nameField_) + " (" + exts + ")";
    Changed();
}

}  // namespace ravlet
