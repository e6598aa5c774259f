#pragma once
// A window for the download run in tests: records State, status texts and window actions.
#include <functional>
#include <string>
#include <vector>

#include "links/LinkList.h"
#include "main/DownloadHost.h"
#include "net/RvNetGet.h"
#include "net/ravlet_url.h"
#include "support/ScriptedOverwrite.h"
#include "tools/ctlStatusBar.h"

namespace ravlet::test {

class DownloadHostFake : public DownloadHost {
  public:
    LinkList& Links() override { return list; }
    void CurrentRow(long row) override {
        list.Current(row);
        rows.push_back(row);
    }
    std::string PageAddress() const override { return page; }
    std::string BaseSafe(const std::string& entry) const override {
        return UrlResolve(UrlHasScheme(base) ? base : UrlBase(page), entry);
    }
    int State() const override { return state; }
    void State(int value) override {
        state = value;
        states.push_back(value);
    }
    void Status(const std::string& text) override {
        status = text;
        if (text.rfind("reading url: ", 0) != 0)
            statuses.push_back(text);
        else
            ++readingStatuses;
    }
    ctlStatusBar& StatusBar() override { return bar; }
    RvNetGet& Net() override { return net; }
    OverwriteView& OverwriteWindow() override { return overwrite; }
    void WriteSettings() override {
        ++settingsWrites;
        if (onWriteSettings) onWriteSettings();
    }
    bool RefinerOpen() const override { return refinerOpen; }
    void CloseRefiner() override {
        refinerOpen = false;
        ++refinerCloses;
    }
    void AutoClose() override { ++autoCloses; }
    void ChooseDownloadFolder() override { ++folderChoices; }
    void ShowNamingMenu() override { ++namingMenus; }

    LinkList list;
    std::string page, base;
    int state = 2;
    std::vector<int> states;
    std::vector<long> rows;
    std::string status;
    std::vector<std::string> statuses;  // every status but the transfer's progress
    int readingStatuses = 0;
    ctlStatusBar bar;
    RvNetGet net;
    ScriptedOverwrite overwrite;
    int settingsWrites = 0;
    std::function<void()> onWriteSettings;
    bool refinerOpen = false;
    int refinerCloses = 0;
    int autoCloses = 0;
    int folderChoices = 0;
    int namingMenus = 0;
};

}  // namespace ravlet::test
