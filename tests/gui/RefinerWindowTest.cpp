#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "app/Settings.h"
#include "filters/ListOnlyHost.h"
#include "gui/FilterGenWidget.h"
#include "gui/RefinerWindow.h"
#include "gui/frmRefineNew.h"
#include "support/MainFixture.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {

namespace {

// The refiner window sizes itself from the main window's height.
struct Host : ListOnlyHost {
    Host() { mainHeight = 500 * gui::frmRefineNew::kUnitsPerPixel; }
};

QPushButton* ButtonWithHint(QWidget* window, const QString& hint) {
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->toolTip() == hint) return b;
    return nullptr;
}

QAction* MenuItem(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

}  // namespace

TEST(RefinerWindow, FiltersGetTheirKindsPanelAndEditTheFilter) {
    test::TempHome home;
    test::ScriptedUi ui;
    SettingsSetDefaults(AppSettings());
    Host host;
    gui::frmRefineNew window(host);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("FilterRavPad"));
    ASSERT_NE(MenuItem(window.FilterMenu(), QStringLiteral("Cleanup")), nullptr);
    for (const char* kind : {"&Group", "Cleanup", "Pre- and Suf-fix"})
        MenuItem(window.FilterMenu(), QString::fromLatin1(kind))->trigger();

    FilterPad& pad = window.Logic().Pad();
    ASSERT_EQ(pad.List().EntryCount(), 3);
    FilterGen* cleanup = pad.FilterAt(2);
    ASSERT_NE(cleanup, nullptr);
    auto* panel = dynamic_cast<gui::FilterGenWidget*>(cleanup->View());
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(panel->Panel(), nullptr);
    EXPECT_GT(cleanup->Height(), 0);
    EXPECT_EQ(pad.List().EntryHeight(2), Glist::kRowHeight + cleanup->Height() + 1);

    const auto boxes = panel->findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 5);
    boxes[4]->click();  // "Remove Double Entries!"
    EXPECT_EQ(cleanup->cleanup.opts, kCleanupDoubles);

    auto* ps = dynamic_cast<gui::FilterGenWidget*>(pad.FilterAt(3)->View());
    const auto fields = ps->findChildren<QLineEdit*>();
    ASSERT_EQ(fields.size(), 2);
    for (QChar c : QStringLiteral(".zip")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(fields[0], &press);
    }
    EXPECT_EQ(pad.FilterAt(3)->preSuffix.suffix, ".zip");

    host.list.Assign({"/a.zip", "/A.ZIP", "/b.rar"});
    for (QPushButton* b : window.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("&Apply")) b->click();
    EXPECT_EQ(host.list.Items(), (std::vector<std::string>{"/A.ZIP"}));
}

TEST(RefinerWindow, ThePadOutlivesTheWindow) {
    test::TempHome home;
    test::ScriptedUi ui;
    SettingsSetDefaults(AppSettings());
    Host host;
    {
        gui::frmRefineNew window(host);
        EXPECT_EQ(window.height(), 500);  // no stored height yet
        MenuItem(window.FilterMenu(), QStringLiteral("File Type"))->trigger();
        window.resize(640, 480);
        window.close();
    }
    EXPECT_EQ(AppSettings().winrefinerw, 640 * gui::frmRefineNew::kUnitsPerPixel);
    gui::frmRefineNew again(host);
    EXPECT_EQ(again.size(), QSize(640, 480));  // as it was closed
    ASSERT_EQ(again.Logic().Pad().List().EntryCount(), 1);
    FilterGen* f = again.Logic().Pad().FilterAt(1);
    EXPECT_EQ(f->Filter(), "File Type");
    EXPECT_NE(f->View(), nullptr);  // the read pad gets its panels too
    // Collapsing the filter hides its panel.
    Glist& list = again.Logic().Pad().List();
    auto* panel = dynamic_cast<QWidget*>(f->View());
    EXPECT_FALSE(panel->isHidden());
    list.Collapse(1, true);
    list.Draw();
    EXPECT_TRUE(panel->isHidden());
}

TEST(RefinerWindow, AppliesAndResetsOverTheMainWindow) {
    test::MainFixture f;
    gui::RefinerWindow hooks(*f.main, nullptr);
    EXPECT_FALSE(hooks.RefinerOpen());
    f.Rows({"a#1", "a#2", "b"});
    f.main->SetResetList();
    f.main->RvCommand(3001);  // the command loads the refiner first
    ASSERT_TRUE(hooks.RefinerOpen());
    EXPECT_FALSE(hooks.Window()->isVisible());
    FilterPad& pad = hooks.Window()->Logic().Pad();
    pad.FilterAt(pad.AddFilter("Cleanup"))->cleanup.opts = kCleanupCutAnchor;
    pad.FilterAt(pad.AddFilter("Cleanup"))->cleanup.opts = kCleanupDoubles;

    f.ui.onServeEvents = [&] { hooks.Window()->close(); };  // refused while filters run
    f.main->RvCommand(3000);
    f.ui.onServeEvents = nullptr;
    ASSERT_TRUE(hooks.RefinerOpen());
    EXPECT_EQ(pad.List().EntryCount(), 2);
    EXPECT_EQ(f.Rows(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(f.main->State(), 0);
    EXPECT_EQ(f.main->StatusBar.Caption(), "Ready (2 Links)");

    f.main->RvCommand(3001);
    EXPECT_EQ(f.Rows(), (std::vector<std::string>{"a#1", "a#2", "b"}));

    f.main->State(8);
    QPushButton* apply = ButtonWithHint(hooks.Window(), QStringLiteral("Applies the Filter-Rules"));
    ASSERT_NE(apply, nullptr);
    EXPECT_EQ(apply->text(), QStringLiteral("&Stop"));
    f.main->State(2);
    EXPECT_EQ(apply->text(), QStringLiteral("&Apply"));
}

TEST(RefinerWindow, ToggleShowAndClose) {
    test::MainFixture f;
    gui::RefinerWindow hooks(*f.main, nullptr);
    hooks.ToggleRefiner();
    ASSERT_TRUE(hooks.RefinerOpen());
    EXPECT_TRUE(hooks.Window()->isVisible());
    hooks.ToggleRefiner();
    EXPECT_FALSE(hooks.Window()->isVisible());
    EXPECT_TRUE(hooks.RefinerOpen());
    hooks.ShowRefiner();
    EXPECT_TRUE(hooks.Window()->isVisible());
    f.main->RvCommand(3001);  // a reset hands the focus to its button
    EXPECT_EQ(hooks.Window()->focusWidget(),
              ButtonWithHint(hooks.Window(),
                             QStringLiteral("Reset to originally List - a kind of Undo")));
    hooks.Window()->Logic().zmFgroup_Click();
    EXPECT_TRUE(hooks.CloseRefiner());
    EXPECT_FALSE(hooks.RefinerOpen());
    EXPECT_NE(f.home.Read("default.rvp").find("Group 1"), std::string::npos);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the closed window goes
}

}  // namespace ravlet
