#include "net/modFs.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/UserInterface.h"

namespace ravlet {

std::string AddBackslash(const std::string& path) {
    if (path.empty() || path.back() != kPathSep) return path + kPathSep;
    return path;
}

std::string FileNameOfPath(const std::string& path) {
    const std::size_t sep = path.rfind(kPathSep);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

bool FileExists(const std::string& path) {
    return FileSize(path) > 0;
}

bool DirExists(const std::string& path) {
    if (path.empty()) return false;
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::int64_t FileSize(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return -1;
    if (S_ISDIR(st.st_mode)) return -1;
    return static_cast<std::int64_t>(st.st_size);
}

bool MakePathFor(const std::string& filePath) {
    std::size_t pos = filePath.find(kPathSep);
    if (pos == std::string::npos) return false;
    // Mostly the file's folder is there already, and then every folder above it is: one look
    // instead of one for each folder of the path, for every file of a run.
    const std::size_t last = filePath.rfind(kPathSep);
    if (last > 0 && DirExists(filePath.substr(0, last))) return true;
    // A network path "//server/share/...": the server part is never created.
    if (pos + 1 < filePath.size() && filePath[pos + 1] == kPathSep) {
        pos = filePath.find(kPathSep, pos + 2);
        if (pos == std::string::npos) return false;
    }
    bool made = true;
    for (pos = filePath.find(kPathSep, pos + 1); pos != std::string::npos;
         pos = filePath.find(kPathSep, pos + 1)) {
        const std::string folder = filePath.substr(0, pos);
        if (folder.empty() || DirExists(folder)) continue;
        if (::mkdir(folder.c_str(), 0777) == 0) continue;
        const int error = errno;
        made = false;
        MsgBox("Failed to create Directory:\r\n" + folder + "\r\nfor file:\r\n" + filePath +
                   "\r\n\r\nReason " + std::to_string(error) + ":\r\n" + std::strerror(error),
               MsgButtons::Ok, MsgIcon::Critical);
    }
    return made;
}

std::string ShortcutTarget(const std::string& lnkPath) {
    if (!FileExists(lnkPath)) return std::string();
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink(lnkPath.c_str(), buffer.data(), buffer.size());
    // Not a link (or unreadable): the shortcut stands for itself.
    if (n < 0) return lnkPath;
    std::string target(buffer.data(), static_cast<std::size_t>(n));
    if (!target.empty() && target[0] != kPathSep) {
        const std::size_t sep = lnkPath.rfind(kPathSep);
        if (sep != std::string::npos) target = lnkPath.substr(0, sep + 1) + target;
    }
    return target;
}

namespace {

struct ShareList {
    std::vector<std::string> names;
    std::size_t cursor = 0;
};

ShareList& Shares() {
    static ShareList list;
    return list;
}

}  // namespace

std::string ServerShareNext(const std::string& server) {
    ShareList& list = Shares();
    if (!server.empty()) {
        // This platform has no disk shares to enumerate.
        list.names.clear();
        list.cursor = 0;
    }
    if (list.cursor >= list.names.size()) return std::string();
    return list.names[list.cursor++];
}

}  // namespace ravlet
