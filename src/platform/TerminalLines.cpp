#include "platform/TerminalLines.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "platform/UserInterface.h"

namespace ravlet {

namespace {

// The longest the events go unserved while the terminal is quiet.
constexpr int kWaitMs = 10;

}  // namespace

bool TerminalLines::Read(std::string& line) {
    for (;;) {
        const std::size_t end = buffer_.find('\n');
        if (end != std::string::npos) {
            line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return true;
        }
        Ui().ServeEvents();
        if (giveUp_ && giveUp_()) return false;
        pollfd p{fd_, POLLIN, 0};
        const int ready = ::poll(&p, 1, kWaitMs);
        if (ready < 0 && errno != EINTR) return false;
        if (ready <= 0) continue;
        char chunk[512];
        const ssize_t got = ::read(fd_, chunk, sizeof chunk);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (got <= 0) {
            // The end of input: a last line without its end still counts.
            if (buffer_.empty()) return false;
            line.swap(buffer_);
            buffer_.clear();
            return true;
        }
        buffer_.append(chunk, static_cast<std::size_t>(got));
    }
}

}  // namespace ravlet
