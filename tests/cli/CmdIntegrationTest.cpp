// ravlet-cli integration: the entries at once, the component's registration in the background.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "rvbx/RvbxTestSupport.h"
#include "support/RunCli.h"
#include "support/TempHome.h"

namespace ravlet {
namespace {

// The status once the background registration has done what ready looks for (20 s at most).
std::string StatusWhen(const std::string& ready) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::string out;
    while (std::chrono::steady_clock::now() < until) {
        out = test::RunCli("integration status").out;
        if (out.find(ready) != std::string::npos) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return out;
}

TEST(CmdIntegration, OnRegistersTheComponentAndOffRemovesEverything) {
    test::TempHome home;
    test::ScopedEnv homeEnv("HOME", home.path());
    test::ScopedEnv config("XDG_CONFIG_HOME", home.path() + "/config");

    auto r = test::RunCli("integration on");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Integration succesfull\nUse ravlet on this &Selection: " +
                              home.File("rvbx.iemenu2.htm") +
                              " (Contexts 0x32)\n&Use ravlet on this Page: " +
                              home.File("rvbx.iemenu.htm") + "\n",
                          0),
              0u)
        << r.out;
    const std::string chromium = "Chromium host manifest " + home.path() +
                                 "/config/chromium/NativeMessagingHosts/net.ravlet.rvbx.json: ";
    const std::string firefox = "Firefox host manifest " + home.path() +
                                "/.mozilla/native-messaging-hosts/net.ravlet.rvbx.json: ";
    std::string status = StatusWhen(firefox + "present");
    for (const std::string& line : {std::string("component RVBXmenu.Exec: registered"),
                                    chromium + "present", firefox + "present"})
        EXPECT_PRED_FORMAT2(testing::IsSubstring, line + "\n", status);

    r = test::RunCli("integration off");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Integration succesfull\nUse ravlet on this &Selection: not installed\n"
                          "&Use ravlet on this Page: not installed\n",
                          0),
              0u)
        << r.out;
    status = StatusWhen(firefox + "missing");
    for (const std::string& line : {std::string("component RVBXmenu.Exec: not registered"),
                                    chromium + "missing", firefox + "missing"})
        EXPECT_PRED_FORMAT2(testing::IsSubstring, line + "\n", status);

    r = test::RunCli("integration off");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind("Integration failed\n", 0), 0u) << r.out;
    EXPECT_EQ(test::RunCli("integration maybe").status, 2);
}

}  // namespace
}  // namespace ravlet
