#include "rvbx/host/NativeMessaging.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ravlet::rvbx {

namespace {

// Reads up to size bytes; the count read (less at the input's end), or -1 on an error.
long long ReadFully(int fd, char* into, std::size_t size, std::string& problem) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = read(fd, into + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            problem = std::string("reading the message failed: ") + std::strerror(errno);
            return -1;
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long long>(done);
}

}  // namespace

FrameStatus ReadNativeMessage(int fd, std::string& message, std::string& problem) {
    message.clear();
    char head[4];
    const long long got = ReadFully(fd, head, sizeof head, problem);
    if (got < 0) return FrameStatus::ReadError;
    if (got == 0) return FrameStatus::End;
    if (got < 4) {
        problem = "the input ended inside a message's length";
        return FrameStatus::Truncated;
    }
    std::uint32_t length = 0;
    std::memcpy(&length, head, sizeof length);
    if (length > kMaxIncoming) {
        problem = "a message of " + std::to_string(length) + " bytes is more than the " +
                  std::to_string(kMaxIncoming) + " bytes taken";
        return FrameStatus::TooLarge;
    }
    // Grows with what arrives, so a length that lies costs no memory.
    constexpr std::size_t kChunk = 1 << 20;
    while (message.size() < length) {
        const std::size_t want = std::min<std::size_t>(kChunk, length - message.size());
        const std::size_t at = message.size();
        message.resize(at + want);
        const long long n = ReadFully(fd, message.data() + at, want, problem);
        if (n < 0) return FrameStatus::ReadError;
        message.resize(at + static_cast<std::size_t>(n));
        if (static_cast<std::size_t>(n) < want) {
            problem = "the input ended after " + std::to_string(message.size()) + " of " +
                      std::to_string(length) + " bytes of the message";
            return FrameStatus::Truncated;
        }
    }
    return FrameStatus::Message;
}

bool WriteNativeMessage(int fd, const std::string& message, std::string& problem) {
    if (message.size() > kMaxOutgoing) {
        problem = "the answer of " + std::to_string(message.size()) + " bytes is too large";
        return false;
    }
    const std::uint32_t length = static_cast<std::uint32_t>(message.size());
    std::string frame(4, '\0');
    std::memcpy(frame.data(), &length, sizeof length);
    frame += message;
    std::size_t done = 0;
    while (done < frame.size()) {
        const ssize_t n = write(fd, frame.data() + done, frame.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            problem = std::string("writing the answer failed: ") + std::strerror(errno);
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace ravlet::rvbx
