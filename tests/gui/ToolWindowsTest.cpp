// The HTML export's options window, the filename generator and the info window, opened from
// the main window and worked through their real buttons.
#include <gtest/gtest.h>

#include <QTimer>

#include "gui/MainWindowUnderTest.h"
#include "gui/frmExportHtmlDialog.h"
#include "gui/frmFilerWindow.h"
#include "gui/frmInfoWindow.h"
#include "support/TestHttpServer.h"

namespace ravlet::gui {

TEST(ToolWindows, TheExportOptionsWindowWritesThePage) {
    MainUnderTest w;
    w.f.Rows({"a.html", "<b>"});
    w.f.main->txtUrl.text = "http://h/d/page.html";
    w.f.ui.files.push_back(w.f.home.File("out.html"));
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<frmExportHtmlDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        seen = true;
        EXPECT_EQ(d->windowTitle(), "HTML Export");
        EXPECT_EQ(d->txtTitle()->text(), "http://h/d/page.html");
        EXPECT_FALSE(d->txtDesc()->isEnabled());
        d->chk(1)->click();
        EXPECT_TRUE(d->txtDesc()->isEnabled());
        d->txtDesc()->setText("Mine & yours");
        d->chk(0)->click();
        d->txtTitle()->setText("Links");
        d->cmd(0)->click();
    });
    QAction* entry = w.Action("&File", "&Export HTML File...");
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
    entry->trigger();
    EXPECT_TRUE(seen);
    EXPECT_EQ(w.f.home.Read("out.html"),
              "<html>\r\n<head><title>Links</title></head>\r\n<body>\r\n<h1>Links</h1>\r\n"
              "<p>Mine &amp; yours</p>\r\n<a href=\"http://h/d/a.html\">a.html</a><br />\r\n"
              "<a href=\"http://h/d/&lt;b&gt;\">&lt;b&gt;</a><br />\r\n</body>\r\n</html>\r\n");
}

TEST(ToolWindows, CancelOrClosingTheExportWindowWritesNothing) {
    MainUnderTest w;
    for (int how = 0; how < 2; ++how) {
        QTimer::singleShot(0, [how] {
            auto* d = qobject_cast<frmExportHtmlDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            if (how == 0)
                d->cmd(1)->click();
            else
                d->close();
        });
        EXPECT_FALSE(w.f.main->ExportHtml(w.f.home.File("out.html")));
    }
    EXPECT_EQ(w.f.home.Read("out.html"), "");
}

TEST(ToolWindows, TheGeneratorFillsTheListFromTheToolsMenu) {
    MainUnderTest w;
    QAction* entry = w.Action("&Tools", "&Filename Generator...");
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    frmFilerWindow* filer = w.view.FilerWindow();
    ASSERT_NE(filer, nullptr);
    EXPECT_TRUE(filer->isVisible());
    EXPECT_EQ(filer->windowTitle(), "Filename Generator");
    EXPECT_TRUE(w.f.main->FilerWindowOpen());
    filer->txtDef(0)->setText("http://h/img");
    filer->txtDef(1)->setText(".jpg");
    filer->txtRange()->setText("8-12");
    filer->txtRangeTrail()->click();
    EXPECT_FALSE(filer->chkAddOpt(0)->isEnabled());
    EXPECT_EQ(filer->cApply(0)->text(), "&Generate");
    bool sawStop = false;
    w.f.ui.onServeEvents = [&] {
        sawStop =
            sawStop || (filer->cApply(0)->text() == "&Stop" && filer->cApply(0)->isEnabled() &&
                        !filer->cApply(1)->isEnabled() && !filer->txtRange()->isEnabled());
    };
    filer->cApply(0)->click();
    w.f.ui.onServeEvents = nullptr;
    EXPECT_TRUE(sawStop);
    EXPECT_EQ(w.Shown(),
              (QStringList{"http://h/img08.jpg", "http://h/img09.jpg", "http://h/img10.jpg",
                           "http://h/img11.jpg", "http://h/img12.jpg"}));
    EXPECT_EQ(filer->cApply(0)->text(), "&Generate");

    filer->chkAdd()->click();
    EXPECT_TRUE(filer->chkAddOpt(0)->isEnabled());
    filer->chkAddOpt(0)->click();
    filer->txtDef(0)->setText("n");
    filer->txtDef(1)->setText("_");
    filer->txtRange()->setText("1-1");
    filer->cApply(0)->click();
    EXPECT_EQ(w.Row(0), "n1_http://h/img08.jpg");
    EXPECT_EQ(w.Row(4), "n5_http://h/img12.jpg");

    w.f.main->State(3);
    EXPECT_FALSE(filer->cApply(0)->isEnabled());
    EXPECT_FALSE(filer->cApply(1)->isEnabled());
    w.f.main->State(2);
    filer->cApply(1)->click();
    EXPECT_EQ(w.Rows(), 0);

    filer->close();
    EXPECT_FALSE(filer->isVisible());
    EXPECT_EQ(w.view.FilerWindow(), filer) << "closing only hides";
    EXPECT_TRUE(w.f.main->FilerWindowOpen());
}

TEST(ToolWindows, TheInfoWindowShowsTheHeadAndAppliesTheEditedAddress) {
    test::TestHttpServer server;
    server.Route("/d/a.png", test::Page("png", "image/png"));
    MainUnderTest w;
    w.f.main->txtUrl.text = server.Url("/d/index.html");
    w.f.main->txtUrlBase = server.Url("/d/");
    w.f.Rows({"a.png", "b.png"});
    w.f.main->State(2);
    w.f.main->ListLinks().Current(0);
    w.f.main->RefreshView(View_List);
    SendKey(w.view.ListLinks(), Qt::Key_Return);
    frmInfoWindow* info = w.view.InfoWindow();
    ASSERT_NE(info, nullptr);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->windowTitle(), "Info");
    EXPECT_EQ(info->txtUrl()->text().toStdString(), server.Url("/d/a.png"));
    EXPECT_EQ(info->txtRef()->text().toStdString(), server.Url("/d/index.html"));
    EXPECT_EQ(info->txtBase()->text().toStdString(), server.Url("/d/"));

    info->cmd(0)->click();
    const QString text = info->txt()->toPlainText();
    EXPECT_TRUE(text.startsWith("Status:200\nRaw:\nHTTP/1.1 200 OK\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("Referer: " + QString::fromStdString(server.Url("/d/index.html"))));
    EXPECT_TRUE(info->cmd(0)->isEnabled());

    // A click on another row follows it.
    w.f.main->ListLinks().Current(1);
    w.f.main->ListLinks_Click();
    EXPECT_EQ(info->txtUrl()->text().toStdString(), server.Url("/d/b.png"));

    info->txtUrl()->setText("http://h/edited.png");
    info->cmd(2)->click();
    EXPECT_EQ(w.Row(1), "http://h/edited.png");
    EXPECT_FALSE(info->isVisible());
}

}  // namespace ravlet::gui
