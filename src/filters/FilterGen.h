#pragma once
// One filter of the pad: its kind, the parameters of that kind, the judging of one link at a
// time, and its data block for the pad file. The editing panel of the window system is a
// view that reads and edits the parameters here.
#include <cstddef>
#include <string>
#include <vector>

#include "filters/FilterCleanup.h"
#include "filters/FilterFileType.h"
#include "filters/FilterFindReplace.h"
#include "filters/FilterOneWildcard.h"
#include "filters/FilterPreSuffix.h"
#include "filters/FilterRows.h"
#include "filters/Glist.h"

namespace ravlet {

// Filter result codes.
enum FilterResult { kFilterNoKind = -1, kFilterKeep = 0, kFilterRemove = 1, kFilterReplace = 2 };

// The editing panel of one kind, as the window system shows it.
class FilterGenView {
  public:
    virtual ~FilterGenView() = default;
    virtual void ShowPanel(const std::string& kind) = 0;
    virtual void PanelEnabled(bool on) = 0;
    virtual void PanelVisible(bool on) = 0;
    virtual int PanelHeight() const = 0;
    // The parameters changed from outside the panel (a data block was read).
    virtual void ParametersChanged() = 0;
};

class FilterGen : public GlistComponent {
  public:
    FilterGen();  // the "File Type" groups from the setting Refiner_FTentries
    ~FilterGen() override;
    FilterGen(const FilterGen&) = delete;
    FilterGen& operator=(const FilterGen&) = delete;

    const std::string& Filter() const { return kind_; }
    // Sets the kind once; an empty, unknown or second name does nothing.
    void Filter(const std::string& kind);
    // "Cleanup,File Type,Find (and Replace),OneWildcard*,Pre- and Suf-fix"
    static const std::string& FilterNames();
    static const std::vector<std::string>& Kinds();

    // index: the zero-based row of link in list. Returns a FilterResult; with
    // kFilterReplace the row's text becomes link.
    int FilteringLink(std::size_t index, std::string& link, const FilterRows& list);

    std::string DataRead() const;
    void DataWrite(const std::string& block);

    bool Enabled() const { return enabled_; }
    void Enabled(bool on) override;
    Glist* List() const { return list_; }
    void List(Glist* list) override { list_ = list; }
    void Visible(bool on) override;
    bool Visible() const { return visible_; }
    int Height() const override;
    // Drops the reference to the editing panel before the component goes.
    void Free() { view_ = nullptr; }
    void View(FilterGenView* view);
    FilterGenView* View() const { return view_; }

    // The component's name in the refiner window ("Filter1", ...).
    std::string name;
    // A kind this program does not know, as a pad file held it, with its data lines: written
    // back unchanged so that saving the pad does not drop the filter.
    std::string foreignKind;
    std::string foreignData;

    FileTypeFilter fileType;
    PreSuffixFilter preSuffix;
    FindReplaceFilter findReplace;
    OneWildcardFilter oneWildcard;
    CleanupFilter cleanup;

    // The expand button of the "File Type" group editor: the list lays itself out again.
    void ToggleGroupEditor();

  private:
    enum class Kind { None, Cleanup, FileType, FindReplace, OneWildcard, PreSuffix };
    Kind kindId_ = Kind::None;
    std::string kind_;
    bool enabled_ = true;
    bool visible_ = true;
    Glist* list_ = nullptr;
    FilterGenView* view_ = nullptr;
};

}  // namespace ravlet
