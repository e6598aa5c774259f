#include "gui/frmMainWindow.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <map>

#include "gui/MainWindowUnderTest.h"
#include "gui/QtClipboard.h"
#include "gui/StatusBarWidget.h"
#include "gui/frmLogView.h"
#include "support/RecordingAutomation.h"
#include "support/TestHttpServer.h"

namespace ravlet::gui {

TEST(frmMainWindow, TheGetButtonFetchesThePageIntoTheList) {
    test::TestHttpServer server;
    const std::string page =
        "<a href=\"first.html\">1</a><a href=\"http://other.example/second\">2</a>";
    server.Route("/page.html", test::Page(page));
    MainUnderTest w;
    w.view.txtUrl()->setEditText(QString::fromStdString(server.Url("/page.html")));
    w.view.cGo()->click();
    EXPECT_EQ(w.Shown(), (QStringList{"first.html", "http://other.example/second"}));
    EXPECT_EQ(w.f.main->StatusBar.Caption(), "Ready (2 Links)");
    ASSERT_NE(w.view.StatusBar(), nullptr);
    EXPECT_TRUE(w.view.StatusBar()->isVisibleTo(&w.view));
    EXPECT_EQ(w.view.TextHtml()->toPlainText().toStdString(), page);
    EXPECT_TRUE(w.f.ui.messages.empty());
    EXPECT_TRUE(w.view.cGo()->isEnabled());
    EXPECT_EQ(w.view.txtUrl()->itemText(0).toStdString(), server.Url("/page.html"))
        << "the address heads the drop-down";
}

TEST(frmMainWindow, TheCurrentRowAloneFollowsTheLogic) {
    MainUnderTest w;
    w.f.Rows({"a", "b", "c"}, {0});
    w.f.main->RefreshView(View_List);
    w.f.main->ListLinks().Current(2);
    w.f.main->RefreshView(View_Current);
    EXPECT_EQ(w.view.ListLinks()->currentIndex().row(), 2);
    EXPECT_TRUE(w.f.main->ListLinks().Selected(0)) << "the selection stays";
    EXPECT_FALSE(w.f.main->ListLinks().Selected(2));
}

TEST(frmMainWindow, TheGetButtonFollowsStateAndAddMode) {
    MainUnderTest w;
    EXPECT_TRUE(w.view.cGo()->isEnabled());
    EXPECT_EQ(w.view.cGo()->text(), "&Get");
    w.f.main->State(3);
    EXPECT_FALSE(w.view.cGo()->isEnabled());
    EXPECT_FALSE(w.view.DownloadButton(0)->isEnabled());
    EXPECT_TRUE(w.view.DownloadButton(1)->isEnabled());
    w.f.main->State(0);
    QKeyEvent ctrl(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    QApplication::sendEvent(w.view.ListLinks(), &ctrl);
    EXPECT_EQ(w.view.cGo()->text(), "A&dd");
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    QApplication::sendEvent(w.view.ListLinks(), &up);
    EXPECT_EQ(w.view.cGo()->text(), "&Get");
}

TEST(frmMainWindow, ListKeysGoThroughTheLogic) {
    MainUnderTest w;
    w.f.main->doTextParse("<a href=a><a href=b><a href=c>");
    w.view.ListLinks()->setCurrentIndex(w.view.ListLinks()->model()->index(2, 0));
    SendKey(w.view.ListLinks(), Qt::Key_Delete);
    EXPECT_EQ(w.Shown(), (QStringList{"a", "b"}));
    SendKey(w.view.ListLinks(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.f.ClipText(), "a\r\nb");
    SendKey(w.view.ListLinks(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(w.Rows(), 0);
}

TEST(frmMainWindow, TheAddressBoxFeedsTheLogicAndAnEmptyOneIsSaid) {
    MainUnderTest w;
    w.view.txtUrl()->setEditText("www.example.org/x");
    EXPECT_EQ(w.f.main->txtUrl.text, "www.example.org/x");
    w.f.main->SetTxtUrl("http://other/");
    EXPECT_EQ(w.view.txtUrl()->currentText(), "http://other/");
    w.view.txtUrl()->setEditText("");
    w.view.cGo()->click();
    EXPECT_EQ(w.f.MessageTexts(),
              std::vector<std::string>{"Error: You have to Enter an URL !  "
                                       "(prot://server.dom/path/file.ext e.g.)"});
}

TEST(frmMainWindow, TheLogDocksAndUndocks) {
    MainUnderTest w;
    EXPECT_FALSE(w.view.zParentLog()->isVisibleTo(&w.view));
    w.f.main->Log().addMessage("Error: x - Url: http://logged/", false);
    frmLogView* log = w.view.LogView();
    EXPECT_TRUE(w.view.zParentLog()->isVisibleTo(&w.view)) << "the first message docks the log";
    EXPECT_EQ(log->Container()->parentWidget(), w.view.zParentLog());
    EXPECT_EQ(log->Text()->toPlainText(), "Error: x - Url: http://logged/\n");
    EXPECT_TRUE(log->DockBox()->isChecked());

    log->DockBox()->click();
    EXPECT_FALSE(w.f.main->Log().Docked());
    EXPECT_FALSE(w.view.zParentLog()->isVisibleTo(&w.view));
    EXPECT_EQ(log->Container()->parentWidget(), log->Window());
    EXPECT_TRUE(log->Window()->isVisible());
    EXPECT_EQ(log->Text()->toPlainText(), "Error: x - Url: http://logged/\n");

    SendKey(log->Text(), Qt::Key_F7);
    EXPECT_FALSE(log->Window()->isVisible()) << "F7 hides the log window";

    log->DockBox()->click();
    EXPECT_TRUE(w.f.main->Log().Docked());
    EXPECT_EQ(log->Container()->parentWidget(), w.view.zParentLog());
    EXPECT_TRUE(w.view.zParentLog()->isVisibleTo(&w.view));
    EXPECT_FALSE(log->Window()->isVisible());

    log->Button(2)->click();  // "List &Urls"
    EXPECT_EQ(w.Shown(), QStringList{"http://logged/"});
    log->Button(3)->click();  // "Clr && Hi&de"
    EXPECT_EQ(log->Text()->toPlainText(), "");
    EXPECT_FALSE(w.view.zParentLog()->isVisibleTo(&w.view));
}

// The window keys act on the list; pressed in a text box they do the box's own editing.
TEST(frmMainWindow, KeysInTheTextBoxesEditTheBoxAndKeepTheList) {
    MainUnderTest w;
    w.f.Rows({"a", "b", "c"}, {1});
    w.view.Show();
    QLineEdit* url = w.view.txtUrl()->lineEdit();
    url->setText(QStringLiteral("http://host/two words"));
    url->setFocus();
    url->end(false);
    SendKey(url, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(url->text(), QStringLiteral("http://host/two ")) << "the last word is deleted";
    SendKey(url, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(url->selectedText(), url->text()) << "Ctrl+A selects the box's text";
    SendKey(url, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    SendKey(url, Qt::Key_X, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(w.f.Rows(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(w.f.main->ListLinks().SelectedCount(), 1u);
    EXPECT_TRUE(w.f.main->ListLinks().Selected(1));

    QLineEdit* base = w.view.txtUrlBase();
    base->setText(QStringLiteral("http://base/x"));
    base->setFocus();
    SendKey(base, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(w.Rows(), 3) << "Ctrl+Backspace in the base box keeps the list";
    QLineEdit* folder = w.view.dirText()->lineEdit();
    folder->setFocus();
    SendKey(folder, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(w.Rows(), 3) << "and so in the folder box";

    w.view.ListLinks()->setFocus();
    SendKey(w.view.ListLinks(), Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(w.f.main->ListLinks().SelectedCount(), 2u) << "in the list the keys act";
    SendKey(w.view.ListLinks(), Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(w.Rows(), 0);
}

// Text copied by the programs here ends its lines with LF: a paste splits it all the same.
TEST(frmMainWindow, APasteOfLfLinesMakesOneRowALine) {
    MainUnderTest w;
    QtClipboard clipboard;  // the desktop's clipboard instead of the fixture's
    QGuiApplication::clipboard()->setText(QStringLiteral("http://h/1\nhttp://h/2\nhttp://h/3\n"));
    w.f.main->RvCommand(Cmd_Paste);
    EXPECT_EQ(w.f.Rows(), (std::vector<std::string>{"http://h/1", "http://h/2", "http://h/3"}));
    QGuiApplication::clipboard()->setText(QStringLiteral("http://h/4\rhttp://h/5"));
    w.f.main->RvCommand(Cmd_Paste);
    EXPECT_EQ(w.Rows(), 5);
}

TEST(frmMainWindow, MenusCarryTheirShortcutTexts) {
    MainUnderTest w;
    QMenu* edit = w.view.Menu("&Edit");
    ASSERT_NE(edit, nullptr);
    QStringList texts;
    for (QAction* a : edit->actions())
        if (!a->isSeparator()) texts << a->text();
    EXPECT_EQ(texts, (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                                  "&Paste\tCtrl+V", "&Delete\tDel", "Select &All\tCtrl+A",
                                  "&Invert Selection\tCtrl+Shift+I"}));
    QAction* sort = w.Action("&List", "Sort");
    ASSERT_NE(sort, nullptr);
    w.f.Rows({"b", "a"});
    sort->trigger();
    EXPECT_EQ(w.Row(0), "a");
}

TEST(frmMainWindow, TheFolderBarFollowsTheLogic) {
    MainUnderTest w;
    EXPECT_FALSE(w.view.FolderBar()->isVisibleTo(&w.view));
    w.f.main->FolderBarVisible(true);
    EXPECT_TRUE(w.view.FolderBar()->isVisibleTo(&w.view));
    w.view.dirText()->setEditText(QString::fromStdString(w.f.home.path()));
    EXPECT_EQ(AppSettings().savedir, w.f.home.path() + "/");
}

TEST(frmMainWindow, TheReRouteMenuEnablesTheManagersFoundAndTogglesItsOptions) {
    test::RecordingAutomation managers;
    managers.Register("JetCar.Netscape");
    MainUnderTest w;
    QMenu* menu = w.view.Menu("Re-Route");
    ASSERT_NE(menu, nullptr);
    std::map<QString, QAction*> actions;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) actions[a->text()] = a;
    ASSERT_TRUE(actions.count("none (Default)"));
    ASSERT_TRUE(actions.count("Flashget (former JetCar)"));
    EXPECT_TRUE(actions["Flashget (former JetCar)"]->isEnabled());
    EXPECT_FALSE(actions["Net Vampire"]->isEnabled());
    EXPECT_FALSE(actions["Mass Downloader"]->isEnabled());
    EXPECT_TRUE(actions.count("aria2"));
    EXPECT_TRUE(actions["&Re-Route Setup..."]->isEnabled());
    QAction* autoClose = actions["Auto &Close after Re-Route"];
    ASSERT_NE(autoClose, nullptr);
    EXPECT_FALSE(autoClose->isChecked());
    autoClose->trigger();
    EXPECT_TRUE(autoClose->isChecked());
    EXPECT_TRUE(AppSettings().ReRouteAutoClose);
    EXPECT_NE(w.f.home.Read("ravlet.ini").find("\r\nReRouteAutoClose=1\r\n"), std::string::npos);

    w.f.main->txtUrl.text = "http://h/p";
    w.f.main->ListLinks().Assign({"x"});
    managers.calls.clear();
    AppSettings().ReRouteAutoClose = false;
    actions["Flashget (former JetCar)"]->trigger();
    EXPECT_EQ(managers.calls.size(), 2u);
}

}  // namespace ravlet::gui
