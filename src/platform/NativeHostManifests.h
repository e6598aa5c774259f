#pragma once
// Where the web browsers of the current user look for the manifests of native messaging
// hosts, the programs an extension may start and talk to over standard input and output.
#include <string>
#include <vector>

namespace ravlet {

// The name under which the browser component's host is known to the browsers.
inline constexpr char kNativeHostName[] = "net.ravlet.rvbx";

struct NativeHostManifest {
    std::string browser;   // "Chromium", "Google Chrome", "Firefox"
    std::string path;      // the manifest file
    bool firefox = false;  // Firefox names extensions by id, the others by origin
};

// The manifest files of kNativeHostName for every browser this platform knows, below
// $XDG_CONFIG_HOME (or ~/.config) and ~/.mozilla.
std::vector<NativeHostManifest> NativeHostManifests();

}  // namespace ravlet
