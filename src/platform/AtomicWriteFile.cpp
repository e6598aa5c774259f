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

mode_t ModeFor(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

bool AtomicWriteFile(const std::string& path, const std::string& data, std::string* error) {
    if (path.empty()) return Fail(error, "no file name given", EINVAL);
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
    fchmod(temp.fd(), ModeFor(path));
    if (fsync(temp.fd()) != 0)
        return Fail(error, std::string("cannot write ") + temp.name(), errno);
    if (!temp.CloseFile()) return Fail(error, std::string("cannot write ") + temp.name(), errno);
    if (rename(temp.name(), path.c_str()) != 0) return Fail(error, "cannot replace " + path, errno);
    temp.Keep();
    return true;
}

}  // namespace ravlet
