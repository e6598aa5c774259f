#include <gtest/gtest.h>

#include "app/Settings.h"
#include "platform/Shell.h"
#include "support/MainFixture.h"

namespace ravlet {

TEST(MainMenu, ClearAllEmptiesSourceAddressBaseAndList) {
    test::MainFixture f;
    f.Rows({"a"});
    f.main->TextHtml = "<a href=a>";
    f.main->txtUrl.text = "http://x/";
    f.main->txtUrlBase = "http://x/";
    f.main->State(2);
    f.main->ClearAll();
    EXPECT_TRUE(f.Rows().empty());
    EXPECT_EQ(f.main->TextHtml, "");
    EXPECT_EQ(f.main->txtUrl.text, "");
    EXPECT_EQ(f.main->txtUrlBase, "");
}

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

TEST(MainClose, AutomaticCloseAndConfirmCloseOffDoNotAsk) {
    test::MainFixture f;
    f.main->ShowMainWindow();
    EXPECT_TRUE(f.main->Form_QueryUnload(true));
    test::MainFixture g;
    AppSettings().confirmclose = false;
    g.main->ShowMainWindow();
    EXPECT_TRUE(g.main->Form_QueryUnload());
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(g.ui.messages.empty());
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

}  // namespace ravlet
