#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "platform/Shell.h"
#include "reroute/ReRoute.h"
#include "support/FakeReRouteHost.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {

namespace {

using Argv = std::vector<std::string>;

// PATH is one folder of the test's, with or without an executable uget-gtk in it; the
// starts are recorded and answered with started.
struct UgetWorld {
    test::TempHome home;
    test::ScriptedUi ui;
    std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    std::vector<Argv> starts;
    std::vector<std::string> log;
    bool started = true;

    explicit UgetWorld(bool installed) {
        SettingsSetDefaults(AppSettings());
        const std::string bin = home.File("bin");
        std::filesystem::create_directory(bin);
        if (installed) {
            home.Write("bin/uget-gtk", "#!/bin/sh\n");
            std::filesystem::permissions(bin + "/uget-gtk", std::filesystem::perms::owner_all);
        }
        setenv("PATH", bin.c_str(), 1);
        SetShellStartRecorder([this](const Argv& argv) {
            starts.push_back(argv);
            return started;
        });
        SetLogHandler([this](const std::string& t, bool) { log.push_back(t); });
    }
    ~UgetWorld() {
        SetLogHandler(nullptr);
        SetShellStartRecorder(nullptr);
        setenv("PATH", oldPath.c_str(), 1);
        SettingsSetDefaults(AppSettings());
    }
};

}  // namespace

TEST(UgetHandOff, EachAddressStartsUgetQuietlyWithReferrerAndFolder) {
    UgetWorld w(true);
    AppSettings().savedir = "/srv/dl/";
    test::FakeReRouteHost host;
    host.page = "http://site/d/p.html";
    host.rows = {"a.zip", "http://o/b c.zip"};
    EXPECT_EQ(ReRoute(host, "uget", "", ""), 1);
    EXPECT_EQ(ReRouteRows(host, "uget", host.page), 1);
    EXPECT_EQ(w.starts,
              (std::vector<Argv>{{"uget-gtk", "--quiet", "--http-referer=http://site/d/p.html",
                                  "--folder=/srv/dl/", "http://site/d/a.zip"},
                                 {"uget-gtk", "--quiet", "--http-referer=http://site/d/p.html",
                                  "--folder=/srv/dl/", "http://o/b c.zip"}}));
    EXPECT_TRUE(w.ui.messages.empty());
}

TEST(UgetHandOff, NoReferrerNoOptionAndAnOptionLikeAddressIsKeptBack) {
    UgetWorld w(true);
    AppSettings().savedir = "";
    EXPECT_EQ(ReRouteUget("http://h/x", ""), 1);
    EXPECT_EQ(ReRouteUget("--version", ""), 1);
    EXPECT_EQ(w.starts, (std::vector<Argv>{{"uget-gtk", "--quiet", "http://h/x"}}));
    ASSERT_EQ(w.log.size(), 1u);
    EXPECT_NE(w.log[0].find("Url: --version"), std::string::npos);
}

TEST(UgetHandOff, MissingOrNotStartingIsAFailure) {
    {
        UgetWorld w(false);
        EXPECT_EQ(ReRouteUget("", ""), 0);
        EXPECT_TRUE(w.ui.messages.empty());
        EXPECT_EQ(ReRouteUget("http://h/x", ""), 0);
        ASSERT_EQ(w.ui.messages.size(), 1u);
        EXPECT_EQ(w.ui.messages[0].text, "uGet not installed / found, can't add");
        EXPECT_TRUE(w.starts.empty());
    }
    UgetWorld w(true);
    w.started = false;
    EXPECT_EQ(ReRouteUget("http://h/x", ""), 0);
    ASSERT_EQ(w.ui.messages.size(), 1u);
    EXPECT_EQ(w.ui.messages[0].text, "uGet could not be started.");
}

}  // namespace ravlet
