#include "main/HostPacer.h"

#include <algorithm>
#include <utility>

#include "net/ravlet_url.h"
#include "platform/MonotonicClock.h"

namespace ravlet {

HostPacer::HostPacer(int waitMs, std::function<std::int64_t()> now)
    : waitUs_(std::int64_t(std::max(0, waitMs)) * 1000),
      now_(now ? std::move(now) : std::function<std::int64_t()>(MonotonicMicros)) {}

int HostPacer::WaitMs(const std::string& host) const {
    if (waitUs_ == 0) return 0;
    const auto it = last_.find(host);
    if (it == last_.end()) return 0;
    const std::int64_t left = it->second + waitUs_ - now_();
    return left <= 0 ? 0 : static_cast<int>((left + 999) / 1000);
}

void HostPacer::Started(const std::string& host) {
    if (waitUs_ != 0) last_[host] = now_();
}

std::string HostKey(const std::string& address) {
    const std::size_t scheme = address.find("://");
    const std::size_t begin = scheme == std::string::npos ? 0 : scheme + 3;
    std::size_t end = address.find_first_of("/?#", begin);
    if (end == std::string::npos) end = address.size();
    std::string host = LCase(address.substr(begin, end - begin));
    const std::size_t at = host.rfind('@');
    return at == std::string::npos ? host : host.substr(at + 1);
}

}  // namespace ravlet
