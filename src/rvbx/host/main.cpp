// rvbx-host: the native messaging host that the browser extension starts for a click on one
// of ravlet's menu entries. It reads one message, creates the component "RVBXmenu.Exec" from
// the library registered for it, hands it the message as the browser's objects, and answers.
#include <dlfcn.h>

#include <iostream>
#include <memory>
#include <string>

#include "rvbx/IExec.h"
#include "rvbx/Registration.h"
#include "rvbx/RvbxEntry.h"
#include "rvbx/host/HostRequest.h"
#include "rvbx/host/NativeMessaging.h"

namespace {

using namespace ravlet::rvbx;

struct LibraryCloser {
    void operator()(void* handle) const {
        // Unloaded only when it says no object of it is alive any more.
        auto canUnload = reinterpret_cast<DllCanUnloadNowFn>(dlsym(handle, "DllCanUnloadNow"));
        if (canUnload && canUnload() == kS_OK) dlclose(handle);
    }
};
using Library = std::unique_ptr<void, LibraryCloser>;

struct ComponentReleaser {
    void operator()(IExec* component) const { component->Release(); }
};
using Component = std::unique_ptr<IExec, ComponentReleaser>;

// The browser that started the host, from its arguments: Chromium gives the extension's
// origin, Firefox the manifest's path and the extension's id.
std::string BrowserName(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]).rfind("chrome-extension://", 0) == 0) return "Chromium";
    if (argc > 2) return "Firefox";
    return "Web browser";
}

std::string Answer(const std::string& message, int argc, char** argv) {
    const std::string path = RegisteredLibrary();
    if (path.empty())
        return HostFailure(std::string("The component ") + kProgId +
                           " is not registered (ravlet-cli integration on registers it)");
    Library library(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!library) return HostFailure("Can't load " + path + ": " + dlerror());
    auto create = reinterpret_cast<DllGetClassObjectFn>(dlsym(library.get(), "DllGetClassObject"));
    if (!create) return HostFailure(path + " has no DllGetClassObject");
    void* object = nullptr;
    if (create(kProgId, &object) != kS_OK || !object)
        return HostFailure(path + " did not create " + kProgId);
    Component component(static_cast<IExec*>(object));
    component->BrowserName(BrowserName(argc, argv));
    return HandleHostMessage(message, *component);
}

}  // namespace

int main(int argc, char** argv) {
    std::string message, problem;
    const FrameStatus status = ReadNativeMessage(0, message, problem);
    if (status == FrameStatus::End) return 0;
    std::string answer;
    if (status != FrameStatus::Message)
        answer = HostFailure("rvbx-host: " + problem);
    else
        answer = Answer(message, argc, argv);
    if (answer.find("\"ok\":true") == std::string::npos)
        std::cerr << "rvbx-host: " << answer << '\n';
    if (!WriteNativeMessage(1, answer, problem)) {
        std::cerr << "rvbx-host: " << problem << '\n';
        return 1;
    }
    return status == FrameStatus::Message ? 0 : 1;
}
