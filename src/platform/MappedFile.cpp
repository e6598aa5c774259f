#include "platform/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace ravlet {

MappedFile::~MappedFile() {
    if (data_) munmap(data_, size_);
}

bool MappedFile::Open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = fstat(fd, &st) == 0;
    if (ok && !S_ISREG(st.st_mode)) {
        errno = EINVAL;
        ok = false;
    }
    if (ok && st.st_size > 0) {
        // Populated at once: one call maps the cached pages instead of a fault every few.
        void* data = mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ,
                          MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (data == MAP_FAILED) {
            ok = false;
        } else {
            data_ = data;
            size_ = static_cast<std::size_t>(st.st_size);
        }
    }
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return ok;
}

}  // namespace ravlet
