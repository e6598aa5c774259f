#include <sys/stat.h>

#include <cerrno>

#include "main/PrepareTarget.h"
#include "net/modFs.h"

namespace ravlet {

bool TargetUsable(const std::string& path) {
    if (path.empty() || path.size() > kMaxPathBytes || path.find('\0') != std::string::npos)
        return false;
    if (path.back() == kPathSep) return false;
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return !S_ISDIR(st.st_mode);
    if (errno != ENOENT) return false;
    const std::size_t sep = path.rfind(kPathSep);
    if (sep == std::string::npos) return true;
    const std::string folder = sep == 0 ? std::string(1, kPathSep) : path.substr(0, sep);
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace ravlet
