#pragma once
// The integration set-up: the two context-menu entries of the web browser and the
// registration of the browser component.
#include <string>
#include <vector>

namespace ravlet {

// The browser's list of context-menu extensions below the current user's hive; the name of
// each sub-key is a menu caption, its default value the menu script.
inline constexpr char kMenuExtKey[] = "Software\\Microsoft\\Internet Explorer\\MenuExt";
inline constexpr char kSelectionCaption[] = "Use ravlet on this &Selection";
inline constexpr char kPageCaption[] = "&Use ravlet on this Page";
inline constexpr char kSelectionScript[] = "rvbx.iemenu2.htm";
inline constexpr char kPageScript[] = "rvbx.iemenu.htm";
// "Contexts" of the selection entry: text selections, links and images.
inline constexpr char kSelectionContexts = 0x32;
// The component's library and registration tool, beside the programs.
inline constexpr char kComponentLibrary[] = "librvbx.so";
inline constexpr char kRegistrationTool[] = "rvbx-regsvr";

// Mode 1 installs the menu entries and then registers the component; any other mode
// unregisters the component and removes the entries. True on success: for install, the page
// entry written; for remove, the selection entry deleted. The registration runs in the
// background and its outcome does not count.
bool SetIntegration(int mode);

// Opens the desktop's network settings; false when none is installed.
bool OpenInternetSettings();
// Whether OpenInternetSettings has a panel to open (its menu entry is disabled otherwise).
bool InternetSettingsAvailable();

// One line for each menu entry, the component's registration and each host manifest.
std::vector<std::string> IntegrationStatus();

}  // namespace ravlet
