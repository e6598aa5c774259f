#include "app/ConsoleMainWindow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/CommandLine.h"
#include "app/Settings.h"
#include "support/TempHome.h"

namespace ravlet {

TEST(ConsoleMainWindow, PrintsWhatTheHandlerDecidedAndWritesTheSettingsOnClose) {
    test::TempHome home;
    SettingsSetDefaults(AppSettings());
    home.Write("ravlet.l00", "<a href=x>");
    std::ostringstream out;
    ConsoleMainWindow window(out);
    HandleCommandLine(window, "/u:http://example.com//s:ravlet.l00");
    EXPECT_TRUE(window.Close());
    EXPECT_EQ(out.str(),
              "txtUrl=http://example.com/\nTask_History_Do\ndoTextParse: 12 bytes\n"
              "Task_Buildbase 0\nsettings written: " +
                  home.File("ravlet.ini") + "\n");
    EXPECT_EQ(home.Read("ravlet.ini"), SettingsText(AppSettings()));
}

TEST(ConsoleMainWindow, SaysWhyTheSettingsCouldNotBeWritten) {
    test::TempHome home;
    SettingsSetDefaults(AppSettings());
    std::filesystem::create_directories(home.File("ravlet.ini/x"));
    std::ostringstream out;
    ConsoleMainWindow window(out);
    EXPECT_FALSE(window.Close());
    EXPECT_EQ(out.str().rfind("settings not written: ", 0), 0u) << out.str();
    SettingsSetDefaults(AppSettings());
}

}  // namespace ravlet
