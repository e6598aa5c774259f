// Draws the main window as a new user first sees it into a PNG for the README: the empty
// list says where to begin.
//     ravlet_first_start_screenshot [OUT.png]   (docs/first-start.png)
#include <QApplication>
#include <QFileInfo>
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

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const QString out =
        QFileInfo(argc > 1 ? QString::fromLocal8Bit(argv[1]) : "docs/first-start.png")
            .absoluteFilePath();
    ravlet::test::TempHome home;
    ravlet::gui::QtUserInterface ui;
    ravlet::gui::QtClipboard clipboard;
    ravlet::gui::InstallQtTimers();
    ravlet::UrlSchemesInit();
    ravlet::SettingsSetDefaults(ravlet::AppSettings());
    ravlet::AppSettings().confirmclose = false;

    ravlet::frmMain logic;
    ravlet::gui::frmMainWindow window(logic);
    ui.SetOwner(&window);
    logic.ShowMainWindow();
    window.resize(900, 480);
    logic.RefreshView(ravlet::View_All);
    QApplication::processEvents();
    if (!ravlet::test::WithTitleBar(window).save(out)) {
        std::cerr << "ravlet_first_start_screenshot: cannot write " << out.toStdString() << "\n";
        return 1;
    }
    std::cout << out.toStdString() << "\n";
    return 0;
}
