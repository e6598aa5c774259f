#include <gtest/gtest.h>

#include <filesystem>

#include "gui/MainWindowUnderTest.h"
#include "platform/Shell.h"
#include "support/TestHttpServer.h"

namespace ravlet::gui {

namespace {

// The window over the main window's own download run, a list of one link of each outcome
// (done, skipped, failed) against a loopback server, and a recording shell.
struct RunWindow {
    RunWindow() : view(*f.main) {
        AppSettings().confirmclose = false;
        f.main->SetDownload(nullptr);
        std::filesystem::create_directories(f.home.File("dl"));
        AppSettings().savedir = f.home.File("dl") + "/";
        AppSettings().filenaming = 1;
        AppSettings().netdownloadignoretext = true;
        f.main->ShowMainWindow();
        server.Route("/a.bin", test::Typed(std::string(3000, 'x'), "application/zip"));
        server.Route("/page.html", test::Page("<p>"));
        f.Rows({server.Url("/missing.bin"), server.Url("/a.bin"), server.Url("/page.html")});
        f.main->State(State_ListReady);
        SetShellRecorder([this](const std::string& target) { opened.push_back(target); });
        // A file shown in its folder: the file's address and the folder, the last arguments.
        SetShellStartRecorder([this](const std::vector<std::string>& argv) {
            opened.push_back("show " + argv.end()[-2] + " " + argv.back());
            return true;
        });
        QObject::connect(&view, &QWidget::windowTitleChanged, [this](const QString& title) {
            titles << title + " | " + QString::fromStdString(f.main->StatusBar.Detail());
        });
    }
    ~RunWindow() {
        SetShellRecorder(nullptr);
        SetShellStartRecorder(nullptr);
    }

    LinkListView& List() const { return *view.ListLinks(); }
    QStringList Column(int column) const { return Cells(List(), column); }
    QAction* Action(const char* text) const { return MenuEntry(view, "&List", text); }

    test::MainFixture f;
    test::TestHttpServer server;
    frmMainWindow view;
    QStringList titles;
    std::vector<std::string> opened;
};

}  // namespace

TEST(OutcomeColumns, ARunShowsEachRowsOutcomeProgressAndTitle) {
    RunWindow w;
    EXPECT_EQ(w.List().model()->headerData(1, Qt::Horizontal).toString(), "Status");
    w.view.DownloadButton(0)->click();

    EXPECT_EQ(w.Column(Col_Status),
              (QStringList{"Error: Http Code not OK (200):404", "done", "skipping: is text/html"}));
    EXPECT_EQ(w.Column(Col_Size), (QStringList{"", "2.9 KB", ""}));
    EXPECT_EQ(w.Column(Col_Target), (QStringList{w.f.home.File("dl/missing.bin").c_str(),
                                                 w.f.home.File("dl/a.bin").c_str(),
                                                 w.f.home.File("dl/page.html").c_str()}));
    EXPECT_EQ(w.List().model()->index(0, Col_Status).data(Qt::ToolTipRole).toString(),
              QString::fromStdString("Error: Http Code not OK (200):404 - Url: " +
                                     w.server.Url("/missing.bin")));
    ASSERT_GE(w.titles.size(), 4);
    EXPECT_EQ(w.titles[0], "0% ravlet | 0 of 3 files, 0 B");
    EXPECT_TRUE(w.titles.contains("33% ravlet | 1 of 3 files, 0 B"))
        << w.titles.join('\n').toStdString();
    EXPECT_EQ(w.titles.back(), "ravlet | ") << "the title and the bar are plain again";
    EXPECT_EQ(w.view.windowTitle(), "ravlet");
}

TEST(OutcomeColumns, ASortedViewKeepsTheListsOrderAndCommandsActOnItsRows) {
    RunWindow w;
    w.view.DownloadButton(0)->click();
    const std::vector<std::string> order = w.f.Rows();

    w.List().HeaderClicked(Col_Status);
    EXPECT_EQ(w.Column(Col_Status),
              (QStringList{"done", "skipping: is text/html", "Error: Http Code not OK (200):404"}));
    EXPECT_EQ(w.f.Rows(), order) << "the list keeps its order";

    // The first row of the view is the list's second row: a click selects it there.
    w.List().selectionModel()->setCurrentIndex(
        w.List().model()->index(0, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(w.f.main->ListLinks().Current(), 1);
    EXPECT_TRUE(w.f.main->ListLinks().Selected(1));
    EXPECT_EQ(w.f.main->ListLinks().SelectedCount(), 1u);

    w.Action("Open file")->trigger();
    w.Action("Show in folder")->trigger();
    EXPECT_EQ(w.opened, (std::vector<std::string>{w.f.home.File("dl/a.bin"),
                                                  "show " + FileUri(w.f.home.File("dl/a.bin")) +
                                                      " " + w.f.home.File("dl") + "/"}));

    w.f.main->RvCommand(Cmd_DeleteSelected);
    EXPECT_EQ(w.f.Rows(), (std::vector<std::string>{order[0], order[2]}));
    EXPECT_EQ(w.Column(Col_Status),
              (QStringList{"skipping: is text/html", "Error: Http Code not OK (200):404"}))
        << "the view stays sorted";

    w.List().HeaderClicked(Col_Status);
    w.List().HeaderClicked(Col_Status);
    EXPECT_EQ(w.List().SortColumn(), -1);
    EXPECT_EQ(w.Column(Col_Link), (QStringList{order[0].c_str(), order[2].c_str()}))
        << "the third click shows the list's order again";
}

TEST(OutcomeColumns, TheMenuOpensOnlyADoneRowsFile) {
    RunWindow w;
    w.view.DownloadButton(0)->click();
    QMenu* menu = w.view.Menu(QStringLiteral("&List"));
    for (const auto& [row, enabled] :
         {std::pair{0L, false}, std::pair{1L, true}, std::pair{2L, false}}) {
        w.f.main->ListLinks().Current(row);
        emit menu->aboutToShow();
        EXPECT_EQ(w.Action("Open file")->isEnabled(), enabled) << row;
        EXPECT_EQ(w.Action("Show in folder")->isEnabled(), enabled) << row;
    }
    w.Action("Open download folder")->trigger();
    w.Action("Select failed")->trigger();
    EXPECT_EQ(w.opened, std::vector<std::string>{AppSettings().savedir});
    EXPECT_TRUE(w.f.main->ListLinks().Selected(0));
    EXPECT_EQ(w.f.main->ListLinks().SelectedCount(), 1u);
}

}  // namespace ravlet::gui
