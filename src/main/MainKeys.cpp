// The keys of the main window and of its link list.
#include "main/frmMain.h"

namespace ravlet {

namespace {

struct KeyCommand {
    int key;
    bool shift, ctrl, alt;
    int code;
    bool onList = true;  // acts on the list: not from a text field, which edits with the key
};

bool Matches(const KeyCommand& k, const KeyPress& p) {
    return k.key == p.key && k.shift == p.shift && k.ctrl == p.ctrl && k.alt == p.alt;
}

// The redo keys' code in the tables: redo consults the state table under Act_Undo.
constexpr int kRedo = -1;

const KeyCommand kWindowKeys[] = {
    {'Z', false, true, false, Act_Undo},
    {'Z', true, true, false, kRedo},
    {'Y', false, true, false, kRedo},
    {'A', false, true, false, Cmd_SelectAll},
    {'I', true, true, false, Cmd_InvertSelection},
    {Key_Backspace, false, true, false, Cmd_Clear},
    {'B', false, true, true, Cmd_ApplyBase},
    {'C', false, true, true, Cmd_CopyList},
    {'V', false, true, true, Cmd_PasteEntry},
    {'X', false, true, true, Cmd_CutList},
    {'B', false, true, false, Cmd_BuildBase, false},
};

const KeyCommand kListKeys[] = {
    {Key_Delete, false, false, false, Cmd_DeleteSelected},
    {'C', false, true, false, Cmd_CopySelected},
    {'V', false, true, false, Cmd_Paste},
    {'X', false, true, false, Cmd_CutSelected},
    {'C', true, true, false, Cmd_CopyList},
};

}  // namespace

bool frmMain::Form_KeyDown(const KeyPress& key) {
    if (key.key == Key_Control) {
        AddMode(true);
        return true;
    }
    for (const KeyCommand& k : kWindowKeys) {
        if (!Matches(k, key)) continue;
        if (k.onList && key.focus == KeyFocus::TextField) return false;
        if (k.code == Act_Undo)
            Undo();
        else if (k.code == kRedo)
            Redo();
        else
            RvCommand(k.code);
        return true;
    }
    if (key.NoModifiers()) {
        if (key.key == Key_F(4)) {
            view_->ShowPreferences(-1);
            return true;
        }
        if (key.key == Key_F(7)) {
            LogToggle();
            return true;
        }
        if (key.key == Key_F(8)) {
            refiner_->ToggleRefiner();
            return true;
        }
    }
    return false;
}

void frmMain::Form_KeyUp(const KeyPress& key) {
    if (key.key == Key_Control) AddMode(false);
}

bool frmMain::ListLinks_KeyDown(const KeyPress& key) {
    for (const KeyCommand& k : kListKeys) {
        if (!Matches(k, key)) continue;
        RvCommand(k.code);
        return true;
    }
    if (key.key == Key_Enter && key.NoModifiers()) {
        EntryInfo();
        return true;
    }
    return false;
}

}  // namespace ravlet
