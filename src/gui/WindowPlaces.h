#pragma once
// The places of the main window and the refiner, kept in the settings record across starts.
#include <QMimeData>
#include <QWidget>

#include "main/Drop.h"

namespace ravlet::gui {

// Moves and sizes window as it was; true when it was maximised.
bool RestoreMainPlace(QWidget& window);
// Notes the place of the normal window and whether it is maximised; a minimised window
// keeps the last ones.
void StoreMainPlace(const QWidget& window);
void RestoreRefinerPlace(QWidget& window);
void StoreRefinerPlace(const QWidget& window);
// The log's own window, when it is not docked.
void RestoreLogWindowPlace(QWidget& window);
void StoreLogWindowPlace(const QWidget& window);

// What a drop on the main window brings, for the logic: local files apart from addresses.
DropData DropDataOf(const QMimeData& mime);
bool DropWanted(const QMimeData& mime);

}  // namespace ravlet::gui
