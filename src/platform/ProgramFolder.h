#pragma once
// Where ravlet keeps its files. A build tree or a portable folder (ravlet.ini beside the
// programs) keeps them beside the programs; an installed copy keeps them in the user's
// configuration folder, since it must never write next to its executable; RAVLET_HOME names
// another folder and wins over both.
#include <string>

namespace ravlet {

// The program folder, absolute, as given (no separator added at its end).
std::string ProgramFolder();
// The folder of the running executable, whatever RAVLET_HOME says: where the build puts the
// programs and the browser component beside them.
std::string ExecutableFolder();
// The stem of the settings and history files. The window and ravlet-cli share it, so both
// read the same "ravlet.ini", "ravlet.hst" and "ravlet.dir.hst".
std::string SettingsStem();
// The program folder, one separator and name.
std::string ProgramFile(const std::string& name);

// Below an install prefix: the programs in "bin", the browser component in kComponentSubfolder,
// the shared files in "share/ravlet".
inline constexpr char kComponentSubfolder[] = "lib/ravlet";
inline constexpr char kSharedSubfolder[] = "share/ravlet";

// The install prefix that an executable folder belongs to: the folder above "bin" (or above
// kComponentSubfolder) when the prefix holds kSharedSubfolder and no ravlet.ini lies beside the
// executable. Empty for a build tree and a portable folder.
std::string InstallPrefixOf(const std::string& executableFolder);
// The install prefix of the running executable, or empty.
std::string InstallPrefix();

// What decides the program folder, gathered once from the process.
struct FolderFacts {
    std::string ravletHome;        // RAVLET_HOME, made absolute; empty when unset
    std::string executableFolder;  // the running executable's folder
    std::string xdgConfigHome;     // XDG_CONFIG_HOME as given
    std::string home;              // the user's home folder
};
std::string ChooseProgramFolder(const FolderFacts& facts);

// Where ravlet and ravlet-cli are: the prefix's "bin" when installed, else the executable's
// folder.
std::string ProgramsFolder();
// Where librvbx.so, rvbx-host and rvbx-regsvr are.
std::string ComponentFolder();
// The download folder a new settings record starts with: the work folder (program folder +
// "tmp") for a build tree or a portable folder; the user's download folder + "/ravlet" for an
// installed copy.
std::string DefaultDownloadFolder();
// The user's download folder: `xdg-user-dir DOWNLOAD` when it names one, else ~/Downloads.
std::string UserDownloadFolder();

}  // namespace ravlet
