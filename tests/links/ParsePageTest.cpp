// The page parse into a list, through a stand-in for the main window.
#include "links/ParsePage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "links/LinkList.h"
#include "links/LinkScanner.h"
#include "support/ScriptedUi.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {
namespace {

class FakeWindow : public PageParseTarget {
  public:
    LinkList& Links() override { return list; }
    ctlStatusBar& StatusBar() override { return bar; }
    int ScanModes() override { return modes; }
    bool ShowSource(const std::string& text, std::string& error, long& number) override {
        source = text;
        if (refuseSource) {
            error = "Out of memory";
            number = 7;
        }
        return !refuseSource;
    }
    void ListVisible(bool visible) override {
        visibility.push_back(visible);
        listHidden = !visible;
    }
    void StatusReady() override {
        bar.Caption("Ready (" + std::to_string(list.Count()) + " Links)");
    }

    LinkList list;
    ctlStatusBar bar;
    int modes = ScanHref;
    bool refuseSource = false;
    std::string source;
    std::vector<bool> visibility;
    bool listHidden = false;
};

class ParsePageTest : public ::testing::Test {
  protected:
    test::ScriptedUi ui;
    FakeWindow window;
};

TEST_F(ParsePageTest, ReplacesTheListAndShowsTheCount) {
    window.list.Assign({"old"});
    EXPECT_TRUE(ParsePage(window, "<a href=a.html><a href=b.html>", false));
    EXPECT_EQ(window.list.Items(), (std::vector<std::string>{"a.html", "b.html"}));
    EXPECT_EQ(window.bar.Caption(), "Ready (2 Links)");
    EXPECT_EQ(window.visibility, (std::vector<bool>{false, true}));
    // Appending keeps the old entries and adds no duplicate.
    ParsePage(window, "<a href=A.HTML><a href=c.html>", true);
    EXPECT_EQ(window.list.Items(), (std::vector<std::string>{"a.html", "b.html", "c.html"}));
}

TEST_F(ParsePageTest, ALinkFoundByTwoPassesIsListedOnceAtItsFirstPlace) {
    window.modes = 15;
    ParsePage(window, "<img src=\"http://h/i.png\"> <a href=\"HTTP://H/I.PNG\"> http://h/i.png",
              false);
    EXPECT_EQ(window.list.Items(), (std::vector<std::string>{"HTTP://H/I.PNG"}));
}

TEST_F(ParsePageTest, APageWithoutLinksLeavesTheListAsItWas) {
    for (const bool append : {false, true}) {
        window.list.Assign({"kept"});
        EXPECT_FALSE(ParsePage(window, "", append));
        EXPECT_FALSE(ParsePage(window, "<p>no links</p>", append));
        EXPECT_EQ(window.list.Items(), (std::vector<std::string>{"kept"}));
        EXPECT_EQ(window.bar.Caption(), "Ready (1 Links)");
    }
    EXPECT_TRUE(window.visibility.empty());
}

// Blanks around the equals sign go first; disguised addresses are rewritten in small letters only.
TEST_F(ParsePageTest, ThePageIsCleanedFirst) {
    window.modes = ScanHref | ScanPlainHttp;
    ParsePage(window, "<a  href = \"x.html\"> hxxp://a/ HXXP://b/ hxxps://c/", false);
    EXPECT_EQ(window.list.Items(), (std::vector<std::string>{"x.html", "http://a/", "https://c/"}));
}

TEST_F(ParsePageTest, TheSourceViewGetsTheCleanedTextWithCrLfCutTo32000) {
    ParsePage(window, "a\n\tb\rc", false);
    EXPECT_EQ(window.source, "a\r\n b\r\nc");
    ParsePage(window, std::string(40000, 'x'), false);
    EXPECT_EQ(window.source.size(), 32000u);
}

TEST_F(ParsePageTest, ARefusedSourceViewIsReportedAndTheParseGoesOn) {
    window.refuseSource = true;
    EXPECT_TRUE(ParsePage(window, "<a href=x>", false));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Error: Out of memory");
    EXPECT_EQ(ui.messages[0].title, "Source could not filled (#7)");
    EXPECT_EQ(window.list.Items(), (std::vector<std::string>{"x"}));
}

TEST_F(ParsePageTest, TheBusyPointerIsShownOnlyDuringTheScan) {
    bool busyInScan = false;
    ui.onServeEvents = [&] { busyInScan = busyInScan || ui.busy(); };
    ParsePage(window, "<a href=x>", false);
    EXPECT_TRUE(busyInScan);
    EXPECT_FALSE(ui.busy());
}

}  // namespace
}  // namespace ravlet
