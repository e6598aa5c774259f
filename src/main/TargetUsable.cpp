#include <sys/stat.h>

#include <cerrno>

#include "main/PrepareTarget.h"
#include "net/modFs.h"

namespace ravlet {

namespace {
bool Unusable(int error) {
    errno = error;
    return false;
}
}  // namespace

bool TargetUsable(const std::string& path) {
    if (path.size() > kMaxPathBytes) return Unusable(ENAMETOOLONG);
    if (path.empty() || path.find('\0') != std::string::npos) return Unusable(EINVAL);
    if (path.back() == kPathSep) return Unusable(EISDIR);
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return !S_ISDIR(st.st_mode) || Unusable(EISDIR);
    if (errno != ENOENT) return false;
    const std::size_t sep = path.rfind(kPathSep);
    if (sep == std::string::npos) return true;
    const std::string folder = sep == 0 ? std::string(1, kPathSep) : path.substr(0, sep);
    if (::stat(folder.c_str(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) || Unusable(ENOTDIR);
}

}  // namespace ravlet
