#include "main/MainDownloads.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/Settings.h"
#include "support/MainFixture.h"
#include "support/TestHttpServer.h"

namespace ravlet {

namespace {

// The main window with its own download run, a download folder and a local server.
struct Downloads {
    Downloads() {
        f.main->SetDownload(nullptr);
        std::filesystem::create_directories(f.home.File("dl"));
        AppSettings().savedir = f.home.File("dl") + "/";
        AppSettings().filenaming = 1;
        f.main->ShowMainWindow();
        server.Route("/files/a.bin", test::Typed("first file", "application/octet-stream"));
        server.Route("/files/b.bin", test::Typed("second", "application/octet-stream"));
    }
    test::MainFixture f;
    test::TestHttpServer server;
};

}  // namespace

TEST(MainDownloads, TheStartButtonDownloadsTheListAgainstTheBase) {
    Downloads d;
    d.f.Rows({"a.bin", "b.bin", "missing.bin"});
    d.f.main->txtUrlBase = d.server.Url("/files/");
    d.f.main->Download().DownloadButton(0);
    EXPECT_EQ(d.f.home.Read("dl/a.bin"), "first file");
    EXPECT_EQ(d.f.home.Read("dl/b.bin"), "second");
    EXPECT_EQ(d.f.main->State(), 0);
    EXPECT_EQ(d.f.main->StatusBar.Caption(), "download finished. 1 error(s)");
    EXPECT_EQ(d.f.main->ListLinks().Current(), 2) << "the list follows the run";
    ASSERT_TRUE(d.f.main->LogLoaded()) << "the failure went to the window's log";
    EXPECT_NE(d.f.main->Log().txtLog().find("Error: Http Code not OK (200):404 - Url: " +
                                            d.server.Url("/files/missing.bin")),
              std::string::npos);
    EXPECT_TRUE(d.f.main->LogPaneVisible());
    EXPECT_NE(d.f.home.Read("ravlet.ini"), "") << "the run writes the settings first";
}

TEST(MainDownloads, AnExistingFileIsKeptWithoutAWindowToAsk) {
    Downloads d;
    d.f.home.Write("dl/a.bin", "old content");
    d.f.Rows({d.server.Url("/files/a.bin")});
    d.f.main->Download().DownloadButton(0);
    EXPECT_EQ(d.f.home.Read("dl/a.bin"), "old content");
    EXPECT_EQ(d.f.main->StatusBar.Caption(), "download finished. 0 error(s)");
}

TEST(MainDownloads, TheAutomaticCloseClosesTheWindowWithoutTheQuestion) {
    struct Closing : test::RecordingView {
        int closes = 0;
        void CloseWindow() override { ++closes; }
    } view;
    Downloads d;
    d.f.main->SetView(&view);
    AppSettings().Auto_Close = 1;
    d.f.Rows({d.server.Url("/files/a.bin")});
    d.f.main->Download().DownloadButton(0);
    EXPECT_EQ(view.closes, 1);
    EXPECT_TRUE(d.f.main->Closed());
    EXPECT_TRUE(d.f.ui.messages.empty()) << "no closing question";
    d.f.main->SetView(nullptr);
}

}  // namespace ravlet
