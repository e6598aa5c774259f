#pragma once
// A key press as the windows' key handlers see it, free of any window system.
namespace ravlet {

enum KeyCode : int {
    // Letters and digits are their upper-case ASCII codes ('A', '7').
    Key_Backspace = 8,
    Key_Tab = 9,
    Key_Enter = 13,
    Key_Escape = 27,
    Key_Delete = 127,
    Key_Control = 0x100,
    Key_Shift,
    Key_Alt,
    Key_Menu,        // the context-menu key
    Key_F1 = 0x200,  // Key_F1 + n - 1 is Fn
};

// Where a key was pressed. A text field does its own editing with keys such as Ctrl+A or
// Ctrl+Backspace; the window's keys act on the list only from the list or the window.
enum class KeyFocus { Window, List, TextField };

struct KeyPress {
    int key = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    KeyFocus focus = KeyFocus::Window;
    bool NoModifiers() const { return !shift && !ctrl && !alt; }
};

constexpr int Key_F(int n) {
    return Key_F1 + n - 1;
}

}  // namespace ravlet
