#include "support/Aria2Daemon.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <thread>

#include "reroute/Aria2Rpc.h"

extern char** environ;

namespace ravlet::test {

namespace {

// A port the system hands out for 127.0.0.1 now; aria2c binds it right after.
int FreePort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    close(fd);
    return port;
}

bool Accepts(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return false;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(fd);
    return ok;
}

}  // namespace

Aria2Daemon::Aria2Daemon(const std::string& folder) : folder_(folder) {
    for (int attempt = 0; attempt < 3 && pid_ <= 0; ++attempt) Start(FreePort());
}

bool Aria2Daemon::Start(int port) {
    if (port == 0) return why_ = "no free port", false;
    std::vector<std::string> args = {"aria2c",
                                     "--no-conf",
                                     "--quiet",
                                     "--enable-rpc",
                                     "--rpc-listen-all=false",
                                     "--rpc-listen-port=" + std::to_string(port),
                                     "--rpc-secret=" + secret_,
                                     "--dir=" + folder_,
                                     "--enable-dht=false",
                                     "--disable-ipv6",
                                     "--max-tries=1",
                                     "--stop-with-process=" + std::to_string(getpid())};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "aria2c", nullptr, nullptr, argv.data(), environ) != 0)
        return why_ = "aria2c cannot be started (is Debian's aria2 installed?)", false;
    for (int i = 0; i < 500; ++i) {  // 10 s at most
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return why_ = "aria2c ended at once", false;
        if (Accepts(port)) {
            pid_ = pid;
            port_ = port;
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return why_ = "aria2c did not listen", false;
}

Aria2Daemon::~Aria2Daemon() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

std::string Aria2Daemon::Rpc() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/jsonrpc";
}

std::vector<std::string> Aria2Daemon::Uris(std::size_t expected) const {
    const Aria2Rpc rpc(Rpc(), secret_, 5000);
    // By download: one moving from a list to the next between two calls is counted once.
    std::map<std::string, std::vector<std::string>> byGid;
    for (int i = 0; i < 300; ++i) {  // 30 s at most
        byGid.clear();
        std::size_t stopped = 0;
        for (const std::string method :
             {"aria2.tellActive", "aria2.tellWaiting", "aria2.tellStopped"}) {
            std::string error;
            std::vector<std::string> params;
            if (method != "aria2.tellActive") params = {"0", "1000"};
            params.push_back("[\"gid\",\"files\"]");
            const auto result = rpc.Call(method, params, error);
            if (!result) continue;
            for (const JsonValue& d : result->items) {
                if (method == "aria2.tellStopped") ++stopped;
                const JsonValue* gid = d.Member("gid");
                const JsonValue* files = d.Member("files");
                if (!gid || !files) continue;
                // A finished download lists its address once for each use.
                std::vector<std::string> mine;
                for (const JsonValue& f : files->items)
                    if (const JsonValue* u = f.Member("uris"))
                        for (const JsonValue& one : u->items)
                            if (const JsonValue* text = one.Member("uri"))
                                if (std::find(mine.begin(), mine.end(), text->text) == mine.end())
                                    mine.push_back(text->text);
                byGid[gid->text] = mine;
            }
        }
        if (stopped >= expected) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::vector<std::string> uris;
    for (const auto& [gid, mine] : byGid) uris.insert(uris.end(), mine.begin(), mine.end());
    return uris;
}

}  // namespace ravlet::test
