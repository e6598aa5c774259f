// The integration set-up: the browser's menu entries in the registry and the registration
// command that follows.
#include "app/Integration.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/StartProgram.h"
#include "support/TempHome.h"

namespace ravlet {
namespace {

const std::string kSelectionKey = std::string(kMenuExtKey) + "\\" + kSelectionCaption;
const std::string kPageKey = std::string(kMenuExtKey) + "\\" + kPageCaption;

struct Installer {
    test::TempHome home;
    std::vector<std::vector<std::string>> starts;  // program name, then its arguments
    Installer() {
        SetProgramStartRecorder(
            [this](const std::string& path, const std::vector<std::string>& args) {
                std::vector<std::string> start{std::filesystem::path(path).filename().string()};
                for (const std::string& a : args)
                    start.push_back(a == args.back() ? std::filesystem::path(a).filename().string()
                                                     : a);
                starts.push_back(start);
                return 0;
            });
    }
    ~Installer() { SetProgramStartRecorder(nullptr); }
};

TEST(SetIntegration, InstallingTwiceWritesTheSameEntriesAndRegistersEachTime) {
    Installer s;
    Registry reg;
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(SetIntegration(1));
        EXPECT_EQ(reg.QueryValue(RegHive::CurrentUser, kSelectionKey, ""),
                  (RegValue{RegType::Text, s.home.File("rvbx.iemenu2.htm")}));
        EXPECT_EQ(reg.QueryValue(RegHive::CurrentUser, kSelectionKey, "Contexts"),
                  (RegValue{RegType::Binary, "\x32"}));
        EXPECT_EQ(reg.QueryValue(RegHive::CurrentUser, kPageKey, ""),
                  (RegValue{RegType::Text, s.home.File("rvbx.iemenu.htm")}));
        EXPECT_EQ(reg.ValueNames(RegHive::CurrentUser, kPageKey), std::vector<std::string>{""});
    }
    EXPECT_EQ(reg.SubKeys(RegHive::CurrentUser, kMenuExtKey),
              (std::vector<std::string>{kSelectionCaption, kPageCaption}));
    const std::vector<std::string> install{"rvbx-regsvr", "/s", "librvbx.so"};
    EXPECT_EQ(s.starts, (std::vector<std::vector<std::string>>{install, install}));
}

TEST(SetIntegration, RemovingUnregistersFirstAndCountsTheSelectionEntry) {
    Installer s;
    ASSERT_TRUE(SetIntegration(1));
    EXPECT_TRUE(SetIntegration(0));
    Registry reg;
    EXPECT_TRUE(reg.SubKeys(RegHive::CurrentUser, kMenuExtKey).empty());
    const std::string before = s.home.Read("ravlet.reg");

    // Absent entries: false, the store as it was, and the unregistration still runs.
    EXPECT_FALSE(SetIntegration(0));
    EXPECT_EQ(s.home.Read("ravlet.reg"), before);
    const std::vector<std::string> remove{"rvbx-regsvr", "/u", "/s", "librvbx.so"};
    EXPECT_EQ(s.starts.back(), remove);
    EXPECT_EQ(s.starts.size(), 3u);
}

TEST(SetIntegration, AStoreThatCannotBeWrittenFailsAndRegistersNothing) {
    Installer s;
    std::filesystem::create_directory(s.home.File("ravlet.reg"));
    EXPECT_FALSE(SetIntegration(1));
    EXPECT_TRUE(s.starts.empty());
}

}  // namespace
}  // namespace ravlet
