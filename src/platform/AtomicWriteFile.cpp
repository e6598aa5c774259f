#include "platform/AtomicWriteFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace ravlet {

namespace {

// Owns the temporary file until it has been renamed into place.
class TempFile {
  public:
    explicit TempFile(const std::string& target) {
        std::string pattern = target + ".XXXXXX";
        name_.assign(pattern.begin(), pattern.end());
        name_.push_back('\0');
        fd_ = mkstemp(name_.data());
        created_ = fd_ >= 0;
    }
    ~TempFile() {
        if (fd_ >= 0) close(fd_);
        if (created_ && !kept_) unlink(name_.data());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool ok() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    const char* name() const { return name_.data(); }
    bool CloseFile() {
        const int rc = close(fd_);
        fd_ = -1;
        return rc == 0;
    }
    void Keep() { kept_ = true; }

  private:
    std::vector<char> name_;
    int fd_ = -1;
    bool created_ = false;
    bool kept_ = false;
};

bool Fail(std::string* error, const std::string& what, int err) {
    if (error) *error = what + ": " + std::strerror(err);
    return false;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

mode_t NewFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The file a symbolic link finally names (links followed one by one, relative ones against
// their own folder); the path itself when it is no link. False for a loop.
bool FollowLinks(std::string& path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::vector<char> buffer(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
        const ssize_t n = readlink(path.c_str(), buffer.data(), buffer.size());
        if (n < 0 || static_cast<std::size_t>(n) >= buffer.size()) return false;
        std::string target(buffer.data(), static_cast<std::size_t>(n));
        if (target.empty()) return false;
        if (target[0] != '/') {
            const std::string folder = FolderOf(path);
            target = (folder == "/" ? "" : folder) + "/" + target;
        }
        path = target;
    }
    return false;
}

}  // namespace

bool AtomicWriteFile(const std::string& given, const std::string& data, std::string* error) {
    if (given.empty()) return Fail(error, "no file name given", EINVAL);
    // A link is written through: the file it names is replaced, the link stays.
    std::string path = given;
    if (!FollowLinks(path)) return Fail(error, "cannot follow the link " + given, ELOOP);
    struct stat old {};
    const bool exists = stat(path.c_str(), &old) == 0;
    // A device, a FIFO or a folder is not replaced by a file.
    if (exists && !S_ISREG(old.st_mode)) {
        if (error) *error = "cannot replace " + given + ": it is not a regular file";
        return false;
    }
    TempFile temp(path);
    if (!temp.ok())
        return Fail(error, "cannot create a temporary file in " + FolderOf(path), errno);
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = write(temp.fd(), p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Fail(error, std::string("cannot write ") + temp.name(), errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    // The new file keeps the old one's permissions and, where allowed, its owner.
    if (exists) {
        const bool owned = fchown(temp.fd(), old.st_uid, old.st_gid) == 0;
        fchmod(temp.fd(), old.st_mode & (owned ? 07777 : 0777));
    } else {
        fchmod(temp.fd(), NewFileMode());
    }
    if (fsync(temp.fd()) != 0)
        return Fail(error, std::string("cannot write ") + temp.name(), errno);
    if (!temp.CloseFile()) return Fail(error, std::string("cannot write ") + temp.name(), errno);
    if (rename(temp.name(), path.c_str()) != 0) return Fail(error, "cannot replace " + path, errno);
    temp.Keep();
    return true;
}

}  // namespace ravlet
