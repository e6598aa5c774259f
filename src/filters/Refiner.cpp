#include "filters/Refiner.h"

#include "app/LogSink.h"
#include "app/Settings.h"
#include "filters/PadFile.h"
#include "filters/RefineRows.h"
#include "main/MainControls.h"
#include "platform/BusyPointer.h"
#include "platform/DoEvents.h"
#include "platform/UserInterface.h"

namespace ravlet {

namespace {

bool refinerOpen = false;

// The width of a refiner that has no stored width yet, in layout units.
constexpr int kDefaultWidth = 3000;

}  // namespace

Refiner::Refiner(RefinerHost& host) : host_(host) {}

Refiner::~Refiner() {
    if (loaded_) refinerOpen = false;
}

bool Refiner::RefinerOpen() {
    return refinerOpen;
}

void Refiner::RvCommands_FC(int code) {
    const bool known = code == FC_Apply || code == FC_Reset || code == FC_Stop;
    // The main window's state table decides, also for the refiner's own buttons.
    if (known && !CommandAllowed(code, host_.State())) return;
    switch (code) {
        case FC_Apply:
            ApplyAll();
            break;
        case FC_Reset:
            Reset();
            break;
        case FC_Stop:
            AskStop();
            break;
        default:
            MsgBox("Internal: FC: Command not defined (frmRefineNew)");
    }
}

int Refiner::ActiveFilterCount() const {
    const Glist& list = pad_.List();
    int n = 0;
    for (int i = 1; i <= list.EntryCount() && !stop_; ++i)
        if (list.CheckState(i) == 1 && list.EntryControl(i)) ++n;
    return n;
}

void Refiner::ApplyAll() {
    // One run at a time: the stop question is the only thing that reaches a running one.
    if (applying_) return;
    applying_ = true;
    BusyPointer busy;
    host_.State(kStateFiltering);
    host_.ListLinksEnabled(false);
    stop_ = false;
    Glist& list = pad_.List();
    list.Enabled(false);
    const int active = ActiveFilterCount();
    if (active > 0) {
        ctlStatusBar& status = host_.StatusBar();
        status.Steps(active);
        status.Mode(1);
        // The filters run one after the other over one copy of the rows, which goes back
        // to the list once: the list is disabled meanwhile, and refilling it is the
        // expensive part.
        std::vector<std::string> rows;
        std::vector<char> selected;
        ListRows(rows, selected);
        bool changed = false;
        int step = 0;
        for (int i = 1; i <= list.EntryCount() && !stop_; ++i) {
            if (list.CheckState(i) != 1 || !list.EntryControl(i)) continue;
            status.Step(step++);
            if (RunFilter(i, rows, selected)) changed = true;
            DoEvents();
        }
        if (changed) StoreRows(rows, selected);
    }
    list.Enabled(true);
    host_.ListLinksEnabled(true);
    host_.State(kStateIdle);
    applying_ = false;
    if (resetPending_) {
        resetPending_ = false;
        Reset();
    }
}

void Refiner::DoApply(int entry) {
    std::vector<std::string> rows;
    std::vector<char> selected;
    ListRows(rows, selected);
    if (RunFilter(entry, rows, selected)) StoreRows(rows, selected);
}

void Refiner::ListRows(std::vector<std::string>& rows, std::vector<char>& selected) const {
    const LinkList& links = host_.ListLinks();
    rows = links.Items();
    selected.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) selected[i] = links.Selected(i) ? 1 : 0;
}

void Refiner::StoreRows(std::vector<std::string>& rows, const std::vector<char>& selected) {
    LinkList& links = host_.ListLinks();
    links.Assign(std::move(rows));
    for (std::size_t i = 0; i < selected.size() && i < links.Count(); ++i)
        if (selected[i]) links.Select(i, true);
}

bool Refiner::RunFilter(int entry, std::vector<std::string>& rowsIn, std::vector<char>& selected) {
    FilterGen* filter = pad_.FilterAt(entry);
    if (!filter) return false;
    const std::size_t n = rowsIn.size();
    if (n == 0) return false;
    ctlStatusBar& status = host_.StatusBar();
    const std::string& caption = pad_.List().Entry(entry)->caption;
    std::string text = caption;
    if (filter->Filter() != caption) text += " (" + filter->Filter() + ")";
    status.SetAll(text + "...", 0, 0);

    RefineRows rows(std::move(rowsIn), std::move(selected));
    std::size_t visited = 0;
    int percent = 0;
    while (!rows.Finished()) {
        ++visited;
        const int p = static_cast<int>(visited * 100 / n);
        if (p != percent) status.Percent(percent = p);
        DoEvents();
        if (stop_) break;
        std::string link = rows.Current();
        switch (filter->FilteringLink(rows.CurrentIndex(), link, rows)) {
            case kFilterRemove:
                rows.Remove();
                break;
            case kFilterReplace:
                rows.Replace(link);
                break;
            default:
                rows.Keep();
        }
    }
    const bool changed = rows.Changed();
    rows.Take(rowsIn, selected);
    status.SetAll(filter->Filter() + " done.", 100, 0);
    return changed;
}

void Refiner::Reset() {
    // A reset under a running filter would be overwritten by it: the run stops first, and
    // the reset follows when it has ended.
    if (applying_) {
        stop_ = true;
        resetPending_ = true;
        return;
    }
    BusyPointer busy;
    const int state = host_.State();
    host_.State(kStateBusy);
    host_.ListLinksVisible(false);
    host_.ListLinks().Assign(resetList_);
    host_.ListLinksVisible(true);
    host_.State(state);
    if (onResetDone) onResetDone();
}

void Refiner::AskStop() {
    if (MsgBox("Do you want to stop applying the filter(s) ?", MsgButtons::YesNo,
               MsgIcon::Question) != MsgAnswer::Yes)
        return;
    stop_ = true;
    DoEvents();
}

std::string Refiner::ApplyCaption() const {
    return host_.State() == kStateFiltering ? "&Stop" : "&Apply";
}

bool Refiner::ApplyEnabled() const {
    const int state = host_.State();
    return CommandAllowed(state == kStateFiltering ? FC_Stop : FC_Apply, state);
}

bool Refiner::ResetEnabled() const {
    return CommandAllowed(FC_Reset, host_.State());
}

void Refiner::cApply_Click(int index) {
    if (index == 0)
        RvCommands_FC(host_.State() == kStateFiltering ? FC_Stop : FC_Apply);
    else if (index == 1)
        RvCommands_FC(FC_Reset);
}

void Refiner::cCfg_Click(int index) {
    if (index == 0) {
        SaveDefault();
    } else if (index == 1 && !PadBusy()) {
        readEnabled_ = false;
        ReadDefault();
        readEnabled_ = true;
    }
}

std::vector<std::string> Refiner::FilterMenu() {
    std::vector<std::string> items = {"&Group", ""};
    for (const std::string& kind : FilterGen::Kinds()) items.push_back(kind);
    return items;
}

void Refiner::SaveDefault() {
    std::string error;
    if (PadSaveDefault(pad_, &error)) {
        keepDefault_ = false;
        return;
    }
    // Nobody is asked; the pad in memory stays as it is.
    LogMessage("Refiner: the filter pad could not be saved: " + error);
}

void Refiner::ReadDefault() {
    const PadReadResult result = PadReadDefault(pad_);
    keepDefault_ = !result.Readable();
    if (!keepDefault_) return;
    const std::string path = PadDefaultPath();
    LogMessage("Refiner: " + path + ": " + result.problem);
    MsgBox("The filter pad " + path + " could not be read whole (" + result.problem +
               "). The file is left as it is until you save the filter pad.",
           MsgButtons::Ok, MsgIcon::Exclamation, kCaption);
}

void Refiner::Form_Load() {
    loaded_ = true;
    refinerOpen = true;
    const Settings& s = AppSettings();
    width_ = s.winrefinerw > 0 ? s.winrefinerw : kDefaultWidth;
    height_ = s.winrefinerh > 0 ? s.winrefinerh : host_.MainHeight();
    ReadDefault();
}

void Refiner::Form_Unload(int width, int height) {
    if (!keepDefault_) SaveDefault();
    pad_.Clear();
    width_ = width;
    height_ = height;
    AppSettings().winrefinerw = width;
    AppSettings().winrefinerh = height;
    loaded_ = false;
    refinerOpen = false;
}

}  // namespace ravlet
