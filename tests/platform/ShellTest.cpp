#include "platform/Shell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "support/TempHome.h"

namespace ravlet {
namespace {

TEST(Shell, RecorderTakesTheTargetInsteadOfTheDesktop) {
    std::vector<std::string> opened;
    SetShellRecorder([&](const std::string& t) { opened.push_back(t); });
    EXPECT_TRUE(ShellOpen("http://127.0.0.1/x?a=1&b=\"2\""));
    SetShellRecorder({});
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "http://127.0.0.1/x?a=1&b=\"2\"");
}

TEST(Shell, StartKeepsEveryArgumentWholeAndDoesNotWait) {
    test::TempHome home;
    const std::string out = home.File("args");
    // The program writes its arguments one a line once it runs.
    ASSERT_TRUE(
        ShellStart({"sh", "-c", "printf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0\"", out,
                    "a b", "$HOME", "\"q\"", "--x"}));
    for (int i = 0; i < 500 && !std::filesystem::exists(out); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(test::ReadFile(out), "a b\n$HOME\n\"q\"\n--x\n");
}

TEST(Shell, FindProgramLooksOnThePathOnly) {
    EXPECT_TRUE(ShellFindProgram("sh"));
    EXPECT_FALSE(ShellFindProgram("no-such-program-of-ravlet"));
    EXPECT_FALSE(ShellFindProgram("/bin/sh"));
    EXPECT_FALSE(ShellFindProgram(""));
}

}  // namespace
}  // namespace ravlet
