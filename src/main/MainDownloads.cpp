#include "main/MainDownloads.h"

#include "app/Settings.h"
#include "main/SaveSettings.h"
#include "main/frmMain.h"

namespace ravlet {

namespace {
// Without a window to ask, an existing file is kept: the answer of a closed question.
class SkippingOverwrite : public OverwriteView {
  public:
    OverwriteAnswer Show(const OverwriteQuestion&, frmOverwrite&) override { return {}; }
};
}  // namespace

MainDownloads::MainDownloads(frmMain& main)
    : main_(main),
      skipping_(std::make_unique<SkippingOverwrite>()),
      overwrite_(skipping_.get()),
      run_(*this, AppSettings()) {}

MainDownloads::~MainDownloads() = default;

LinkList& MainDownloads::Links() {
    return main_.ListLinks();
}

void MainDownloads::CurrentRow(long row) {
    main_.ListLinks().Current(row);
    main_.RefreshView(View_Current);
}

std::string MainDownloads::PageAddress() const {
    return main_.txtUrl.text;
}

std::string MainDownloads::BaseSafe(const std::string& entry) const {
    return main_.BaseSafe(entry);
}

int MainDownloads::State() const {
    return main_.State();
}

void MainDownloads::State(int state) {
    main_.State(state);
}

void MainDownloads::Status(const std::string& text) {
    main_.Interface_Status(text);
}

ctlStatusBar& MainDownloads::StatusBar() {
    return main_.StatusBar;
}

RvNetGet& MainDownloads::Net() {
    return main_.objRvGet;
}

void MainDownloads::WriteSettings() {
    SaveSettings(false);
}

bool MainDownloads::RefinerOpen() const {
    return main_.Refiner().RefinerOpen();
}

void MainDownloads::CloseRefiner() {
    main_.Refiner().CloseRefiner();
}

void MainDownloads::AutoClose() {
    main_.AutoClose();
}

void MainDownloads::ChooseDownloadFolder() {
    main_.dirSelect_Click();
}

void MainDownloads::ShowNamingMenu() {
    main_.View().ShowNamingMenu();
}

}  // namespace ravlet
