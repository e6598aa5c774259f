#pragma once
// A download run in a fresh program folder against a loopback server: default settings with
// the download folder "dl/", short names and no retries (their tests turn them on), and the
// run's log recorded.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "main/DownloadRun.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"
#include "support/DownloadHostFake.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet::test {

class RunFixture : public ::testing::Test {
  protected:
    using Names = std::vector<std::string>;

    RunFixture() {
        UrlSchemesInit();
        SettingsSetDefaults(settings);
        settings.savedir = home.path() + "/dl/";
        settings.filenaming = 1;
        settings.netRetries = 0;
        SetLogHandler([this](const std::string& text, bool) { log.push_back(text); });
    }
    ~RunFixture() override { SetLogHandler({}); }

    std::string Saved(const std::string& name) const { return settings.savedir + name; }
    std::string Content(const std::string& name) const { return home.Read("dl/" + name); }
    void Existing(const std::string& name, const std::string& bytes) {
        MakePathFor(Saved(name));
        home.Write("dl/" + name, bytes);
    }
    // Files below the download folder, part files included, sorted.
    Names Files() const {
        namespace fs = std::filesystem;
        Names names;
        std::error_code ec;
        for (fs::recursive_directory_iterator e(settings.savedir, ec), end; !ec && e != end;
             e.increment(ec))
            if (e->is_regular_file())
                names.push_back(e->path().lexically_relative(settings.savedir).string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempHome home;
    ScriptedUi ui;
    TestHttpServer server;
    Settings settings;
    DownloadHostFake host;
    DownloadRun run{host, settings};
    Names log;
};

}  // namespace ravlet::test
