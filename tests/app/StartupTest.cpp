#include "app/Startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "main/SaveSettings.h"
#include "support/FakeMainWindow.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {

namespace {

const std::string kQuestionTail =
    "No Error was reported.\r\n\r\nDo you want to integrate ravlet into the web browser ?\r\n"
    "(Right-Click menu)\r\n\r\n(You can change this setting anytime in preferences dialog "
    "(F4) settings tab.";

std::string CurrentDirectory() {
    return std::filesystem::current_path().string();
}

struct Start {
    test::TempHome home;
    test::ScriptedUi ui;
    test::FakeMainWindow window;
    std::vector<int> integrations;
    ~Start() { SettingsSetDefaults(AppSettings()); }
    void Run(const std::string& commandLine = std::string()) {
        window.calls.clear();
        StartRavlet(window, commandLine, [this](int mode) {
            integrations.push_back(mode);
            return true;
        });
    }
};

}  // namespace

TEST(Startup, FirstRunCreatesTheWorkFolderAndAsksOnce) {
    Start s;
    s.Run();
    EXPECT_TRUE(std::filesystem::is_directory(s.home.File("tmp")));
    ASSERT_EQ(s.ui.messages.size(), 1u);
    EXPECT_EQ(s.ui.messages[0].text, "Created the following directory:\r\n" + s.home.File("tmp") +
                                         "\r\n\r\n" + kQuestionTail);
    EXPECT_EQ(s.ui.messages[0].title, "ravlet self-setup routine");
    EXPECT_EQ(s.ui.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(s.integrations.empty());  // answered No
    EXPECT_EQ(s.window.calls, std::vector<std::string>{"ShowMainWindow"});

    // The next start finds the folder, asks nothing and works inside it.
    s.Run();
    EXPECT_EQ(s.ui.messages.size(), 1u);
    EXPECT_EQ(CurrentDirectory(), s.home.File("tmp"));
    EXPECT_EQ(s.window.calls, std::vector<std::string>{"ShowMainWindow"});
    EXPECT_EQ(AppSettings().savedir, s.home.File("tmp") + "/");
}

TEST(Startup, AWorkFolderThatIsAFileIsReportedAndStartGoesOn) {
    Start s;
    s.home.Write("tmp", "not a folder");
    s.Run("http://example.com/");
    ASSERT_EQ(s.ui.messages.size(), 1u);
    EXPECT_EQ(s.ui.messages[0].text.rfind("an unexpected error occured:\r\n", 0), 0u)
        << s.ui.messages[0].text;
    EXPECT_EQ(s.ui.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(s.window.calls, (std::vector<std::string>{
                                  "ShowMainWindow", "txtUrl=http://example.com/", "cGo_Click"}));
}

TEST(Startup, LoadsTheSettingsBeforeTheWindowAndTheCommandLine) {
    Start s;
    std::filesystem::create_directory(s.home.File("tmp"));
    s.home.Write("ravlet.ini", "savedir=/srv/dl\r\nAuto_BuildBase=3\r\n");
    s.home.Write("ravlet.l00", "<a href=x>");
    s.Run("/u:http://example.com//s:ravlet.l00");
    EXPECT_EQ(AppSettings().savedir, "/srv/dl/");
    EXPECT_EQ(s.window.calls,
              (std::vector<std::string>{"ShowMainWindow", "txtUrl=http://example.com/",
                                        "Task_History_Do", "doTextParse", "Task_Buildbase 3"}));
    EXPECT_TRUE(s.ui.messages.empty());
}

// Settings that could not be read: the user is told once, and the window's writes (its close,
// its option menus, a run's start) leave the file as it is.
TEST(Startup, AnUnreadableSettingsFileIsToldAndKept) {
    Start s;
    std::filesystem::create_directory(s.home.File("tmp"));
    std::filesystem::create_directory(s.home.File("ravlet.ini"));
    s.Run();
    ASSERT_EQ(s.ui.messages.size(), 1u);
    EXPECT_NE(s.ui.messages[0].text.find("could not be read whole"), std::string::npos)
        << s.ui.messages[0].text;
    EXPECT_NE(s.ui.messages[0].text.find(s.home.File("ravlet.ini")), std::string::npos);
    AppSettings().scanimg = true;
    // The start of a download run writes quietly; the close and the option menus say why.
    EXPECT_FALSE(SaveSettings(false));
    EXPECT_EQ(s.ui.messages.size(), 1u);
    EXPECT_FALSE(SaveSettings());
    ASSERT_EQ(s.ui.messages.size(), 2u);
    EXPECT_NE(s.ui.messages[1].text.find("could not be read whole"), std::string::npos)
        << s.ui.messages[1].text;
    EXPECT_TRUE(std::filesystem::is_directory(s.home.File("ravlet.ini")));

    // A readable file is written as before.
    std::filesystem::remove(s.home.File("ravlet.ini"));
    s.home.Write("ravlet.ini", "scanimg=1\r\n");
    s.Run();
    EXPECT_EQ(s.ui.messages.size(), 2u);
    EXPECT_TRUE(SaveSettings());
    EXPECT_EQ(s.home.Read("ravlet.ini"), SettingsText(AppSettings()));
}

TEST(Startup, ANewProgramFolderIsCreatedWithItsWorkFolderAndYesInstallsTheIntegration) {
    Start s;
    setenv("RAVLET_HOME", s.home.File("fresh").c_str(), 1);
    s.ui.answers.push_back(MsgAnswer::Yes);
    s.Run();
    EXPECT_TRUE(std::filesystem::is_directory(s.home.File("fresh/tmp")));
    ASSERT_EQ(s.ui.messages.size(), 1u);
    EXPECT_NE(s.ui.messages[0].text.find("No Error was reported."), std::string::npos);
    EXPECT_EQ(s.integrations, std::vector<int>{1});
}

}  // namespace ravlet
