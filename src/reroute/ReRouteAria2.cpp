// aria2 takes the whole list in one system.multicall of aria2.addUri, each row with the
// referrer as its "referer" option.
#include <algorithm>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "platform/UserInterface.h"
#include "reroute/Aria2Rpc.h"
#include "reroute/ReRoute.h"

namespace ravlet {

namespace {

// The availability test runs for the menu as the window loads: an RPC address that does not
// answer must not hold the window for the whole network time-out.
constexpr int kProbeMs = 3000;

void Refused(const std::string& why) {
    LogMessage("aria2: " + why);
    MsgBox("aria2 did not take the list: " + why);
}

}  // namespace

int ReRouteAria2(const ReRouteHost& host, const std::string& address, const std::string& referrer) {
    const Settings& s = AppSettings();
    if (s.ReRouteAria2Rpc.empty()) {
        if (!address.empty()) MsgBox("aria2 not installed / found, can't add");
        return ReRoute_Failed;
    }
    const int timeout = s.nettimeout > 0 ? s.nettimeout : 0;
    std::string error;
    if (address.empty()) {
        const Aria2Rpc probe(s.ReRouteAria2Rpc, s.ReRouteAria2Secret,
                             timeout > 0 ? std::min(timeout, kProbeMs) : kProbeMs);
        return probe.Call("aria2.getVersion", {}, error) ? ReRoute_GoOn : ReRoute_Failed;
    }
    const std::vector<std::string> rows = host.Rows();
    if (rows.empty()) return ReRoute_GoOn;
    const Aria2Rpc rpc(s.ReRouteAria2Rpc, s.ReRouteAria2Secret, timeout);
    const std::string options =
        referrer.empty() ? std::string("{}") : "{\"referer\":" + JsonString(referrer) + "}";
    std::vector<std::string> urls;
    std::string calls = "[";
    for (const std::string& row : rows) {
        urls.push_back(host.BaseSafe(row));
        if (calls.size() > 1) calls += ',';
        calls += rpc.MethodCall("aria2.addUri", {"[" + JsonString(urls.back()) + "]", options});
    }
    calls += "]";
    // system.multicall takes no token of its own: each call carries it.
    const Aria2Rpc multi(s.ReRouteAria2Rpc, std::string(), timeout);
    const std::optional<JsonValue> result = multi.Call("system.multicall", {calls}, error);
    if (!result) {
        Refused(error);
        return ReRoute_Failed;
    }
    if (!result->Is(JsonValue::Kind::Array) || result->items.size() != urls.size()) {
        Refused(s.ReRouteAria2Rpc + " answered the list with something else than one result a row");
        return ReRoute_Failed;
    }
    std::size_t added = 0;
    std::string firstReason;
    for (std::size_t i = 0; i < urls.size(); ++i) {
        const JsonValue& one = result->items[i];
        if (one.Is(JsonValue::Kind::Array) && !one.items.empty()) {
            ++added;
            continue;
        }
        const JsonValue* message = one.Member("message");
        const std::string reason = message && message->Is(JsonValue::Kind::Text)
                                       ? message->text
                                       : std::string("no reason given");
        if (firstReason.empty()) firstReason = reason;
        LogMessage("aria2 refused: " + reason + " Url: " + urls[i]);
    }
    if (added == 0) {
        Refused("it refused every address (" + firstReason + "; see the log)");
        return ReRoute_Failed;
    }
    return ReRoute_WholeList;
}

}  // namespace ravlet
