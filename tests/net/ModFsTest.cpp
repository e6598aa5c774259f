#include "net/modFs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {
namespace {

TEST(ModFs, PathTexts) {
    EXPECT_EQ(AddBackslash("/tmp/dir"), "/tmp/dir/");
    EXPECT_EQ(AddBackslash("/tmp/dir/"), "/tmp/dir/");
    EXPECT_EQ(AddBackslash(""), "/");
    EXPECT_EQ(FileNameOfPath("/a/b/c.txt"), "c.txt");
    EXPECT_EQ(FileNameOfPath("c.txt"), "c.txt");
    EXPECT_EQ(FileNameOfPath("/a/"), "");
}

TEST(ModFs, ExistenceAndSize) {
    test::TempHome home;
    home.Write("empty", "");
    home.Write("five", "12345");
    EXPECT_FALSE(FileExists(home.File("empty")));
    EXPECT_TRUE(FileExists(home.File("five")));
    EXPECT_FALSE(FileExists(home.File("missing")));
    EXPECT_EQ(FileSize(home.File("five")), 5);
    EXPECT_EQ(FileSize(home.File("empty")), 0);
    EXPECT_EQ(FileSize(home.File("missing")), -1);
    EXPECT_TRUE(DirExists(home.path()));
    EXPECT_TRUE(DirExists(home.File("five")));
    EXPECT_FALSE(DirExists(home.File("missing")));
    EXPECT_FALSE(DirExists(""));
}

TEST(ModFs, MakePathForCreatesEveryFolderButNeverTheFile) {
    test::TempHome home;
    test::ScriptedUi ui;
    const std::string file = home.File("a/b/c.txt");
    EXPECT_TRUE(MakePathFor(file));
    EXPECT_TRUE(MakePathFor(file));  // found the second time
    EXPECT_TRUE(std::filesystem::is_directory(home.File("a")));
    EXPECT_TRUE(std::filesystem::is_directory(home.File("a/b")));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ModFs, MakePathForReportsAFolderItCannotCreateAndGoesOn) {
    test::TempHome home;
    test::ScriptedUi ui;
    home.Write("blocker", "x");  // a file where a folder should be
    EXPECT_FALSE(MakePathFor(home.File("blocker/sub/f.txt")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind("Failed to create Directory:\r\n", 0), 0u);
    EXPECT_NE(ui.messages[0].text.find("\r\nfor file:\r\n" + home.File("blocker/sub/f.txt")),
              std::string::npos);
    EXPECT_NE(ui.messages[0].text.find("\r\n\r\nReason "), std::string::npos);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Critical);
}

TEST(ModFs, ShortcutTarget) {
    test::TempHome home;
    home.Write("real.txt", "data");
    ASSERT_EQ(::symlink("real.txt", home.File("link").c_str()), 0);
    EXPECT_EQ(ShortcutTarget(home.File("link")), home.File("real.txt"));
    EXPECT_EQ(ShortcutTarget(home.File("real.txt")), home.File("real.txt"));
    EXPECT_EQ(ShortcutTarget(home.File("none")), "");
}

}  // namespace
}  // namespace ravlet
