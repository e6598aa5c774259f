#pragma once
// Qt's key events as the logic's key presses.
#include <QKeyEvent>

#include "platform/KeyPress.h"

namespace ravlet::gui {

// focus is the widget that has the keyboard focus; nullptr counts as the window.
KeyPress ToKeyPress(const QKeyEvent& event, const QWidget* focus = nullptr);
// Which kind of place a widget is for the keys.
KeyFocus FocusOf(const QWidget* widget);
// The widget inside window that has the keyboard focus (or would have it when the window is
// active); the window itself when none has.
const QWidget* FocusedIn(const QWidget* window);

}  // namespace ravlet::gui
