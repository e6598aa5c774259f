#include "gui/frmScannerWindow.h"

#include <gtest/gtest.h>

#include "app/LogSink.h"
#include "gui/MainWindowUnderTest.h"
#include "gui/ScannerWindow.h"
#include "support/TestHttpServer.h"

namespace ravlet::gui {

namespace {

using test::Page;

// The main window on screen with a local site, and its Tools menu.
struct ScannerUnderTest : MainUnderTest {
    ScannerUnderTest() {
        AppSettings().Scanner_ListTake = false;
        SetLogHandler([this](const std::string& text, bool) { f.log.push_back(text); });
        server.Route("/index.html", Page("<a href=a.html> <a href=pic.png> "
                                         "<a href=http://elsewhere.invalid/>"));
        server.Route("/a.html", Page("<a href=index.html> <a href=b/c.html>"));
        server.Route("/b/c.html", Page("end"));
        server.Route("/pic.png", Page("png", "image/png"));
    }
    frmScannerWindow* OpenScanner() {
        if (QAction* a = Action("&Tools", "&Scanner...")) a->trigger();
        return view.Scanner().Window();
    }
    QString U(const std::string& path) const { return QString::fromStdString(server.Url(path)); }
    test::TestHttpServer server;
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
    EXPECT_EQ(Cells(*w.view.ListLinks()), collected) << "the main window shows what was collected";
    EXPECT_EQ(w.f.main->State(), 2);
    EXPECT_EQ(Cells(*s->List(1)),
              (QStringList{w.U("/index.html"), w.U("/pic.png"), w.U("/a.html"), w.U("/b/c.html")}));
    EXPECT_TRUE(Cells(*s->List(0)).isEmpty());
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

TEST(frmScannerWindow, OneWindowAtATimeClosedFirstByTheMainWindowUnlessRefused) {
    ScannerUnderTest w;
    frmScannerWindow* first = w.OpenScanner();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(w.OpenScanner(), first);
    EXPECT_TRUE(frmScanner::ScannerOpen());
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
