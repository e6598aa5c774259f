#include "filters/PadApply.h"

#include "filters/PadFile.h"
#include "filters/Refiner.h"

namespace ravlet {

namespace {

// The main window as far as the refiner needs it, for a run without windows.
class ListOnlyHost : public RefinerHost {
  public:
    LinkList& ListLinks() override { return list; }
    int State() const override { return state; }
    void State(int s) override { state = s; }
    ctlStatusBar& StatusBar() override { return status; }
    void ListLinksEnabled(bool) override {}
    void ListLinksVisible(bool) override {}
    void SetResetList() override {}
    void RvCommand(int) override {}
    int MainHeight() const override { return 0; }

    LinkList list;
    int state = kStateListReady;
    ctlStatusBar status;
};

}  // namespace

bool PadApplyFile(const std::string& padPath, std::vector<std::string>& rows, std::string* error) {
    ListOnlyHost host;
    Refiner refiner(host);
    const PadReadResult read = PadReadFile(refiner.Pad(), padPath);
    if (!read.Readable()) {
        if (error) *error = read.problem;
        return false;
    }
    host.list.Assign(rows);
    refiner.ApplyAll();
    rows = host.list.Items();
    return true;
}

}  // namespace ravlet
