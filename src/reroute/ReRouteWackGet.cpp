// WackGet takes one address a window message.
#include "platform/DoEvents.h"
#include "platform/Shell.h"
#include "platform/UserInterface.h"
#include "platform/WindowSystem.h"
#include "reroute/ReRoute.h"
#include "reroute/ReRouteRegistry.h"

namespace ravlet {

namespace {

constexpr int kWackTries = 4;
// The events served while a started WackGet opens its window.
constexpr long kStartWait = 200L * 1001L;

WindowId FindWackGet(bool v11) {
    if (v11) return Windows().FindWindowExA(0, 0, "Afx:00400000:0", "WackGet");
    return Windows().FindWindowExA(0, 0, "WackGet Dummy Window", nullptr);
}

// Looks for the window, starting WackGet from its folder after the first miss; 0 after the
// last try (the user is told).
WindowId FindOrStart(bool v11) {
    for (int failures = 0;;) {
        if (const WindowId found = FindWackGet(v11)) return found;
        ++failures;
        if (failures >= kWackTries) break;
        if (failures == 1) {
            const std::string folder = WackGetFolder();
            if (folder.empty()) break;
            ShellOpen(folder + "\\wackget.exe");
        }
        for (long i = 0; i < kStartWait; ++i) DoEvents();
    }
    MsgBox("WackGet is not started. Please Run WackGet first, automatic Start did not work.");
    return 0;
}

}  // namespace

int ReRouteWackGet(const ReRouteHost& host, bool v11, const std::string& address) {
    if (!RegKeyExists("Software\\Millweed\\WackGet", !v11)) return ReRoute_Failed;
    if (address.empty()) return ReRoute_GoOn;
    const WindowId window = FindOrStart(v11);
    if (!window) return ReRoute_Failed;
    const unsigned long pid = Windows().GetWindowThreadProcessId(window);
    WindowId receiver = window;
    if (v11) {
        const std::string title = std::to_string(pid);
        receiver = Windows().FindWindowExA(window, 0, "SysListView32", title.c_str());
        if (!receiver) return ReRoute_Failed;
    }
    CopyDataStruct data;
    data.dwData = pid;
    // The address, eight NULs and the terminating NUL.
    data.data = address + std::string(9, '\0');
    const WindowId sender = v11 ? host.MainWindowId() : 0;
    return Windows().SendMessageA(receiver, kWmCopyData, sender, data) != 0 ? ReRoute_GoOn
                                                                            : ReRoute_Failed;
}

}  // namespace ravlet
