#include <gtest/gtest.h>

#include <filesystem>

#include "app/Settings.h"
#include "platform/Shell.h"
#include "support/MainFixture.h"

namespace ravlet {

TEST(MainMenu, SymbiontPastesFiltersAndCopies) {
    test::MainFixture f;
    f.Rows({"old"});
    f.Clip("x\r\ny");
    f.main->Symbiont();
    EXPECT_EQ(f.Rows(), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(f.refiner.commands, std::vector<int>{3000});
    EXPECT_EQ(f.ClipText(), "x\r\ny");
}

TEST(MainMenu, ToggleListSource) {
    test::MainFixture f;
    f.main->ToggleListSource();
    EXPECT_TRUE(f.main->SourceShown());
    f.main->ToggleListSource();
    EXPECT_FALSE(f.main->SourceShown());
}

TEST(MainMenu, SupportPagesOnTheWebServer) {
    test::MainFixture f;
    std::vector<std::string> opened;
    SetShellRecorder([&](const std::string& t) { opened.push_back(t); });
    AppSettings().webserver = "example.org/ravlet/";
    f.main->OpenSupport();
    f.main->OpenTutorial();
    SetShellRecorder(nullptr);
    EXPECT_EQ(opened,
              (std::vector<std::string>{"http://example.org/ravlet/support.php",
                                        "http://example.org/ravlet/support.php?page=tutorial"}));
}

TEST(MainMenu, ClearClipboard) {
    test::MainFixture f;
    f.Clip("x");
    f.main->ClearClipboard();
    EXPECT_FALSE(f.clipboard.hasText);
}

TEST(MainMenu, TerminateOnlyOnYes) {
    test::MainFixture f;
    f.main->TerminateAsk();
    EXPECT_EQ(f.view.terminated, 0);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].title, "Terminate ravlet");
    EXPECT_NE(f.ui.messages[0].text.find("\r\n\r\nAre you really shure, you want to Terminate "
                                         "ravlet ?"),
              std::string::npos);
    f.ui.answers.push_back(MsgAnswer::Yes);
    f.main->TerminateAsk();
    EXPECT_EQ(f.view.terminated, 1);
}

TEST(MainClose, AsksWhenConfirmCloseIsSet) {
    test::MainFixture f;
    f.main->ShowMainWindow();
    EXPECT_FALSE(f.main->Form_QueryUnload());
    EXPECT_EQ(f.MessageTexts(), std::vector<std::string>{"do you really want to quit ravlet ?"});
    EXPECT_FALSE(f.main->Closed());
    EXPECT_EQ(f.home.Read("ravlet.ini"), "") << "a cancelled close writes nothing";
    f.ui.answers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(f.main->Form_QueryUnload());
    EXPECT_TRUE(f.main->Closed());
    EXPECT_NE(f.home.Read("ravlet.ini").find("confirmclose=1\r\n"), std::string::npos);
}

TEST(MainClose, NotWhileATaskRuns) {
    test::MainFixture f;
    AppSettings().confirmclose = false;
    f.main->ShowMainWindow();
    for (int state : {1, 3, 4, 5, 6, 7, 8, 9}) {
        f.main->State(state);
        EXPECT_FALSE(f.main->Form_QueryUnload()) << "state " << state;
        EXPECT_FALSE(f.main->Form_QueryUnload(true)) << "state " << state;
    }
    EXPECT_FALSE(f.main->Closed());
    EXPECT_EQ(f.home.Read("ravlet.ini"), "");
    // Instead of quitting, the close asks to stop the task: the download's and the filters'
    // own stop questions, the page fetch's question in state 1.
    EXPECT_EQ(f.download.buttons, (std::vector<int>{2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(f.refiner.commands, (std::vector<int>{3002, 3002}));
    EXPECT_EQ(f.MessageTexts(),
              (std::vector<std::string>{"Do you want to stop getting the page ?",
                                        "Do you want to stop getting the page ?"}));
    f.main->State(2);
    EXPECT_TRUE(f.main->Form_QueryUnload());
}

TEST(MainClose, ARefusingRefinerCancelsTheClose) {
    struct Refusing : RefinerHooks {
        bool CloseRefiner() override { return false; }
    } refiner;
    test::MainFixture f;
    AppSettings().confirmclose = false;
    f.main->SetRefiner(&refiner);
    f.main->ShowMainWindow();
    EXPECT_FALSE(f.main->Form_QueryUnload());
    f.main->SetRefiner(nullptr);
    EXPECT_TRUE(f.main->Form_QueryUnload());
}

TEST(MainClose, StoresTheFolderBarAndClosesTheLog) {
    test::MainFixture f;
    AppSettings().confirmclose = false;
    f.main->ShowMainWindow();
    f.main->Log().addMessage("x", false);
    f.main->FolderBarVisible(true);
    EXPECT_TRUE(f.main->Form_QueryUnload());
    EXPECT_TRUE(f.ui.messages.empty()) << "confirmclose off: no question";
    EXPECT_FALSE(f.main->LogLoaded());
    EXPECT_FALSE(frmLog::Loaded());
    EXPECT_TRUE(AppSettings().Tlb_DownloadDirectory);
    EXPECT_NE(f.home.Read("ravlet.ini").find("Tlb_DownloadDirectory=1"), std::string::npos);
}

TEST(MainTray, MinimisingEntersAndALeftClickLeaves) {
    struct Popups : test::RecordingView {
        int popups = 0;
        void PopupFileMenu() override { ++popups; }
    } view;
    test::MainFixture f;
    f.main->SetView(&view);
    f.main->TrayIconClick(false);
    EXPECT_EQ(view.popups, 0) << "no icon, no menu";
    f.main->Form_Minimized();
    EXPECT_TRUE(f.main->TrayMode());
    f.main->TrayIconClick(false);
    EXPECT_EQ(view.popups, 1);
    EXPECT_TRUE(f.main->TrayMode());
    f.main->TrayIconClick(true);
    EXPECT_FALSE(f.main->TrayMode());
    f.main->Form_Minimized();
    f.main->PreferencesOpen(true);
    EXPECT_FALSE(f.main->TrayMode()) << "the preferences open with the window shown";
    f.main->SetView(nullptr);
}

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
