#include <gtest/gtest.h>

#include <filesystem>

#include "app/Settings.h"
#include "support/MainFixture.h"

namespace ravlet {

class MainFolders : public ::testing::Test {
  protected:
    MainFolders() {
        std::filesystem::create_directories(f.home.File("dl"));
        std::filesystem::create_directories(f.home.File("tmp"));
        f.home.Write("file.txt", "x");
    }
    test::MainFixture f;
};

TEST_F(MainFolders, TheFolderBoxRule) {
    struct Row {
        std::string typed;
        std::string savedir;
        bool valid;
    };
    const std::string h = f.home.path();
    const Row rows[] = {
        {h + "/dl", h + "/dl/", true},
        {"  " + h + "/dl/  ", h + "/dl/", true},
        {h + "/missing", h + "/missing/", false},
        // A file is taken as it stands; anything at the path counts as there.
        {h + "/file.txt", h + "/file.txt", true},
        {"", "", false},
    };
    for (const Row& r : rows) {
        f.main->dirText.text = r.typed;
        f.main->dirText_Change();
        EXPECT_EQ(AppSettings().savedir, r.savedir) << r.typed;
        EXPECT_EQ(f.main->dirTextValid, r.valid) << r.typed;
        EXPECT_EQ(f.main->dirText.text, r.typed) << "the box keeps what was typed";
    }
}

TEST_F(MainFolders, TheBrowserSetsTheChosenFolder) {
    f.ui.files.push_back(f.home.File("dl"));
    f.main->dirSelect_Click();
    EXPECT_EQ(AppSettings().savedir, f.home.File("dl") + "/");
    EXPECT_EQ(f.main->dirText.text, f.home.File("dl") + "/");
    ASSERT_EQ(f.ui.fileRequests.size(), 1u);
    EXPECT_EQ(f.ui.fileRequests[0].title, "Download Folder");
    f.main->dirSelect_Click();  // cancelled
    EXPECT_EQ(AppSettings().savedir, f.home.File("dl") + "/");
}

TEST_F(MainFolders, DirectoriesMenuWithFavourites) {
    const std::string dl = f.home.File("dl");
    AppSettings().savedirs = dl + "," + f.home.File("other") + "/";
    f.main->zmDir_Build();
    EXPECT_EQ(f.main->zmDir_Items(), (std::vector<std::string>{dl, f.home.File("other") + "/"}));
    f.main->zmDir_Click(1);
    EXPECT_EQ(AppSettings().savedir, dl + "/") << "a favourite gains its trailing separator";
    f.main->zmDir_Click(2);
    EXPECT_EQ(f.main->zmDir_Checks(), (std::vector<bool>{false, false, true}));
    f.main->zmDir_Click(0);
    EXPECT_EQ(AppSettings().savedir, f.main->DefaultFolder());
    EXPECT_EQ(f.main->zmDir_Checks(), (std::vector<bool>{true, false, false}));
    f.main->zmDir_Click(1);
    EXPECT_EQ(f.main->zmDir_Checks(), (std::vector<bool>{false, false, false}))
        << "the favourite is written without its separator: no exact match";
    f.main->zmDir_Click(7);
    EXPECT_EQ(AppSettings().savedir, dl + "/");
}

TEST_F(MainFolders, NoFavouritesWithoutSavedirs) {
    AppSettings().savedirs = "";
    f.main->zmDir_Build();
    EXPECT_TRUE(f.main->zmDir_Items().empty());
    EXPECT_EQ(f.main->zmDir_Checks().size(), 1u);
}

TEST_F(MainFolders, TheWindowLoadShowsSavedirAndTheFolderBar) {
    AppSettings().savedir = f.home.File("dl") + "/";
    AppSettings().Tlb_DownloadDirectory = true;
    f.main->ShowMainWindow();
    EXPECT_EQ(f.main->dirText.text, f.home.File("dl") + "/");
    EXPECT_TRUE(f.main->dirTextValid);
    EXPECT_TRUE(f.main->FolderBarVisible());
}

}  // namespace ravlet
