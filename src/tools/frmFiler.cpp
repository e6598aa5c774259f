#include "tools/frmFiler.h"

#include <new>

#include "platform/BusyPointer.h"
#include "platform/DoEvents.h"
#include "platform/UserInterface.h"
#include "tools/FilerRange.h"

namespace ravlet {

bool frmFiler::ApplyEnabled(int index) const {
    if (index == 0) return runState_ != 0 || host_.GenerateAllowed();
    return runState_ == 0 && host_.ClearAllowed();
}

void frmFiler::cApply_Click(int index) {
    if (index == 1) {
        if (runState_ != 0 || !host_.ClearAllowed()) return;
        host_.ListLinks().Clear();
        host_.ListChanged();
        return;
    }
    if (runState_ != 0) {
        runState_ = 2;
        return;
    }
    if (!host_.GenerateAllowed()) return;
    Generate();
}

void frmFiler::Generate() {
    runState_ = 1;
    const int before = host_.State();
    host_.State(kStateGenerating);
    Redraw();
    // Ends the run whatever way it leaves: caption, buttons and State as they were.
    struct RunEnd {
        frmFiler& f;
        int before;
        ~RunEnd() {
            f.runState_ = 0;
            f.host_.State(before);
            f.Redraw();
        }
    } end{*this, before};

    const FilerRange range = ParseFilerRange(txtRange);
    if (!range.ok) {
        MsgBox(range.tooLarge ? "Number too large in Range (at most 18 digits)"
                              : "Syntax Error in Range",
               MsgButtons::Ok, MsgIcon::None, kCaption);
        return;
    }
    LinkList& list = host_.ListLinks();
    const std::int64_t first = range.first;
    const std::int64_t last =
        chkAdd ? first + static_cast<std::int64_t>(list.Count()) - 1 : range.last;
    const long long count = last >= first ? last - first + 1 : 0;
    if (count > kFilerAskAbove &&
        MsgBox("This generates " + std::to_string(count) + " names. Go on?", MsgButtons::YesNo,
               MsgIcon::Question, kCaption) != MsgAnswer::Yes)
        return;
    if (!chkAdd) list.Clear();

    BusyPointer busy;
    ctlStatusBar& bar = host_.StatusBar();
    bar.Caption("Generate Filenames...");
    int shown = -1;
    for (std::int64_t n = first; count > 0 && n <= last; ++n) {
        const int percent = static_cast<int>(static_cast<long double>(n - first + 1) * 100 / count);
        if (percent != shown) bar.Percent(shown = percent);
        const std::string name = txtDef[0] + FilerNumber(n, range.width, txtRangeTrail) + txtDef[1];
        if (!chkAdd) {
            try {
                list.Add(name);
            } catch (const std::bad_alloc&) {
                MsgBox("An error occured (maybe low memory)\r\n7:Out of memory", MsgButtons::Ok,
                       MsgIcon::Exclamation, kCaption);
                break;
            }
        } else {
            const std::size_t row = static_cast<std::size_t>(n - first);
            if (row >= list.Count()) break;  // rows removed while events were served
            list.Set(row, chkAddOpt == 0 ? name + list.At(row) : list.At(row) + name);
        }
        DoEvents();
        if (runState_ == 2) break;
        if (n == last) break;  // the end of the range may be the largest number there is
    }
    bar.Caption("ready");
    bar.Percent(0);
    host_.ListChanged();
}

}  // namespace ravlet
