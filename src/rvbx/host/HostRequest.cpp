#include "rvbx/host/HostRequest.h"

#include <memory>

#include "app/Integration.h"
#include "platform/Registry.h"
#include "net/Json.h"
#include "rvbx/ScriptFolder.h"

namespace ravlet::rvbx {

namespace {

// self for the component: a window whose document's location is the script's file address.
std::shared_ptr<JsonValue> ScriptWindow(const std::string& scriptPath) {
    JsonValue href;
    href.kind = JsonValue::Kind::Text;
    href.text = FileAddress(scriptPath);
    JsonValue location, document, window;
    location.kind = document.kind = window.kind = JsonValue::Kind::Object;
    location.members.emplace_back("href", href);
    document.members.emplace_back("location", location);
    window.members.emplace_back("document", document);
    return std::make_shared<JsonValue>(std::move(window));
}

}  // namespace

std::string HostFailure(const std::string& text) {
    return "{\"ok\":false,\"error\":" + JsonQuote(text) + "}";
}

std::string HandleHostMessage(const std::string& message, IExec& component) {
    auto record = std::make_shared<JsonValue>();
    std::string problem;
    if (!ParseJson(message, *record, problem))
        return HostFailure("The message is no JSON: " + problem);
    if (record->kind != JsonValue::Kind::Object)
        return HostFailure("The message is no JSON object");
    const JsonValue* caption = record->Member("caption");
    if (!caption || caption->kind != JsonValue::Kind::Text || caption->text.empty())
        return HostFailure("The message names no menu entry (caption)");
    if (caption->text.find('\\') != std::string::npos)
        return HostFailure("No menu entry is called " + caption->text);
    const JsonValue* range = record->Member("range");
    if (range && range->kind != JsonValue::Kind::Text)
        return HostFailure("The message's range is no text");

    Registry reg;
    const auto script =
        reg.QueryValue(RegHive::CurrentUser, std::string(kMenuExtKey) + "\\" + caption->text, "");
    if (!script || script->type != RegType::Text || script->data.empty())
        return HostFailure("The menu entry \"" + caption->text +
                           "\" is not installed (ravlet-cli integration on installs it)");

    const BrowserValue external = JsonBrowserValue(record, *record);
    auto window = ScriptWindow(script->data);
    const BrowserValue self = JsonBrowserValue(window, *window);
    BrowserError error;
    if (!component.Exec2(external, self, range ? range->text : std::string(), error))
        return HostFailure(std::to_string(error.number) + ": " + error.description);
    const std::string failure = component.LastFailure();
    if (!failure.empty()) return HostFailure(failure);
    return "{\"ok\":true}";
}

}  // namespace ravlet::rvbx
