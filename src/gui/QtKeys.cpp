#include "gui/QtKeys.h"

namespace ravlet::gui {

KeyPress ToKeyPress(const QKeyEvent& event) {
    KeyPress k;
    const Qt::KeyboardModifiers m = event.modifiers();
    k.shift = m & Qt::ShiftModifier;
    k.ctrl = m & Qt::ControlModifier;
    k.alt = m & Qt::AltModifier;
    const int key = event.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        k.key = 'A' + (key - Qt::Key_A);
    else if (key >= Qt::Key_0 && key <= Qt::Key_9)
        k.key = '0' + (key - Qt::Key_0);
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        k.key = Key_F(1 + (key - Qt::Key_F1));
    else {
        switch (key) {
            case Qt::Key_Backspace:
                k.key = Key_Backspace;
                break;
            case Qt::Key_Tab:
                k.key = Key_Tab;
                break;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                k.key = Key_Enter;
                break;
            case Qt::Key_Escape:
                k.key = Key_Escape;
                break;
            case Qt::Key_Delete:
                k.key = Key_Delete;
                break;
            case Qt::Key_Control:
                k.key = Key_Control;
                break;
            case Qt::Key_Shift:
                k.key = Key_Shift;
                break;
            case Qt::Key_Alt:
                k.key = Key_Alt;
                break;
            case Qt::Key_Menu:
                k.key = Key_Menu;
                break;
            default:
                k.key = 0;
                break;
        }
    }
    return k;
}

}  // namespace ravlet::gui
