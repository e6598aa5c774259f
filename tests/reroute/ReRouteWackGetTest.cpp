#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/WindowSystem.h"
#include "reroute/ReRoute.h"
#include "support/FakeReRouteHost.h"
#include "support/Joined.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {

namespace {

constexpr WindowId kTop = 100, kList = 200, kMain = 7;

// WackGet's windows: the top window shows up at a given look (0: never), its list view is the
// child titled with the process id.
struct FakeWindows : WindowSystem {
    int appearsAtLook = 1;
    bool hasList = true;
    long answer = 1;
    int looks = 0;
    std::vector<std::string> calls;

    FakeWindows() { SetWindowSystem(this); }
    ~FakeWindows() override { SetWindowSystem(nullptr); }

    WindowId FindWindowExA(WindowId parent, WindowId after, const char* cls,
                           const char* title) override {
        calls.push_back("find " + std::to_string(parent) + " " + std::to_string(after) + " " +
                        (cls ? cls : "*") + " " + (title ? title : "*"));
        if (parent == 0)
            return ++looks == appearsAtLook || (appearsAtLook && looks > appearsAtLook) ? kTop : 0;
        const bool list = parent == kTop && hasList && std::string(cls) == "SysListView32" &&
                          title && std::string(title) == "4242";
        return list ? kList : 0;
    }
    unsigned long GetWindowThreadProcessId(WindowId w) override {
        calls.push_back("pid " + std::to_string(w));
        return 4242;
    }
    long SendMessageA(WindowId to, unsigned msg, WindowId wParam,
                      const CopyDataStruct& data) override {
        std::string bytes;
        for (char c : data.data) bytes += c ? std::string(1, c) : std::string("\\0");
        calls.push_back("send " + std::to_string(to) + " " + std::to_string(msg) + " " +
                        std::to_string(wParam) + " " + std::to_string(data.dwData) + " " +
                        std::to_string(data.data.size()) + " " + bytes);
        return answer;
    }
};

const char kKey[] = "Software\\Millweed\\WackGet";
const char kNotStarted[] =
    "WackGet is not started. Please Run WackGet first, automatic Start did not work.";
const std::string kSent = "a\\0\\0\\0\\0\\0\\0\\0\\0\\0";  // "a", 8 NULs, the terminating NUL

}  // namespace

const std::string kFind11 = "find 0 0 Afx:00400000:0 WackGet";
const std::string kFind122 = "find 0 0 WackGet Dummy Window *";
const std::string kSend122 = "pid 100; send 100 74 0 4242 10 " + kSent;
const std::string kList11 = "pid 100; find 100 0 SysListView32 4242";

TEST(WackGetHandOff, FindsTheWindowAndSendsTheAddress) {
    const struct {
        const char* what;
        bool v11;
        RegHive hive;
        int appearsAtLook;
        const char* folder;  // nullptr: no folder value
        bool hasList;
        long answer;
        int result;
        std::string calls;    // joined by "; "
        std::string started;  // the program started, if any
        bool told = false;    // the not-started message
    } rows[] = {
        {"v1 2 2 sends to the found window from no sender", false, RegHive::LocalMachine, 1,
         nullptr, true, 1, 1, kFind122 + "; " + kSend122, ""},
        {"a refused message is a failure", false, RegHive::CurrentUser, 1, nullptr, true, 0, 0,
         kFind122 + "; " + kSend122, ""},
        {"v1 1 sends to the list view titled with the process id from the main window", true,
         RegHive::CurrentUser, 1, nullptr, true, 1, 1,
         kFind11 + "; " + kList11 + "; send 200 74 7 4242 10 " + kSent, ""},
        {"v1 1 without its list view sends nothing", true, RegHive::CurrentUser, 1, nullptr, false,
         1, 0, kFind11 + "; " + kList11, ""},
        {"v1 1 is looked for under the user only", true, RegHive::LocalMachine, 1, nullptr, true, 1,
         0, "", ""},
        {"no folder stops after the first look", false, RegHive::LocalMachine, 0, nullptr, true, 1,
         0, kFind122, "", true},
        {"started from its folder and found on the second look", false, RegHive::LocalMachine, 2,
         "C:\\WG", true, 1, 1, kFind122 + "; " + kFind122 + "; " + kSend122, "C:\\WG\\wackget.exe"},
        {"four looks then the message", false, RegHive::LocalMachine, 0, "C:\\WG", true, 1, 0,
         test::Joined({kFind122, kFind122, kFind122, kFind122}, "; "), "C:\\WG\\wackget.exe",
         true}};
    for (const auto& c : rows) {
        SCOPED_TRACE(c.what);
        test::TempHome home;
        test::ScriptedUi ui;
        FakeWindows windows;
        windows.appearsAtLook = c.appearsAtLook;
        windows.hasList = c.hasList;
        windows.answer = c.answer;
        std::vector<std::string> started;
        SetShellRecorder([&](const std::string& target) { started.push_back(target); });
        Registry registry;
        ASSERT_TRUE(registry.CreateKey(c.hive, kKey));
        if (c.folder) {
            registry.CreateKey(RegHive::LocalMachine, kKey);
            registry.SetValue(RegHive::LocalMachine, kKey, "", {RegType::Text, c.folder});
        }
        test::FakeReRouteHost host;
        host.window = kMain;
        EXPECT_EQ(ReRoute(host, c.v11 ? "wackget11" : "wackget122", "a", "ref"), c.result);
        SetShellRecorder(nullptr);
        EXPECT_EQ(test::Joined(windows.calls, "; "), c.calls);
        EXPECT_EQ(test::Joined(started), c.started);
        EXPECT_EQ(ui.Texts(),
                  c.told ? std::vector<std::string>{kNotStarted} : std::vector<std::string>{});
        if (c.folder) {
            EXPECT_GT(ui.serveCount, 1000) << "the wait for a started WackGet serves events";
        }
    }
}

TEST(WackGetHandOff, AvailableWithItsKeyWithoutLooking) {
    test::TempHome home;
    FakeWindows windows;
    test::FakeReRouteHost host;
    EXPECT_EQ(ReRoute(host, "wackget122", "", ""), 0);
    ASSERT_TRUE(Registry().CreateKey(RegHive::LocalMachine, kKey));
    EXPECT_EQ(ReRoute(host, "wackget122", "", ""), 1);
    EXPECT_EQ(ReRoute(host, "wackget11", "", ""), 0);
    EXPECT_TRUE(windows.calls.empty());
}

}  // namespace ravlet
