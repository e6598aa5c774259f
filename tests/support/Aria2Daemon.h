#pragma once
// A real aria2c with its JSON-RPC on 127.0.0.1, an ephemeral port and a secret, downloading
// into a folder of its own; stopped when the object goes.
#include <string>
#include <vector>

#include "net/Json.h"

namespace ravlet::test {

class Aria2Daemon {
  public:
    explicit Aria2Daemon(const std::string& folder);
    ~Aria2Daemon();
    Aria2Daemon(const Aria2Daemon&) = delete;
    Aria2Daemon& operator=(const Aria2Daemon&) = delete;

    bool Running() const { return pid_ > 0; }
    const std::string& Why() const { return why_; }  // why it is not running
    std::string Rpc() const;
    const std::string& Secret() const { return secret_; }
    // The addresses of every download aria2 knows (waiting, active, stopped), once all of
    // them have stopped or the bound has passed.
    std::vector<std::string> Uris(std::size_t expected) const;

  private:
    bool Start(int port);
    int pid_ = -1;
    int port_ = 0;
    std::string folder_;
    std::string secret_ = "test-s3cret";
    std::string why_;
};

}  // namespace ravlet::test
