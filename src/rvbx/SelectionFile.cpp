#include "rvbx/SelectionFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace ravlet::rvbx {

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string WriteSelectionFile(const std::string& folder, const std::string& data,
                               std::string& problem) {
    for (int i = 0; i < 100; ++i) {
        const std::string name = std::string("ravlet.l") + static_cast<char>('0' + i / 10) +
                                 static_cast<char>('0' + i % 10);
        const std::string path = folder + name;
        // O_EXCL claims the name in one step, so two menu clicks at once never share a file,
        // and a link placed at the name is never followed.
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            problem = "Can't write the selection file " + path + ": " + std::strerror(errno);
            return std::string();
        }
        const bool written = WriteAll(fd, data) && WriteAll(fd, "\r\n");
        const int writeErr = errno;
        const bool closed = close(fd) == 0;
        if (written && closed) return name;
        unlink(path.c_str());
        problem = "Can't write the selection file " + path + ": " +
                  std::strerror(written ? errno : writeErr);
        return std::string();
    }
    problem = "Can't write a selection file in " + folder +
              ": ravlet.l00 to ravlet.l99 all exist (hand-overs ravlet has not read)";
    return std::string();
}

}  // namespace ravlet::rvbx
