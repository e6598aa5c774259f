#include <gtest/gtest.h>

#include <filesystem>

#include "app/CommandLine.h"
#include "app/Settings.h"
#include "main/ScanModes.h"
#include "support/MainFixture.h"
#include "support/RecordingAutomation.h"

namespace ravlet {

namespace {
using Rows = std::vector<std::string>;
}

TEST(MainTextParse, ReplacesTheListAndMarksItReady) {
    test::MainFixture f;
    f.Rows({"old"});
    f.main->doTextParse("<a href=\"a.html\">A</a>\r\n<A HREF=b.html>\t<img src=\"i.gif\">");
    EXPECT_EQ(f.Rows(), (Rows{"a.html", "b.html"}));
    EXPECT_EQ(f.main->State(), 2);
    EXPECT_EQ(f.refiner.ResetList(), (Rows{"a.html", "b.html"}));
    EXPECT_EQ(f.main->TextHtml, "<a href=\"a.html\">A</a>\r\n<A HREF=b.html> <img src=\"i.gif\">");
    EXPECT_EQ(f.main->StatusBar.Caption(), "Ready (2 Links)");
}

TEST(MainTextParse, TextWithoutLinksKeepsTheListButEndsReady) {
    test::MainFixture f;
    f.Rows({"old"});
    f.main->doTextParse("no links here");
    EXPECT_EQ(f.Rows(), Rows{"old"});
    EXPECT_EQ(f.main->State(), 2);
}

TEST(MainTextParse, TheScanSettingsChooseThePasses) {
    test::MainFixture f;
    AppSettings().scanlink = false;
    AppSettings().scanimg = true;
    f.main->doTextParse("<a href=a.html><img src=i.gif>");
    EXPECT_EQ(f.Rows(), Rows{"i.gif"});
}

TEST(MainClipboardImport, ScansWithEveryModeAndReplacesTheList) {
    test::MainFixture f;
    f.Rows({"old"});
    f.Clip("<a href=a.html> <img src=i.gif> see hxxp://plain.example/x");
    f.main->ImportClipboard();
    // Every pass runs, whatever the settings say; the images come twice (img and any src).
    EXPECT_EQ(f.Rows(), (Rows{"a.html", "i.gif", "http://plain.example/x"}));
    EXPECT_EQ(f.main->State(), 2);
    EXPECT_EQ(f.main->StatusBar.Caption(), "Ready (3 Links)");
}

TEST(MainClipboardImport, NothingWithoutText) {
    test::MainFixture f;
    f.Rows({"old"});
    f.main->ImportClipboard();
    EXPECT_EQ(f.Rows(), Rows{"old"});
    EXPECT_EQ(f.main->State(), 0);
}

// The source view keeps the first 32000 characters.
TEST(MainClipboardImport, TextWithoutAddressesKeepsTheList) {
    test::MainFixture f;
    f.Rows({"old"});
    f.Clip(std::string(1 << 20, 'z') + std::string("\x00\x01\x02", 3));
    f.main->ImportClipboard();
    EXPECT_EQ(f.Rows(), Rows{"old"});
    EXPECT_EQ(f.main->State(), 2);
    EXPECT_EQ(f.main->TextHtml.size(), 32000u);
}

// The "&Parse options" menu: which modes (1 links, 2 images, 4 wild src, 8 plain text) a click
// leaves on.
TEST(ParseOptions, KeepsOneModeOn) {
    const struct {
        const char* name;
        int on, click, after;
    } cases[] = {{"ImagesOn", 1, 1, 3},
                 {"LinksOffLeavesImages", 3, 0, 2},
                 {"LastModeOffTurnsLinksOn", 2, 1, 1},
                 {"LinksAloneStaysOn", 1, 0, 1},
                 {"WildOn", 1, 2, 5},
                 {"PlainOn", 1, 3, 9},
                 {"AutoShowLeavesModes", 6, 4, 6},
                 {"UnknownItem", 4, 9, 4}};
    for (const auto& c : cases) {
        Settings s;
        SettingsSetDefaults(s);
        s.scanlink = c.on & 1;
        s.scanimg = c.on & 2;
        s.scanwildsrc = c.on & 4;
        s.scantxthttp = c.on & 8;
        ParseOptionsToggle(s, c.click);
        EXPECT_EQ(ScanModesOf(s), c.after) << c.name;
    }
}

TEST(ParseOptions, TheMenuShowsTheSettingsAndClosingWritesThem) {
    test::MainFixture f;
    Settings& s = AppSettings();
    std::vector<MenuItem> items = ParseOptionsItems(s);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].caption, "&Links (default)");
    EXPECT_TRUE(items[0].checked);
    EXPECT_EQ(items[3].caption, "Wild &http:// (Plain Text)");
    EXPECT_FALSE(items[3].checked);
    EXPECT_EQ(items[4].caption, "&Auto-Show FilterRavPad");
    EXPECT_TRUE(items[4].checked);
    ParseOptionsToggle(s, 4);
    EXPECT_FALSE(s.Refiner_AutoShow);
    ParseOptionsToggle(s, 3);
    EXPECT_TRUE(ParseOptionsClosed());
    const std::string ini = f.home.Read("ravlet.ini");
    EXPECT_NE(ini.find("scantxthttp=1\r\n"), std::string::npos);
    EXPECT_NE(ini.find("Refiner_AutoShow=0\r\n"), std::string::npos);
}

TEST(MainCommandLine, TheHandOverParsesTheSelectionFile) {
    test::MainFixture f;
    AppSettings().Auto_BuildBase = 1;
    f.home.Write("ravlet.l00", "<p><a href=\"one.html\">1</a>\r\n<a href='two.html'>2</a></p>");
    f.main->ShowMainWindow();
    HandleCommandLine(*f.main, "/u:http://host/dir/page.html/s:ravlet.l00");
    EXPECT_EQ(f.Rows(), (Rows{"one.html", "two.html"}));
    EXPECT_EQ(f.main->txtUrl.text, "http://host/dir/page.html");
    EXPECT_EQ(f.main->txtUrlBase, "http://host/dir/");
    EXPECT_EQ(f.main->State(), 2);
    EXPECT_EQ(f.home.Read("ravlet.hst"), "http://host/dir/page.html\r\n");
    EXPECT_FALSE(std::filesystem::exists(f.home.File("ravlet.l00")));
}

TEST(MainCommandLine, TheHandOverGoesToTheDefaultManagerOnlyWithReRouteAuto) {
    for (const bool automatic : {false, true}) {
        test::MainFixture f;
        test::RecordingAutomation managers;
        managers.Register("dapie.catcher");
        AppSettings().ReRouteAuto = automatic;
        AppSettings().ReRouteDefaultId = "dap";
        f.home.Write("ravlet.l00", "<a href=x>");
        f.main->ShowMainWindow();
        managers.calls.clear();
        HandleCommandLine(*f.main, "/u:http://h/p/s:ravlet.l00");
        const std::vector<std::string> handed = {"create dapie.catcher",
                                                 R"(call MenuURL("http://h/x", "http://h/p", ""))"};
        EXPECT_EQ(managers.calls, automatic ? handed : std::vector<std::string>{}) << automatic;
    }
}

TEST(MainCommandLine, ABlankCommandLineAsksForAnAddress) {
    test::MainFixture f;
    f.main->ShowMainWindow();
    HandleCommandLine(*f.main, "   ");
    EXPECT_EQ(f.main->txtUrl.text, "");
    EXPECT_EQ(f.MessageTexts(),
              std::vector<std::string>{"Error: You have to Enter an URL !  (prot://server.dom/path/"
                                       "file.ext e.g.)"});
    EXPECT_EQ(f.view.focusUrl, 1);
}

}  // namespace ravlet
