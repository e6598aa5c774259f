// The hand-over of the browser component received by the real main window: the selection
// file the component writes becomes the window's list, and the file is gone.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <filesystem>
#include <string>

#include "app/CommandLine.h"
#include "app/Settings.h"
#include "gui/LinkListView.h"
#include "gui/frmMainWindow.h"
#include "main/frmMain.h"
#include "rvbx/SelectionFile.h"
#include "support/MainFixture.h"

namespace ravlet::gui {
namespace {

TEST(HandOver, TheComponentsSelectionFileFillsTheWindowsList) {
    test::MainFixture f;
    AppSettings().confirmclose = false;
    AppSettings().scanimg = true;
    frmMainWindow view(*f.main);
    f.main->ShowMainWindow();
    std::string problem;
    const std::string name = rvbx::WriteSelectionFile(
        f.home.path() + "/",
        "<a href=\"one.zip\">one</a> and <a href=\"sub/two.png\"><img src=\"two-small.png\"></a>",
        problem);
    ASSERT_EQ(name, "ravlet.l00") << problem;

    HandleCommandLine(*f.main, "/u:http://127.0.0.1:9/files/page.html/s:" + name);
    QAbstractItemModel* rows = view.ListLinks()->model();
    ASSERT_EQ(rows->rowCount(), 3);
    EXPECT_EQ(rows->index(0, 0).data().toString().toStdString(), "one.zip");
    EXPECT_EQ(rows->index(1, 0).data().toString().toStdString(), "sub/two.png");
    EXPECT_EQ(rows->index(2, 0).data().toString().toStdString(), "two-small.png");
    EXPECT_EQ(f.main->txtUrl.text, "http://127.0.0.1:9/files/page.html");
    EXPECT_FALSE(std::filesystem::exists(f.home.File(name)));
}

}  // namespace
}  // namespace ravlet::gui
