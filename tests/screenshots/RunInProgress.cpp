// Draws the main window in the middle of a download run into a PNG for the README: the
// outcome columns, the title and the status bar, against a loopback server. One transfer
// stalls half-way while the picture is taken, so the run shows every kind of row.
//     ravlet_run_screenshot [OUT.png]   (docs/run-in-progress.png)
#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdlib>
#include <iostream>

#include "app/Settings.h"
#include "gui/QtClipboard.h"
#include "gui/QtTimer.h"
#include "gui/QtUserInterface.h"
#include "gui/frmMainWindow.h"
#include "main/frmMain.h"
#include "net/ravlet_url.h"
#include "screenshots/TitleBar.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace {

using ravlet::test::TestResponse;

TestResponse File(std::int64_t size, const char* type) {
    TestResponse r;
    r.headers.push_back({"Content-Type", type});
    r.generatedSize = size;
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const QString out =
        QFileInfo(argc > 1 ? QString::fromLocal8Bit(argv[1]) : "docs/run-in-progress.png")
            .absoluteFilePath();
    ravlet::test::TempHome home;
    ravlet::gui::QtUserInterface ui;
    ravlet::gui::QtClipboard clipboard;
    ravlet::gui::InstallQtTimers();
    ravlet::UrlSchemesInit();

    ravlet::test::TestHttpServer server;
    server.Route("/files/ravlet-0.1.0.tar.gz", File(184320, "application/gzip"));
    server.Route("/files/manual.pdf", File(61440, "application/pdf"));
    server.Route("/files/news.html", ravlet::test::Page("<p>news</p>"));
    server.Route("/files/music/live-01.mp3", File(3500000, "audio/mpeg"));
    TestResponse stalling = File(2400000, "video/webm");
    stalling.stallAfter = 1100000;
    stalling.resumeAfterMs = 8000;
    server.Route("/files/video/tour.webm", stalling);

    ravlet::Settings& s = ravlet::AppSettings();
    ravlet::SettingsSetDefaults(s);
    s.savedir = home.File("ravlet") + "/";
    s.filenaming = 1;
    s.netdownloadignoretext = true;
    s.confirmclose = false;
    s.Auto_Close = 0;

    ravlet::frmMain logic;
    ravlet::gui::frmMainWindow window(logic);
    ui.SetOwner(&window);
    logic.ShowMainWindow();
    logic.txtUrl.text = server.Url("/files/index.html");
    logic.txtUrlBase = server.Url("/files/");
    logic.ListLinks().Assign({"ravlet-0.1.0.tar.gz", "manual.pdf", "news.html", "ravlet-0.0.9.zip",
                              "music/live-01.mp3", "video/tour.webm", "music/live-02.mp3",
                              "images/screens/main.png"});
    logic.State(ravlet::State_ListReady);
    window.resize(1180, 560);
    logic.RefreshView(ravlet::View_All);

    bool saved = false;
    // Taken while the last transfer waits for the rest of its body.
    QTimer::singleShot(3000, [&] {
        saved = ravlet::test::WithTitleBar(window).save(out);
        logic.Downloads().Run().Stop();
    });
    logic.Download().DownloadButton(0);
    if (!saved) {
        std::cerr << "ravlet_run_screenshot: cannot write " << out.toStdString() << "\n";
        return 1;
    }
    std::cout << out.toStdString() << "\n";
    return 0;
}
