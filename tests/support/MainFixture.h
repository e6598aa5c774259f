#pragma once
// A main window of the logic in a fresh program folder: default settings, a scripted user
// interface, a clipboard of its own, a manual clock for the timers and a recorded log.
#include <memory>
#include <string>
#include <vector>

#include "main/frmExportHtml.h"
#include "main/frmMain.h"
#include "platform/Clipboard.h"
#include "support/ManualClock.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet::test {

// Records what the main window hands to the refiner and the download task.
struct RecordingRefiner : RefinerHooks {
    std::vector<int> commands;
    int shows = 0;
    void RvCommands_FC(int code) override { commands.push_back(code); }
    void ShowRefiner() override { ++shows; }
};

struct RecordingDownload : DownloadHooks {
    std::vector<int> buttons;
    void DownloadButton(int index) override { buttons.push_back(index); }
};

struct RecordingView : MainView {
    int focusUrl = 0;
    int terminated = 0;
    std::vector<std::string> infos;
    void FocusUrlBox() override { ++focusUrl; }
    void Terminate() override { ++terminated; }
    // The export's options window: confirmed as it is preset.
    void ShowExportOptions(frmExportHtml& form) override { form.cmd_Click(0); }
    void ShowInfo(const std::string& address, const std::string& referrer,
                  const std::string& base) override {
        infos.push_back(address + " | " + referrer + " | " + base);
    }
};

class MainFixture {
  public:
    MainFixture();
    ~MainFixture();

    // Fills the list with rows and selects the given ones.
    void Rows(const std::vector<std::string>& rows, const std::vector<std::size_t>& selected = {});
    std::vector<std::string> Rows() const { return main->ListLinks().Items(); }
    void Clip(const std::string& text);  // the clipboard holds text
    std::string ClipText() const { return clipboard.hasText ? clipboard.text : "<empty>"; }
    std::vector<std::string> MessageTexts() const;

    TempHome home;
    ScriptedUi ui;
    MemoryClipboard clipboard;
    ManualClock clock;
    RecordingRefiner refiner;
    RecordingDownload download;
    RecordingView view;
    std::vector<std::string> log;
    std::unique_ptr<frmMain> main;
};

}  // namespace ravlet::test
