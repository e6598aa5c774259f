// What the main window keeps of the user's work: its place across starts, drops of
// addresses, pages and files, and the undo keys.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QMimeData>
#include <QScreen>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>

#include "gui/MainWindowUnderTest.h"
#include "gui/frmLogView.h"
#include "support/Joined.h"

namespace ravlet::gui {

namespace {

using Rows = std::vector<std::string>;
using test::Split;

// A main window started on the settings that prepare leaves in the record.
struct Started {
    explicit Started(const std::function<void(test::MainFixture&)>& prepare = nullptr) {
        AppSettings().confirmclose = false;
        if (prepare) prepare(f);
        view = std::make_unique<frmMainWindow>(*f.main);
        f.main->ShowMainWindow();
    }
    test::MainFixture f;
    std::unique_ptr<frmMainWindow> view;
};

void ReadSettings(test::MainFixture& f, const std::string& text) {
    f.home.Write("ravlet.ini", text);
    ASSERT_TRUE(SettingsReadFile(AppSettings(), f.home.File("ravlet.ini")));
}

}  // namespace

TEST(MainWindowPlace, SizePlaceAndLogHeightComeBackAtTheNextStart) {
    std::string ini;
    {
        Started first;
        first.view->resize(700, 500);
        first.view->move(40, 30);
        first.f.main->Log().addMessage("shown", true);
        AppSettings().LogPaneHeight = 140;  // as a drag of the splitter leaves it
        first.f.main->Log().Docked(false);
        QWidget* log = first.view->LogView()->Window();
        log->resize(500, 260);
        log->move(60, 70);
        first.view->close();
        ini = first.f.home.Read("ravlet.ini");
    }
    EXPECT_NE(ini.find("MainWindowPlace=40,30,700,500\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("LogDocked=0\r\nLogPaneHeight=140\r\nLogWindowPlace=60,70,500,260\r\n"),
              std::string::npos)
        << ini;
    Started second([&](test::MainFixture& f) { ReadSettings(f, ini); });
    EXPECT_EQ(second.view->size(), QSize(700, 500));
    EXPECT_EQ(second.view->pos(), QPoint(40, 30));
    EXPECT_FALSE(second.view->isMaximized());
    EXPECT_FALSE(second.f.main->Log().Docked());
    second.f.main->Log().addMessage("again", true);
    const QWidget* log = second.view->LogView()->Window();
    EXPECT_EQ(QRect(log->pos(), log->size()), QRect(60, 70, 500, 260));
}

TEST(MainWindowPlace, MaximisedStaysMaximised) {
    Started w([](test::MainFixture& f) {
        ReadSettings(f, "MainWindowPlace=40,30,700,500\r\nMainWindowMaximized=1\r\n");
    });
    EXPECT_TRUE(w.view->isMaximized());
    w.view->showNormal();
    EXPECT_EQ(w.view->size(), QSize(700, 500));
}

TEST(MainWindowPlace, APlaceOffEveryScreenOrGarbageLeavesTheWindowOnScreen) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const char* place : {"MainWindowPlace=50000,40000,300,200", "MainWindowPlace=x,1,2,3",
                              "MainWindowPlace=0,0,-5,10"}) {
        SCOPED_TRACE(place);
        Started w([&](test::MainFixture& f) { ReadSettings(f, std::string(place) + "\r\n"); });
        EXPECT_TRUE(screen.contains(w.view->geometry().topLeft()));
        EXPECT_GE(w.view->width(), 100);
    }
}

// The address box has the focus after one address: there Ctrl+Z edits its text. A drop that
// changes nothing is no step: Ctrl+Z takes back the fill before it. Lists are written "a|b".
TEST(MainWindowDrop, TakesWhatWasDroppedAsItsCommandDoes) {
    const struct {
        const char* what;
        const char* urls;  // addresses; a name without ":" is a file of the home
        const char* text;
        const char* rows;        // the list after the drop, from the rows "old.html"
        const char* url;         // the address box after it
        const char* status;      // the start of the status text after it
        const char* afterCtrlZ;  // the list after Ctrl+Z in the list
    } drops[] = {
        {"one address waits in the address box", "http://example.test/page.html", "", "old.html",
         "http://example.test/page.html", "", "old.html"},
        {"several addresses are pasted", "", "http://a.test/1\r\nold.html\r\nhttp://a.test/2\r\n",
         "old.html|http://a.test/1|http://a.test/2", "before", "Ready (3 Links)", "old.html"},
        {"an HTML file is imported", "page.html", "", "from-html.html", "before", "Ready (1 Links)",
         "old.html"},
        {"a list file is appended", "links.txt", "", "old.html|one.html|two.html", "before",
         "Ready (3 Links)", "old.html"},
        {"a folder and a binary file are named in the status", "folder|data.bin", "", "old.html",
         "before", "Drop: ", ""}};
    for (const auto& row : drops) {
        SCOPED_TRACE(row.what);
        Started w;
        w.f.home.Write("page.html", "<a href=from-html.html>");
        w.f.home.Write("links.txt", "one.html\r\ntwo.html\r\n");
        w.f.home.Write("data.bin", std::string("\x89PNG\0\0", 6));
        std::filesystem::create_directories(w.f.home.File("folder"));
        w.f.main->SetTxtUrl("before");
        w.f.Rows({"old.html"});
        w.f.main->State(State_ListReady);
        QMimeData mime;
        QList<QUrl> urls;
        for (const std::string& u : Split(row.urls))
            urls << (u.find(':') == std::string::npos
                         ? QUrl::fromLocalFile(QString::fromStdString(w.f.home.File(u)))
                         : QUrl(QString::fromStdString(u)));
        if (!urls.isEmpty()) mime.setUrls(urls);
        if (*row.text) mime.setText(QString::fromLatin1(row.text));
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(w.view.get(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.view.get(), &drop);
        EXPECT_EQ(w.f.Rows(), Split(row.rows));
        EXPECT_EQ(w.view->txtUrl()->currentText().toStdString(), row.url);
        EXPECT_EQ(w.f.main->StatusBar.Caption().rfind(row.status, 0), 0u)
            << w.f.main->StatusBar.Caption();
        EXPECT_EQ(w.view->ListLinks()->model()->rowCount(), static_cast<int>(w.f.Rows().size()));
        SendKey(w.view->ListLinks(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(w.f.Rows(), Split(row.afterCtrlZ));
    }
}

}  // namespace ravlet::gui
