#include "net/WriteAsking.h"

#include <cerrno>
#include <cstring>

#include "platform/UserInterface.h"

namespace ravlet {

// Bytes written with the write-error question: Abort gives false, Retry writes again,
// Ignore drops them.
bool WriteAsking(std::FILE* file, const char* data, std::size_t size, std::string& error) {
    for (;;) {
        if (std::fwrite(data, 1, size, file) == size) return true;
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
