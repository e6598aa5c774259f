#include "support/TestHttpServer.h"

#include "platform/Inet.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <strings.h>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace ravlet::test {

TestResponse Typed(const std::string& body, const std::string& type) {
    TestResponse r;
    if (!type.empty()) r.headers.push_back({"Content-Type", type});
    r.body = body;
    return r;
}

std::string HeaderOf(const TestRequest& request, const std::string& name) {
    const std::string& h = request.head;
    for (std::size_t pos = h.find("\r\n"); pos != std::string::npos;
         pos = h.find("\r\n", pos + 2)) {
        const std::size_t start = pos + 2;
        const std::size_t colon = h.find(':', start);
        const std::size_t end = std::min(h.find("\r\n", start), h.size());
        if (colon == std::string::npos || colon > end || colon - start != name.size()) continue;
        if (strncasecmp(h.c_str() + start, name.c_str(), name.size()) != 0) continue;
        std::size_t value = colon + 1;
        while (value < end && h[value] == ' ') ++value;
        return h.substr(value, end - value);
    }
    return std::string();
}

namespace {

bool SendAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Bytes from..to of the body: the response's own, or generated letters.
bool SendBody(int fd, const TestResponse& r, bool generated, std::int64_t from, std::int64_t to) {
    if (!generated) return SendAll(fd, r.body.data() + from, std::size_t(to - from));
    std::string block(65536, 'x');
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = char('a' + i % 26);
    for (std::int64_t sent = from; sent < to;) {
        const std::size_t n = std::size_t(std::min<std::int64_t>(block.size(), to - sent));
        if (!SendAll(fd, block.data(), n)) return false;
        sent += std::int64_t(n);
    }
    return true;
}

}  // namespace

TestHttpServer::TestHttpServer() {
    // Every server is 127.0.0.1, which cookies see as one site whatever the port: a test
    // begins with an empty jar, not with what an earlier test's answers set.
    InetForgetCookies();
    listenFd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    int one = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    ::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    ::listen(listenFd_, 64);
    socklen_t len = sizeof addr;
    ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    acceptor_ = std::thread([this] { AcceptLoop(); });
}

TestHttpServer::~TestHttpServer() {
    stopping_ = true;
    ::shutdown(listenFd_, SHUT_RDWR);
    acceptor_.join();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (int fd : openFds_) ::shutdown(fd, SHUT_RDWR);
    }
    for (std::thread& t : workers_) t.join();
    for (int fd : openFds_) ::close(fd);
    ::close(listenFd_);
}

std::string TestHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void TestHttpServer::Route(const std::string& path, TestResponse response) {
    Route(path, [response](const TestRequest&) { return response; });
}

void TestHttpServer::Route(const std::string& path,
                           std::function<TestResponse(const TestRequest&)> handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    routes_[path] = std::move(handler);
}

void TestHttpServer::Redirect(const std::string& from, const std::string& to, int status) {
    TestResponse r;
    r.status = status;
    r.reason = "Found";
    r.headers.push_back({"Location", to});
    Route(from, r);
}

std::vector<TestRequest> TestHttpServer::Received() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return received_;
}

void TestHttpServer::AcceptLoop() {
    while (!stopping_) {
        const int fd = ::accept(listenFd_, nullptr, nullptr);
        if (fd < 0) break;
        ++connections_;
        // Head and body go out as written, not held back for the client's delayed ACK.
        int one = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        std::lock_guard<std::mutex> lock(mutex_);
        openFds_.push_back(fd);
        workers_.emplace_back([this, fd] { Serve(fd); });
    }
}

TestResponse TestHttpServer::Answer(const TestRequest& request) {
    std::function<TestResponse(const TestRequest&)> handler;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        received_.push_back(request);
        auto it = routes_.find(request.path);
        if (it != routes_.end()) handler = it->second;
    }
    if (handler) return handler(request);
    TestResponse missing;
    missing.status = 404;
    missing.reason = "Not Found";
    missing.body = "<html>not found</html>";
    return missing;
}

void TestHttpServer::Hold() const {
    while (!stopping_) std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void TestHttpServer::Serve(int fd) {
    std::string pending;
    char buffer[8192];
    while (!stopping_) {
        std::size_t end;
        while ((end = pending.find("\r\n\r\n")) == std::string::npos) {
            const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
            if (n <= 0) return;
            pending.append(buffer, static_cast<std::size_t>(n));
        }
        TestRequest request;
        request.head = pending.substr(0, end);
        pending.erase(0, end + 4);
        const std::size_t sp1 = request.head.find(' ');
        const std::size_t sp2 = request.head.find(' ', sp1 + 1);
        request.method = request.head.substr(0, sp1);
        request.path = request.head.substr(sp1 + 1, sp2 - sp1 - 1);
        ++requests_;
        const TestResponse r = Answer(request);
        if (r.neverAnswer) {
            Hold();
            return;
        }
        if (!r.raw.empty()) {
            SendAll(fd, r.raw.data(), r.raw.size());
            ::shutdown(fd, SHUT_RDWR);
            return;
        }
        const bool generated = r.generatedSize >= 0;
        const std::int64_t size = generated ? r.generatedSize : std::int64_t(r.body.size());
        std::string head = "HTTP/1.1 " + std::to_string(r.status) + " " + r.reason + "\r\n";
        for (const auto& [name, value] : r.headers) head += name + ": " + value + "\r\n";
        const bool keep = r.sendLength && r.closeAfter < 0;
        if (r.sendLength) head += "Content-Length: " + std::to_string(size) + "\r\n";
        head += keep ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
        if (!SendAll(fd, head.data(), head.size())) return;
        if (request.method == "HEAD") continue;
        std::int64_t limit = r.closeAfter >= 0 ? std::min(r.closeAfter, size) : size;
        if (r.stallAfter >= 0) limit = std::min(r.stallAfter, size);
        if (!SendBody(fd, r, generated, 0, limit)) return;
        bodyBytes_ += limit;
        if (r.stallAfter >= 0 && r.resumeAfterMs > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(r.resumeAfterMs));
            if (!SendBody(fd, r, generated, limit, size)) return;
            bodyBytes_ += size - limit;
        } else if (r.stallAfter >= 0) {
            Hold();
            return;
        }
        if (!keep) {
            ::shutdown(fd, SHUT_RDWR);
            return;
        }
    }
}

}  // namespace ravlet::test
