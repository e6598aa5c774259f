#pragma once
// What registering the browser component means on this platform: its class in the registry
// stand-in (so the host finds "RVBXmenu.Exec" as a script would), and the manifests that let
// the browsers start its native messaging host for the extension.
#include <string>

namespace ravlet::rvbx {

// The extension's id in Chromium: it follows from the "key" of the extension's manifest.
inline constexpr char kChromiumExtensionId[] = "lknceoohgaeghmknbaeclfkgoegocemk";
// Its id in Firefox, named in the manifest's gecko settings.
inline constexpr char kFirefoxExtensionId[] = "rvbx@ravlet.net";
inline constexpr char kClassId[] = "{5B1E0D64-2E0B-4C44-9C1B-6F7A52B0A8E1}";
// The host program, beside the library.
inline constexpr char kHostProgram[] = "rvbx-host";

// Registers the library at libraryPath under "RVBXmenu.Exec" and writes the host manifests
// naming the host beside it. False with the reasons in problem when a part failed (the other
// parts are still done).
bool RegisterComponent(const std::string& libraryPath, std::string& problem);
// Removes what RegisterComponent wrote; false when the class was not registered.
bool UnregisterComponent(std::string& problem);
// The library registered for "RVBXmenu.Exec"; "" when none.
std::string RegisteredLibrary();

// The manifest text for one browser.
std::string HostManifestText(const std::string& hostPath, bool firefox);

}  // namespace ravlet::rvbx
