#pragma once
// The refiner frmRefineNew without its window: the filter pad, the reset copy of the link
// list, applying the pad's checked filters to the main window's list in place, and the
// commands of the window. The Qt window draws it and forwards its buttons and menus here.
#include <functional>
#include <string>
#include <vector>

#include "filters/FilterPad.h"
#include "filters/RefinerHost.h"

namespace ravlet {

// The refiner's commands (RvCommands_FC).
enum RefinerCommand : int { FC_Apply = 3000, FC_Reset = 3001, FC_Stop = 3002 };

// Main window states the refiner sets or reads.
constexpr int kStateIdle = 0;
constexpr int kStateBusy = 1;
constexpr int kStateListReady = 2;
constexpr int kStateFiltering = 8;

class Refiner {
  public:
    explicit Refiner(RefinerHost& host);
    ~Refiner();
    Refiner(const Refiner&) = delete;
    Refiner& operator=(const Refiner&) = delete;

    static constexpr const char* kCaption = "FilterRavPad";
    // Set while a refiner window is loaded; the main window reads it.
    static bool RefinerOpen();

    FilterPad& Pad() { return pad_; }
    const FilterPad& Pad() const { return pad_; }

    // The reset copy ("List"): the main window's SetResetList fills it.
    void SetResetList(const std::vector<std::string>& rows) { resetList_ = rows; }
    const std::vector<std::string>& ResetList() const { return resetList_; }

    void RvCommands_FC(int code);
    void ApplyAll();
    void DoApply(int entry);
    void Reset();
    void AskStop();
    bool StopFlag() const { return stop_; }
    bool Applying() const { return applying_; }
    // Applying, or reading the pad: both yield to events with the pad half done.
    bool PadBusy() const { return applying_ || !readEnabled_; }
    int ActiveFilterCount() const;

    // The window's controls.
    std::string ApplyCaption() const;  // "&Apply", or "&Stop" while filtering
    // What the main window's State lets the two buttons do: apply in 0 and 2 (stop in 8),
    // reset likewise; under a download or a get both wait.
    bool ApplyEnabled() const;
    bool ResetEnabled() const;
    void cApply_Click(int index);  // 0 apply or stop, 1 reset
    void cCfg_Click(int index);    // 0 "&Save", 1 "R&ead"
    bool ReadEnabled() const { return readEnabled_; }
    // The pad stays as it is while it is applied or read: these do nothing meanwhile.
    void Gcmd_Delete() {
        if (!PadBusy()) pad_.DeleteSelected();
    }
    void zmFgroup_Click() {
        if (!PadBusy()) pad_.AddGroup();
    }
    void zmFitem_Click(const std::string& kind) {
        if (!PadBusy()) pad_.AddFilter(kind);
    }
    void zmLget_Click() { host_.SetResetList(); }
    void zcAny_Click() { host_.RvCommand(2001); }
    // The "&Filter" menu: "&Group", a separator (empty), then one item a kind.
    static std::vector<std::string> FilterMenu();

    // Window life. Load reads the default pad; Unload writes it (unless it was a file
    // that could not be read whole, which is left as it is until "&Save").
    void Form_Load();
    void Form_Unload(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SaveDefault();
    void ReadDefault();
    // True while the pad came from a default file that could not be read whole.
    bool KeepDefaultFile() const { return keepDefault_; }

    // After a reset: the window gives its "&Reset" button the focus.
    std::function<void()> onResetDone;

  private:
    // One filter over rows; false when the rows stayed as they were.
    bool RunFilter(int entry, std::vector<std::string>& rows, std::vector<char>& selected);
    void ListRows(std::vector<std::string>& rows, std::vector<char>& selected) const;
    void StoreRows(std::vector<std::string>& rows, const std::vector<char>& selected);

    RefinerHost& host_;
    FilterPad pad_;
    std::vector<std::string> resetList_;
    bool stop_ = false;
    bool applying_ = false;
    bool resetPending_ = false;
    bool readEnabled_ = true;
    bool keepDefault_ = false;
    bool loaded_ = false;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace ravlet
