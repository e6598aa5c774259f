#include "platform/NativeHostManifests.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace ravlet {

namespace {

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home == '/') return home;
    const passwd* pw = getpwuid(getuid());
    return pw && pw->pw_dir ? pw->pw_dir : "/";
}

std::string ConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') return config;
    return HomeFolder() + "/.config";
}

}  // namespace

std::vector<NativeHostManifest> NativeHostManifests() {
    const std::string file = std::string("/") + kNativeHostName + ".json";
    const std::string config = ConfigFolder();
    return {
        {"Chromium", config + "/chromium/NativeMessagingHosts" + file, false},
        {"Google Chrome", config + "/google-chrome/NativeMessagingHosts" + file, false},
        {"Firefox", HomeFolder() + "/.mozilla/native-messaging-hosts" + file, true},
    };
}

}  // namespace ravlet
