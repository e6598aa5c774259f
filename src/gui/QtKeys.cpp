#include "gui/QtKeys.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace ravlet::gui {

KeyFocus FocusOf(const QWidget* w) {
    if (!w) return KeyFocus::Window;
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
        qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w))
        return KeyFocus::TextField;
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->isEditable() ? KeyFocus::TextField : KeyFocus::Window;
    // A text view's viewport has the focus on behalf of its view.
    if (const QWidget* parent = w->parentWidget();
        parent &&
        (qobject_cast<const QTextEdit*>(parent) || qobject_cast<const QPlainTextEdit*>(parent)))
        return KeyFocus::TextField;
    if (qobject_cast<const QAbstractItemView*>(w)) return KeyFocus::List;
    return KeyFocus::Window;
}

const QWidget* FocusedIn(const QWidget* window) {
    if (!window) return nullptr;
    const QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == window || window->isAncestorOf(focus))) return focus;
    focus = window->focusWidget();
    return focus ? focus : window;
}

KeyPress ToKeyPress(const QKeyEvent& event, const QWidget* focus) {
    KeyPress k;
    k.focus = FocusOf(focus);
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
