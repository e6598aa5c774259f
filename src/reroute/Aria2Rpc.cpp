#include "reroute/Aria2Rpc.h"

#include "platform/HttpPost.h"

namespace ravlet {

namespace {
// Far above any answer to the calls made here; a bigger one is no aria2.
constexpr std::size_t kMaxAnswer = 16u * 1024u * 1024u;
}  // namespace

Aria2Rpc::Aria2Rpc(std::string address, std::string secret, int timeoutMs)
    : address_(std::move(address)), secret_(std::move(secret)), timeoutMs_(timeoutMs) {}

std::string Aria2Rpc::Params(const std::vector<std::string>& params) const {
    std::string out = "[";
    if (!secret_.empty()) out += JsonString("token:" + secret_);
    for (const std::string& p : params) {
        if (out.size() > 1) out += ',';
        out += p;
    }
    return out + "]";
}

std::string Aria2Rpc::MethodCall(const std::string& method,
                                 const std::vector<std::string>& params) const {
    return "{\"methodName\":" + JsonString(method) + ",\"params\":" + Params(params) + "}";
}

std::optional<JsonValue> Aria2Rpc::Call(const std::string& method,
                                        const std::vector<std::string>& params,
                                        std::string& error) const {
    const std::string body =
        "{\"jsonrpc\":\"2.0\",\"id\":\"ravlet\",\"method\":" + JsonString(method) +
        ",\"params\":" + Params(params) + "}";
    const HttpPostReply reply =
        HttpPost(address_, "application/json", body, timeoutMs_, kMaxAnswer);
    if (!reply.answered) {
        error = "no answer from " + address_ + ": " + reply.error;
        return std::nullopt;
    }
    const std::optional<JsonValue> answer = JsonParse(reply.body);
    if (answer) {
        if (const JsonValue* fault = answer->Member("error")) {
            const JsonValue* message = fault->Member("message");
            error = "aria2 answered with an error: " +
                    (message && message->Is(JsonValue::Kind::Text) ? message->text
                                                                     : std::string("(no text)"));
            return std::nullopt;
        }
        if (const JsonValue* result = answer->Member("result")) return *result;
    }
    error = address_ + " answered something that is not aria2's JSON-RPC (HTTP status " +
            std::to_string(reply.status) + ")";
    return std::nullopt;
}

}  // namespace ravlet
