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
    setenv("RAVLET_HOME", (home.path() + "/").c_str(), 1);  // no second separator
    EXPECT_EQ(ProgramFile("ravlet.hst"), home.path() + "/ravlet.hst");
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

// A tree of folders as a prefix, a portable copy and a build tree lay them out.
TEST(ProgramFolder, ChoiceByWhereTheExecutableLies) {
    test::TempHome tree;
    namespace fs = std::filesystem;
    const std::string t = tree.path();
    for (const char* folder :
         {"/usr/bin", "/usr/share/ravlet", "/usr/lib/ravlet", "/port/bin", "/port/share/ravlet",
          "/build", "/bare/bin", "/odd/lib/other", "/odd/share/ravlet"})
        fs::create_directories(t + folder);
    tree.Write("port/bin/ravlet.ini", "");
    struct Row {
        const char* what;
        std::string ravletHome, executableFolder, xdgConfigHome, home, expected, prefix;
    };
    const std::string usr = t + "/usr";
    const Row rows[] = {
        {"RAVLET_HOME wins over an install", "/rv", usr + "/bin", "/x", "/h", "/rv", usr},
        {"installed, XDG_CONFIG_HOME", "", usr + "/bin", "/x/cfg", "/h", "/x/cfg/ravlet", usr},
        {"installed, XDG_CONFIG_HOME with a separator", "", usr + "/bin", "/x/", "/h", "/x/ravlet",
         usr},
        {"installed, no XDG_CONFIG_HOME", "", usr + "/bin", "", "/home/u", "/home/u/.config/ravlet",
         usr},
        {"installed, a relative XDG_CONFIG_HOME is ignored", "", usr + "/bin", "cfg", "/home/u/",
         "/home/u/.config/ravlet", usr},
        {"installed component folder", "", usr + "/lib/ravlet", "/x", "/h", "/x/ravlet", usr},
        {"portable: ravlet.ini beside the programs", "", t + "/port/bin", "/x", "/h",
         t + "/port/bin", ""},
        {"build tree", "", t + "/build", "/x", "/h", t + "/build", ""},
        {"a bin folder without share/ravlet", "", t + "/bare/bin", "/x", "/h", t + "/bare/bin", ""},
        {"another lib subfolder", "", t + "/odd/lib/other", "/x", "/h", t + "/odd/lib/other", ""}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(ChooseProgramFolder(
                      {row.ravletHome, row.executableFolder, row.xdgConfigHome, row.home}),
                  row.expected);
        EXPECT_EQ(InstallPrefixOf(row.executableFolder), row.prefix);
    }
}

TEST(ProgramFolder, TheBuildTreeIsNoInstallAndDownloadsIntoTheWorkFolder) {
    test::TempHome home;
    EXPECT_EQ(InstallPrefix(), "");
    EXPECT_EQ(ProgramsFolder(), ExecutableFolder());
    EXPECT_EQ(ComponentFolder(), ExecutableFolder());
    EXPECT_EQ(DefaultDownloadFolder(), home.path() + "/tmp");
}

}  // namespace ravlet
