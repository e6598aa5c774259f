#include "gui/frmScannerWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "gui/LinkListView.h"
#include "gui/ScannerWindow.h"
#include "gui/frmMainWindow.h"
#include "main/frmMain.h"
#include "support/MainFixture.h"
#include "support/TestHttpServer.h"

namespace ravlet::gui {

namespace {

using test::Page;

// The main window on screen with a local site, and its Tools menu.
struct ScannerUnderTest {
    ScannerUnderTest() : view(*f.main) {
        AppSettings().confirmclose = false;
        AppSettings().Scanner_ListTake = false;
        f.main->ShowMainWindow();
        SetLogHandler([this](const std::string& text, bool) { f.log.push_back(text); });
        server.Route("/index.html", Page("<a href=a.html> <a href=pic.png> "
                                         "<a href=http://elsewhere.invalid/>"));
        server.Route("/a.html", Page("<a href=index.html> <a href=b/c.html>"));
        server.Route("/b/c.html", Page("end"));
        server.Route("/pic.png", Page("png", "image/png"));
    }
    QAction* ToolsItem(const QString& caption) const {
        for (QAction* a : view.Menu(QStringLiteral("&Tools"))->actions())
            if (a->text() == caption) return a;
        return nullptr;
    }
    frmScannerWindow* OpenScanner() {
        QAction* item = ToolsItem(QStringLiteral("&Scanner..."));
        if (!item) return nullptr;
        item->trigger();
        return view.Scanner().Window();
    }
    QStringList Rows(QAbstractItemView* list) const {
        QStringList rows;
        for (int i = 0; i < list->model()->rowCount(); ++i)
            rows << list->model()->index(i, 0).data().toString();
        return rows;
    }
    QString U(const std::string& path) const { return QString::fromStdString(server.Url(path)); }
    test::MainFixture f;
    test::TestHttpServer server;
    frmMainWindow view;
};

}  // namespace

TEST(frmScannerWindow, ScansALocalSiteThroughItsButtons) {
    ScannerUnderTest w;
    w.f.main->txtUrl.text = w.server.Url("/index.html");
    w.f.main->txtUrlBase = w.server.Url("/");
    frmScannerWindow* s = w.OpenScanner();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->windowTitle(), "scanner");
    EXPECT_EQ(s->txtInStart()->text(), w.U("/index.html"));
    EXPECT_EQ(s->txtInBase()->text(), w.U("/"));
    EXPECT_TRUE(s->zcAny(0)->isEnabled());
    EXPECT_FALSE(s->zcAny(1)->isEnabled());
    EXPECT_FALSE(s->zcAny(2)->isEnabled());
    EXPECT_TRUE(s->zmSpref()->isEnabled());
    EXPECT_EQ(s->zmSpref()->text(), "&Preferences...");

    QStringList titles;
    bool pauseEnabledWhileRunning = false;
    w.f.ui.onServeEvents = [&] {
        titles << s->windowTitle();
        pauseEnabledWhileRunning = pauseEnabledWhileRunning || s->zcAny(1)->isEnabled();
    };
    s->zcAny(0)->click();
    w.f.ui.onServeEvents = nullptr;
    EXPECT_TRUE(titles.contains(QStringLiteral("50% scanner"))) << titles.join(',').toStdString();
    EXPECT_TRUE(pauseEnabledWhileRunning);
    EXPECT_EQ(s->windowTitle(), "scanner");
    EXPECT_EQ(s->Logic().StatusLbl.Caption(), "Scan finished.");
    EXPECT_TRUE(s->zcAny(0)->isEnabled());
    EXPECT_FALSE(s->zcAny(2)->isEnabled());
    const QStringList collected{w.U("/index.html"), "http://elsewhere.invalid/", w.U("/pic.png"),
                                w.U("/a.html"), w.U("/b/c.html")};
    EXPECT_EQ(w.Rows(w.view.ListLinks()), collected) << "the main window shows what was collected";
    EXPECT_EQ(w.f.main->State(), 2);
    EXPECT_EQ(w.Rows(s->List(1)),
              (QStringList{w.U("/index.html"), w.U("/pic.png"), w.U("/a.html"), w.U("/b/c.html")}));
    EXPECT_TRUE(w.Rows(s->List(0)).isEmpty());
    EXPECT_EQ(s->StatusInfoLbl()->text(), "0 to go (3 done) :" + w.U("/b/c.html"));
}

TEST(frmScannerWindow, BaseButtonsAndTypedFieldsReachTheLogic) {
    ScannerUnderTest w;
    frmScannerWindow* s = w.OpenScanner();
    ASSERT_NE(s, nullptr);
    s->txtInStart()->setFocus();
    s->txtInStart()->selectAll();
    s->txtInStart()->insert(QStringLiteral("http://h/a/b.html"));  // as typed
    EXPECT_EQ(s->Logic().txtInStart, "http://h/a/b.html");
    s->txtInBaseCmd(0)->click();
    EXPECT_EQ(s->txtInBase()->text(), "http://h/a/b.html");
    s->txtInBaseCmd(1)->click();
    EXPECT_EQ(s->txtInBase()->text(), "http://h/a/");
    s->txtInBaseCmd(2)->click();
    EXPECT_EQ(s->txtInBase()->text(), "http://h/a/b.html");
}

TEST(frmScannerWindow, OneWindowAtATime) {
    ScannerUnderTest w;
    frmScannerWindow* first = w.OpenScanner();
    frmScannerWindow* again = w.OpenScanner();
    EXPECT_EQ(first, again);
    EXPECT_TRUE(frmScanner::ScannerOpen());
}

TEST(frmScannerWindow, TheMainWindowClosesItFirstAndStaysWhenItRefuses) {
    ScannerUnderTest w;
    ASSERT_NE(w.OpenScanner(), nullptr);
    w.f.ui.answers = {MsgAnswer::No};
    EXPECT_FALSE(w.f.main->Form_QueryUnload());
    EXPECT_EQ(w.f.MessageTexts(), (std::vector<std::string>{"Do you want to close the Scanner ?"}));
    EXPECT_NE(w.view.Scanner().Window(), nullptr);
    EXPECT_FALSE(w.f.main->Closed());

    w.f.ui.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(w.f.main->Form_QueryUnload());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.view.Scanner().Window(), nullptr);
    EXPECT_FALSE(frmScanner::ScannerOpen());
}

}  // namespace ravlet::gui
