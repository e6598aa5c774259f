// The hand-over of the browser component received by the real main window: the selection
// file the component writes becomes the window's list, and the file is gone.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/CommandLine.h"
#include "gui/MainWindowUnderTest.h"
#include "rvbx/SelectionFile.h"

namespace ravlet::gui {
namespace {

TEST(HandOver, TheComponentsSelectionFileFillsTheWindowsList) {
    MainUnderTest w;
    AppSettings().scanimg = true;
    std::string problem;
    const std::string name = rvbx::WriteSelectionFile(
        w.f.home.path() + "/",
        "<a href=\"one.zip\">one</a> and <a href=\"sub/two.png\"><img src=\"two-small.png\"></a>",
        problem);
    ASSERT_EQ(name, "ravlet.l00") << problem;

    HandleCommandLine(*w.f.main, "/u:http://127.0.0.1:9/files/page.html/s:" + name);
    EXPECT_EQ(Cells(*w.view.ListLinks()), (QStringList{"one.zip", "sub/two.png", "two-small.png"}));
    EXPECT_EQ(w.f.main->txtUrl.text, "http://127.0.0.1:9/files/page.html");
    EXPECT_FALSE(std::filesystem::exists(w.f.home.File(name)));
}

}  // namespace
}  // namespace ravlet::gui
