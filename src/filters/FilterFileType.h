#pragma once
// The "File Type" filter: keeps links that end with an extension of a selected group.
#include <string>
#include <vector>

#include "filters/FilterData.h"

namespace ravlet {

class FileTypeFilter {
  public:
    // The group list as stored: "image(.jpg,.jpeg)audio(.mp3)" and so on.
    void GroupsFromText(const std::string& text);
    std::string GroupsText() const;

    std::size_t GroupCount() const { return groups_.size(); }
    const std::string& Group(std::size_t i) const { return groups_[i]; }  // display text
    bool Selected(std::size_t i) const { return i < selected_.size() && selected_[i]; }
    // The mask is a signed 32-bit number: groups from position 31 on cannot be selected.
    bool Select(std::size_t i, bool on);
    int Opts() const;
    void SetOpts(int mask);

    // 0 keep, 1 remove; the link is never changed.
    int Judge(const std::string& link) const;

    std::string DataRead() const;
    void DataWrite(const DataLines& lines);

    // The group editor of the panel.
    long Current() const { return current_; }  // -1 when none
    void Choose(long i);
    void Add();
    void Delete();  // asks first
    const std::string& NameField() const { return nameField_; }
    const std::string& ExtensionsField() const { return extField_; }
    void NameChanged(const std::string& text);
    void ExtensionsChanged(const std::string& text);
    bool EditorOpen() const { return editorOpen_; }
    void EditorOpen(bool open) { editorOpen_ = open; }
    std::string ExpandCaption() const { return editorOpen_ ? "<<" : ">>"; }

  private:
    void Rebuild();
    void Changed() { prepared_ = false; }
    std::vector<std::string> groups_;
    std::vector<char> selected_;
    long current_ = -1;
    std::string nameField_;
    std::string extField_;
    bool editorOpen_ = false;
    // The lower-cased extensions of the selected groups, built on first use after a change.
    mutable bool prepared_ = false;
    mutable std::vector<std::string> extensions_;
};

}  // namespace ravlet
