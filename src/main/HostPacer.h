#pragma once
// The manners of a run toward each server: a wait between two requests to one host.
#include <cstdint>
#include <functional>
#include <map>
#include <string>

namespace ravlet {

class HostPacer {
  public:
    // waitMs between two requests to one host (0: none); now gives microseconds (the
    // monotonic clock when empty).
    explicit HostPacer(int waitMs, std::function<std::int64_t()> now = {});

    // Milliseconds until a request may go to host (0: now).
    int WaitMs(const std::string& host) const;
    // A request to host goes out now.
    void Started(const std::string& host);

  private:
    std::int64_t waitUs_;
    std::function<std::int64_t()> now_;
    std::map<std::string, std::int64_t> last_;
};

// The host and port of an address, in lower case: what the per-host rules count by.
std::string HostKey(const std::string& address);

}  // namespace ravlet
