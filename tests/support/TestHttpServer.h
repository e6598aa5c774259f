#pragma once
// A small HTTP/1.1 server on 127.0.0.1 with an ephemeral port, for tests. Routes answer a
// path with a status, headers and a body; connections are kept alive and counted.
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace ravlet::test {

struct TestResponse {
    int status = 200;
    std::string reason = "OK";
    std::vector<std::pair<std::string, std::string>> headers;  // Content-Length is added
    std::string body;
    // Instead of a fixed body: a generated one of this many bytes (no Content-Length when
    // sendLength is false; the connection is then closed after it).
    std::int64_t generatedSize = -1;
    bool sendLength = true;
    // Stalls: never answer, or close after this many body bytes, or send this many body
    // bytes and then nothing more while keeping the connection open.
    bool neverAnswer = false;
    std::int64_t closeAfter = -1;
    std::int64_t stallAfter = -1;
    // With stallAfter: the rest follows after this many milliseconds instead of never.
    int resumeAfterMs = 0;
    // Instead of all the above: these bytes are the whole answer, sent as they are (no
    // status line or header is added); the connection is closed after them.
    std::string raw;
};

// A body with its Content-Type (none when type is empty).
TestResponse Typed(const std::string& body, const std::string& type);
// A page: the body as HTML, or as type.
inline TestResponse Page(const std::string& body, const std::string& type = "text/html") {
    return Typed(body, type);
}

struct TestRequest {
    std::string method, path, head;  // head: the request's header lines
};
// The value of a request header (name in any case); empty when the request has none.
std::string HeaderOf(const TestRequest& request, const std::string& name);

class TestHttpServer {
  public:
    TestHttpServer();  // listens at once
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    int Port() const { return port_; }
    // "http://127.0.0.1:PORT" + path
    std::string Url(const std::string& path) const;

    void Route(const std::string& path, TestResponse response);
    // A route answered by a function of the request.
    void Route(const std::string& path, std::function<TestResponse(const TestRequest&)> handler);
    void Redirect(const std::string& from, const std::string& to, int status = 302);

    int Connections() const { return connections_; }
    int Requests() const { return requests_; }
    // Body bytes sent on all connections.
    std::int64_t BodyBytes() const { return bodyBytes_; }
    std::vector<TestRequest> Received() const;

  private:
    void AcceptLoop();
    void Serve(int fd);
    // Keeps a connection open and silent until the server stops.
    void Hold() const;
    TestResponse Answer(const TestRequest& request);

    int listenFd_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> connections_{0}, requests_{0};
    std::atomic<std::int64_t> bodyBytes_{0};
    mutable std::mutex mutex_;
    std::map<std::string, std::function<TestResponse(const TestRequest&)>> routes_;
    std::vector<TestRequest> received_;
    std::vector<int> openFds_;
    std::vector<std::thread> workers_;
    std::thread acceptor_;
};

}  // namespace ravlet::test
