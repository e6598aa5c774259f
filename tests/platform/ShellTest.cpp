#include "platform/Shell.h"

#include <gtest/gtest.h>

#include <vector>

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

}  // namespace
}  // namespace ravlet
