#pragma once
// The native messaging frame: each message is its length as four bytes in the machine's
// order, then that many bytes of UTF-8 JSON.
#include <cstdint>
#include <string>

namespace ravlet::rvbx {

// The largest message taken from the browser (50 MB of selected HTML fit), and the largest
// the browsers take from a host.
inline constexpr std::uint32_t kMaxIncoming = 64u << 20;
inline constexpr std::uint32_t kMaxOutgoing = 1u << 20;

enum class FrameStatus {
    Message,    // message holds one message
    End,        // the input ended before a message began
    Truncated,  // the input ended inside the length or the message
    TooLarge,   // the length announced more than kMaxIncoming; nothing of it was read
    ReadError,
};

// Reads one message from fd; problem says what went wrong for the other statuses.
FrameStatus ReadNativeMessage(int fd, std::string& message, std::string& problem);

// Writes message as one frame; false with the reason (too large, a write error).
bool WriteNativeMessage(int fd, const std::string& message, std::string& problem);

}  // namespace ravlet::rvbx
