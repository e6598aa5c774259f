// rvbx-regsvr [/u] [/s] PATH: loads the component library PATH and calls its
// DllRegisterServer, or with /u its DllUnregisterServer. /s prints nothing on success.
// Exit status: 0 done, 1 a wrong command line, 3 the library did not load, 4 it lacks the
// entry point, 5 the entry point failed.
#include <dlfcn.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>

#include "rvbx/RvbxEntry.h"

int main(int argc, char** argv) {
    bool unregister = false, silent = false;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "/u" || a == "/U" || a == "-u") {
            unregister = true;
        } else if (a == "/s" || a == "/S" || a == "-s") {
            silent = true;
        } else if (path.empty() && !a.empty()) {
            path = a;  // a path beginning with "/" is no switch unless it is one of the two
        } else {
            std::cerr << "usage: rvbx-regsvr [/u] [/s] PATH\n";
            return 1;
        }
    }
    if (path.empty()) {
        std::cerr << "usage: rvbx-regsvr [/u] [/s] PATH\n";
        return 1;
    }
    std::error_code ec;
    const std::string absolute = std::filesystem::absolute(path, ec).lexically_normal().string();
    void* library = dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::cerr << "rvbx-regsvr: can't load " << absolute << ": " << dlerror() << '\n';
        return 3;
    }
    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto call = reinterpret_cast<ravlet::rvbx::DllRegisterServerFn>(dlsym(library, entry));
    if (!call) {
        std::cerr << "rvbx-regsvr: " << absolute << " has no entry point " << entry << '\n';
        dlclose(library);
        return 4;
    }
    const std::int32_t result = call();
    dlclose(library);
    if (result != ravlet::rvbx::kS_OK) {
        std::cerr << "rvbx-regsvr: " << entry << " in " << absolute << " failed\n";
        return 5;
    }
    if (!silent) std::cout << entry << " in " << absolute << " succeeded.\n";
    return 0;
}
