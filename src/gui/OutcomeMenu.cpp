#include "gui/OutcomeMenu.h"

#include "main/frmMain.h"

namespace ravlet::gui {

void AddOutcomeCommands(QMenu* menu, frmMain& main) {
    menu->addSeparator();
    MainDownloads& d = main.Downloads();
    QObject::connect(menu->addAction(QStringLiteral("Retry failed")), &QAction::triggered, menu,
                     [&d] { d.RetryFailed(); });
    QObject::connect(menu->addAction(QStringLiteral("Select failed")), &QAction::triggered, menu,
                     [&d] { d.SelectFailed(); });
    QObject::connect(menu->addAction(QStringLiteral("Open download folder")), &QAction::triggered,
                     menu, [&d] { d.OpenDownloadFolder(); });
    QAction* open = menu->addAction(QStringLiteral("Open file"));
    QObject::connect(open, &QAction::triggered, menu, [&d] { d.OpenFile(); });
    QAction* show = menu->addAction(QStringLiteral("Show in folder"));
    QObject::connect(show, &QAction::triggered, menu, [&d] { d.ShowInFolder(); });
    // Only a done row has a file to open.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&d, open, show] {
        const bool done = !d.CurrentFile().empty();
        open->setEnabled(done);
        show->setEnabled(done);
    });
}

}  // namespace ravlet::gui
