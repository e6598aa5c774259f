#pragma once
// The logic's main window under the scripted fixture, drawn by the real window, and the ways
// the window tests reach into it: menu entries, keys, the cells of a list.
#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include "app/Settings.h"
#include "gui/LinkListView.h"
#include "gui/frmMainWindow.h"
#include "main/frmMain.h"
#include "support/MainFixture.h"

namespace ravlet::gui {

// The first entry of the menu whose text starts with caption (a shortcut may follow it).
inline QAction* MenuEntry(const frmMainWindow& view, const char* menu, const char* caption) {
    for (QAction* a : view.Menu(QString::fromUtf8(menu))->actions())
        if (a->text().startsWith(QString::fromUtf8(caption))) return a;
    return nullptr;
}

// A press and a release of the key.
inline void SendKey(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods);
    QApplication::sendEvent(target, &release);
}

// A column of the view's rows, top to bottom.
inline QStringList Cells(const QAbstractItemView& list, int column = 0) {
    QStringList cells;
    for (int r = 0; r < list.model()->rowCount(); ++r)
        cells << list.model()->index(r, column).data().toString();
    return cells;
}

struct MainUnderTest {
    MainUnderTest() : view(*f.main) {
        AppSettings().confirmclose = false;
        f.main->ShowMainWindow();
    }
    QAction* Action(const char* menu, const char* caption) const {
        return MenuEntry(view, menu, caption);
    }
    QStringList Shown() const { return Cells(*view.ListLinks()); }  // the list as drawn
    int Rows() const { return view.ListLinks()->model()->rowCount(); }
    QString Row(int i) const { return view.ListLinks()->model()->index(i, 0).data().toString(); }
    test::MainFixture f;
    frmMainWindow view;
};

}  // namespace ravlet::gui
