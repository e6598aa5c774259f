#pragma once
// One HTTP POST whose answer is read whole: the remote procedure calls of a download manager
// (aria2's JSON-RPC). The wait serves events and is bounded by a time-out.
#include <cstddef>
#include <string>

namespace ravlet {

struct HttpPostReply {
    bool answered = false;  // a response arrived whole; status and body are set
    long status = 0;
    std::string body;
    std::string error;  // why there is no answer: refused, timed out, too big, ...
};

// Posts body with the content type to address (http:// or https:// only, never through a
// proxy: the manager's address is meant as given). timeoutMs bounds the whole exchange (0:
// no bound); an answer of more than maxBody bytes is cut off as an error.
HttpPostReply HttpPost(const std::string& address, const std::string& contentType,
                       const std::string& body, int timeoutMs, std::size_t maxBody);

}  // namespace ravlet
