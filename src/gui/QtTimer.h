#pragma once
// The logic's timers as QTimers of the event loop.
namespace ravlet::gui {

// Makes every timer the logic creates from now on a QTimer.
void InstallQtTimers();

}  // namespace ravlet::gui
