#pragma once
// A disk that fills up: while it lives, a file of the process cannot grow beyond a size (a
// limit that holds for root too), and a write past it fails instead of raising SIGXFSZ.
#include <sys/resource.h>

#include <csignal>
#include <cstddef>

namespace ravlet::test {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::size_t bytes) : oldHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

}  // namespace ravlet::test
