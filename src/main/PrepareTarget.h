#pragma once
// The target path of a download: the download folder followed by the built name.
#include <string>

namespace ravlet {

// The longest path this platform opens; longer targets are not prepared.
constexpr std::size_t kMaxPathBytes = 4095;

// savedir (ending in the separator) + the name of address under rule; number as for
// doSuck_BuildFilename. Creates no folder.
std::string TargetPath(const std::string& savedir, const std::string& address, int rule,
                       long number = 0);

// As TargetPath for the address without its last "#" part, and every missing folder of the
// path is created (failures are reported by the folder maker), unless a link leads the path
// out of savedir (see InsideFolder).
// folderFound, when given, tells whether the folder maker found or made the target's folder.
std::string PrepareTarget(const std::string& savedir, const std::string& address, int rule,
                          long number = 0, bool* folderFound = nullptr);

// The preparation of a renamed target: the address is used as it is (no "#" part cut).
std::string PrepareRenamedTarget(const std::string& savedir, const std::string& address, int rule,
                                 long number = 0, bool* folderFound = nullptr);

// False when the path names a folder (as it does for an empty name), or when no file can
// be created there: the check fails, or the folder it would go into does not exist. errno
// then says why. folderFound: something is known to lie at the folder's path (the folder
// maker just found it), so a missing target is enough.
bool TargetUsable(const std::string& path, bool folderFound = false);

// True when the folder that path goes into (as far as it exists) is the download folder
// savedir or lies below it once symbolic links are resolved: a link inside the download
// folder that leads elsewhere is not followed. A download folder that does not exist yet
// holds no links.
bool InsideFolder(const std::string& savedir, const std::string& path);

}  // namespace ravlet
