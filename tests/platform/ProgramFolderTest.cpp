#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

#include "platform/ProgramFolder.h"
#include "support/TempHome.h"

namespace ravlet {

TEST(ProgramFolder, FollowsRavletHome) {
    test::TempHome home;
    EXPECT_EQ(ProgramFolder(), home.path());
    EXPECT_EQ(ProgramFile("ravlet.ini"), home.path() + "/ravlet.ini");
}

TEST(ProgramFolder, IsTheExecutablesFolderWithoutRavletHome) {
    test::TempHome home;
    unsetenv("RAVLET_HOME");
    const auto exe = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(ProgramFolder(), exe.parent_path().string());
    setenv("RAVLET_HOME", "", 1);
    EXPECT_EQ(ProgramFolder(), exe.parent_path().string());
}

TEST(ProgramFolder, ARelativeHomeStaysWhereItWasAfterTheDirectoryChanges) {
    test::TempHome home;
    ASSERT_EQ(chdir(home.path().c_str()), 0);
    std::filesystem::create_directory("sub");
    setenv("RAVLET_HOME", "sub", 1);
    const std::string first = ProgramFolder();
    EXPECT_EQ(first, home.path() + "/sub");
    ASSERT_EQ(chdir("sub"), 0);
    EXPECT_EQ(ProgramFolder(), first);
}

TEST(ProgramFolder, AHomeEndingInASeparatorGetsNoSecondOne) {
    test::TempHome home;
    setenv("RAVLET_HOME", (home.path() + "/").c_str(), 1);
    EXPECT_EQ(ProgramFile("ravlet.hst"), home.path() + "/ravlet.hst");
}

}  // namespace ravlet
