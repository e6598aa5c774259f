#include <gtest/gtest.h>

#include "platform/Shell.h"
#include "support/MainFixture.h"
#include "support/RowName.h"

namespace ravlet {

struct AddressCase {
    const char* entry;
    const char* base;
    const char* page;
    const char* address;
};

class MainEntryAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(MainEntryAddress, PutsTheBaseInFront) {
    test::MainFixture f;
    f.main->txtUrlBase = GetParam().base;
    f.main->txtUrl.text = GetParam().page;
    EXPECT_EQ(f.main->EntryAddress(GetParam().entry), GetParam().address);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MainEntryAddress,
    ::testing::Values(AddressCase{"http://x/y", "http://b/", "", "http://x/y"},
                      AddressCase{"y.gif", "http://b/", "", "http://b/y.gif"},
                      // Plain concatenation: no "/" is added, nothing is resolved.
                      AddressCase{"y.gif", "http://b/dir", "", "http://b/diry.gif"},
                      AddressCase{"/y.gif", "http://b/dir/", "", "http://b/dir//y.gif"},
                      AddressCase{"y.gif", "img/", "http://p/d/page.html", "http://p/d/img/y.gif"},
                      AddressCase{"y.gif", "", "", "y.gif"}),
    test::KeyedName<&AddressCase::entry>{});

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
