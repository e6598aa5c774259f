// ravlet: the desktop program. The start routine opens the main window and hands it the
// command line; the process lives as long as the window does.
#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "app/CommandLine.h"
#include "app/Integration.h"
#include "app/Startup.h"
#include "gui/QtClipboard.h"
#include "gui/QtTimer.h"
#include "gui/QtUserInterface.h"
#include "gui/RefinerWindow.h"
#include "gui/frmMainWindow.h"
#include "main/frmMain.h"
#include "net/ravlet_url.h"

namespace {

bool HaveDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!HaveDisplay()) {
        std::cerr << "ravlet: there is no display to open the main window on.\n"
                     "Start it from a desktop session, or on a virtual display:\n"
                     "    xvfb-run -a "
                  << argv[0]
                  << " [ADDRESS]\n"
                     "ravlet-cli does the same work without a window (ravlet-cli --help).\n";
        return 2;
    }
    const std::string commandLine = ravlet::ProcessCommandLine(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ravlet"));
    QApplication::setQuitOnLastWindowClosed(false);
    ravlet::gui::QtUserInterface ui;
    ravlet::gui::QtClipboard clipboard;
    ravlet::gui::InstallQtTimers();
    ravlet::UrlSchemesInit();

    ravlet::frmMain logic;
    ravlet::gui::frmMainWindow window(logic);
    ravlet::gui::RefinerWindow refiner(logic, &window);
    ui.SetOwner(&window);
    ravlet::StartRavlet(logic, commandLine, [](int mode) { return ravlet::SetIntegration(mode); });
    if (logic.Closed()) return 0;
    return app.exec();
}
