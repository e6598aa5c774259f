// The exported entry points of librvbx.so. Everything else in the library is hidden.
#include <dlfcn.h>

#include <cstring>
#include <iostream>
#include <memory>

#include "platform/StartProgram.h"
#include "rvbx/ExecComponent.h"
#include "rvbx/Registration.h"
#include "rvbx/RvbxEntry.h"

namespace {

using namespace ravlet::rvbx;

std::string OwnPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&OwnPath), &info) == 0 || !info.dli_fname) return {};
    return info.dli_fname;
}

}  // namespace

#define RVBX_EXPORT extern "C" __attribute__((visibility("default")))

RVBX_EXPORT std::int32_t DllRegisterServer() {
    std::string problem;
    if (RegisterComponent(OwnPath(), problem)) return kS_OK;
    std::cerr << "rvbx: " << problem << '\n';
    return kE_FAIL;
}

RVBX_EXPORT std::int32_t DllUnregisterServer() {
    std::string problem;
    if (UnregisterComponent(problem)) return kS_OK;
    std::cerr << "rvbx: " << problem << '\n';
    return kE_FAIL;
}

RVBX_EXPORT std::int32_t DllGetClassObject(const char* progId, void** object) {
    if (!object) return kE_POINTER;
    *object = nullptr;
    if (!progId || std::strcmp(progId, kProgId) != 0) return kCLASS_E_CLASSNOTAVAILABLE;
    auto component =
        std::make_unique<ExecComponent>(DefaultRvbxUi(), &ravlet::ShellExecuteOpen, "Web browser");
    // The caller ends it with Release.
    *object = static_cast<IExec*>(component.release());
    return kS_OK;
}

RVBX_EXPORT std::int32_t DllCanUnloadNow() {
    return ExecComponent::Alive() == 0 ? kS_OK : kS_FALSE;
}
