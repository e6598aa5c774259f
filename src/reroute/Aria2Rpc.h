#pragma once
// aria2's JSON-RPC over HTTP: one call, or many in one system.multicall.
#include <optional>
#include <string>
#include <vector>

#include "net/Json.h"

namespace ravlet {

class Aria2Rpc {
  public:
    // address: the RPC's http:// address; secret: its --rpc-secret (empty: none); timeoutMs
    // bounds each exchange (0: no bound).
    Aria2Rpc(std::string address, std::string secret, int timeoutMs);

    // The "result" of method with params (each a JSON text; the secret's token goes in
    // front of them); nothing, with a text for the user in error, when the RPC cannot be
    // reached, answers an error object, or answers something that is not JSON-RPC.
    std::optional<JsonValue> Call(const std::string& method, const std::vector<std::string>& params,
                                  std::string& error) const;
    // The JSON text of one call for system.multicall.
    std::string MethodCall(const std::string& method, const std::vector<std::string>& params) const;

  private:
    std::string Params(const std::vector<std::string>& params) const;

    std::string address_;
    std::string secret_;
    int timeoutMs_;
};

}  // namespace ravlet
