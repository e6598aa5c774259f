#pragma once
// Qt's key events as the logic's key presses.
#include <QKeyEvent>

#include "platform/KeyPress.h"

namespace ravlet::gui {

KeyPress ToKeyPress(const QKeyEvent& event);

}  // namespace ravlet::gui
