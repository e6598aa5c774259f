#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "main/PrepareTarget.h"
#include "net/modFs.h"

namespace ravlet {

namespace {
bool Unusable(int error) {
    errno = error;
    return false;
}
}  // namespace

bool TargetUsable(const std::string& path, bool folderFound) {
    if (path.size() > kMaxPathBytes) return Unusable(ENAMETOOLONG);
    if (path.empty() || path.find('\0') != std::string::npos) return Unusable(EINVAL);
    if (path.back() == kPathSep) return Unusable(EISDIR);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return !S_ISDIR(st.st_mode) || Unusable(EISDIR);
    if (errno != ENOENT) return false;
    // Had the folder's path led to a file, the look would have failed with ENOTDIR.
    if (folderFound) return true;
    const std::size_t sep = path.rfind(kPathSep);
    if (sep == std::string::npos) return true;
    const std::string folder = sep == 0 ? std::string(1, kPathSep) : path.substr(0, sep);
    if (::stat(folder.c_str(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) || Unusable(ENOTDIR);
}

namespace {

// The path with every link resolved; false when it does not exist.
bool Resolved(const std::string& path, std::string& out) {
    char buffer[PATH_MAX];
    if (!::realpath(path.c_str(), buffer)) return false;
    out = buffer;
    return true;
}

}  // namespace

bool InsideFolder(const std::string& savedir, const std::string& path) {
    // A name right in the download folder is inside it, whatever links lead there: most
    // targets are, and resolving both paths costs a system call for every folder on the way.
    std::string own = savedir;
    while (own.size() > 1 && own.back() == kPathSep) own.pop_back();
    const std::size_t last = path.rfind(kPathSep);
    if (!own.empty() && last == own.size() && path.compare(0, last, own) == 0) {
        const std::string name = path.substr(last + 1);
        if (!name.empty() && name != "." && name != "..") return true;
    }
    std::string root;
    if (!Resolved(savedir.empty() ? std::string(".") : savedir, root)) return true;
    // The deepest folder on the way that exists already.
    std::string folder = path;
    std::string resolved;
    for (;;) {
        const std::size_t sep = folder.rfind(kPathSep);
        if (sep == std::string::npos) {
            folder = ".";
        } else {
            folder.erase(sep == 0 ? 1 : sep);
        }
        if (Resolved(folder, resolved)) break;
        if (folder == "." || folder == std::string(1, kPathSep)) return false;
    }
    if (root == std::string(1, kPathSep)) return true;
    return resolved == root || resolved.compare(0, root.size() + 1, root + kPathSep) == 0;
}

}  // namespace ravlet
