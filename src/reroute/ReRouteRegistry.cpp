#include "reroute/ReRouteRegistry.h"

#include "platform/Registry.h"

namespace ravlet {

namespace {
// The buffer the folder is read into.
constexpr std::size_t kFolderBuffer = 1024;
}  // namespace

bool RegKeyExists(const std::string& key, bool alsoMachine) {
    const Registry registry;
    if (registry.KeyExists(RegHive::CurrentUser, key)) return true;
    return alsoMachine && registry.KeyExists(RegHive::LocalMachine, key);
}

std::string WackGetFolder() {
    const Registry registry;
    const std::optional<RegValue> value =
        registry.QueryValue(RegHive::LocalMachine, "Software\\Millweed\\WackGet", "");
    if (!value) return std::string();
    std::string folder = value->data.substr(0, kFolderBuffer);
    if (!folder.empty() && folder.back() == '\0') folder.pop_back();
    return folder;
}

}  // namespace ravlet
