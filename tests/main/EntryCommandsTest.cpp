#include <gtest/gtest.h>

#include "platform/Shell.h"
#include "support/MainFixture.h"

namespace ravlet {

// The base in front of an entry: the base box when it has a scheme, else the page's base
// followed by the box; plain concatenation, no "/" added and nothing resolved.
TEST(MainEntryAddress, PutsTheBaseInFront) {
    const struct {
        const char *entry, *base, *page, *address;
    } cases[] = {
        {"http://x/y", "http://b/", "", "http://x/y"},
        {"y.gif", "http://b/", "", "http://b/y.gif"},
        {"y.gif", "http://b/dir", "", "http://b/diry.gif"},
        {"/y.gif", "http://b/dir/", "", "http://b/dir//y.gif"},
        {"y.gif", "img/", "http://p/d/page.html", "http://p/d/img/y.gif"},
        {"y.gif", "", "", "y.gif"},
    };
    for (const auto& c : cases) {
        test::MainFixture f;
        f.main->txtUrlBase = c.base;
        f.main->txtUrl.text = c.page;
        EXPECT_EQ(f.main->EntryAddress(c.entry), c.address) << c.entry << " " << c.base;
    }
}

class MainEntry : public ::testing::Test {
  protected:
    MainEntry() {
        SetShellRecorder([this](const std::string& t) { opened.push_back(t); });
        f.Rows({"a.html", "b.html"});
        f.main->ListLinks().Current(1);
        f.main->txtUrl.text = "http://host/d/";
    }
    ~MainEntry() override { SetShellRecorder(nullptr); }
    test::MainFixture f;
    std::vector<std::string> opened;
};

TEST_F(MainEntry, EditReplacesTheRowWithoutTheDuplicateCheck) {
    f.ui.inputs.push_back("a.html");
    f.main->EntryEdit();
    EXPECT_EQ(f.Rows(), (std::vector<std::string>{"a.html", "a.html"}));
    ASSERT_EQ(f.ui.prompts.size(), 1u);
    EXPECT_EQ(f.ui.prompts[0].text, "Modify Entry or Press Cancel to Reset.");
    EXPECT_EQ(f.ui.prompts[0].title, "Edit Entry");
    EXPECT_EQ(f.ui.presets[0], "b.html");
}

TEST_F(MainEntry, EditWithAnEmptyAnswerOrCancelKeepsTheRow) {
    f.ui.inputs.push_back("");
    f.main->EntryEdit();
    f.main->EntryEdit();  // no scripted input: Cancel
    EXPECT_EQ(f.Rows(), (std::vector<std::string>{"a.html", "b.html"}));
    EXPECT_EQ(f.ui.prompts.size(), 2u);
}

TEST_F(MainEntry, OpenInBrowserOpensTheFullAddress) {
    f.main->EntryOpenInBrowser();
    f.main->OpenCurrentUrl();
    EXPECT_EQ(opened, (std::vector<std::string>{"http://host/d/b.html", "http://host/d/"}));
}

TEST_F(MainEntry, ReUseFetchesTheEntry) {
    f.main->ListLinks().Current(0);
    f.main->txtUrl.text = "file:///nonexistent-dir/";
    f.main->txtUrlBase = "file:///nonexistent-dir/";
    f.main->RvCommand(1100);
    EXPECT_EQ(f.main->txtUrl.text, "file:///nonexistent-dir/a.html");
}

TEST_F(MainEntry, WithoutACurrentRowNothingHappens) {
    f.main->ListLinks().Current(-1);
    f.main->EntryInfo();
    f.main->EntryEdit();
    f.main->EntryOpenInBrowser();
    EXPECT_TRUE(f.view.infos.empty());
    EXPECT_TRUE(f.ui.prompts.empty());
    EXPECT_TRUE(opened.empty());
}

TEST_F(MainEntry, AClickFollowsTheRowOnlyWhileTheInformationWindowIsOpen) {
    f.main->ListLinks_Click();
    EXPECT_TRUE(f.view.infos.empty());
    f.main->InfoWindowOpen(true);
    f.main->ListLinks_Click();
    EXPECT_EQ(f.view.infos, std::vector<std::string>{"http://host/d/b.html | http://host/d/ | "});
}

}  // namespace ravlet
