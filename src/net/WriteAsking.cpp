#include "net/WriteAsking.h"

#include <cerrno>
#include <cstring>

#include "platform/UserInterface.h"

namespace ravlet {

bool WriteAsking(std::FILE* file, const char* data, std::size_t size, std::string& error) {
    for (;;) {
        // A write that fails half-way (a disk that fills) has stored what it counts: a retry
        // that wrote those bytes again would put them into the file twice.
        const std::size_t put = std::fwrite(data, 1, size, file);
        if (put == size) return true;
        data += put;
        size -= put;
        const int err = errno;
        const MsgAnswer answer =
            MsgBox("While saving the file, an error occured:\r\n" +
                       std::string(std::strerror(err)) + " (" + std::to_string(err) + ")",
                   MsgButtons::AbortRetryIgnore, MsgIcon::Critical);
        std::clearerr(file);
        if (answer == MsgAnswer::Abort) {
            error = std::strerror(err);
            return false;
        }
        if (answer == MsgAnswer::Ignore) return true;
    }
}

}  // namespace ravlet
