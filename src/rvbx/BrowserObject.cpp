#include "rvbx/BrowserObject.h"

#include <cmath>
#include <cstdio>

namespace ravlet::rvbx {

namespace {

// The script engine's own numbers and texts for a missing name and a read on Nothing.
const BrowserError kNoSuchMember{438, "Object doesn't support this property or method"};
const BrowserError kNoObject{91, "Object variable or With block variable not set"};

class JsonObject : public BrowserObject {
  public:
    JsonObject(std::shared_ptr<const JsonValue> record, const JsonValue& value)
        : record_(std::move(record)), value_(value) {}

    bool Get(const std::string& name, BrowserValue& value, BrowserError& error) const override {
        const JsonValue* member = value_.Member(name);
        if (!member) {
            error = kNoSuchMember;
            error.description += " (" + name + ")";
            return false;
        }
        value = JsonBrowserValue(record_, *member);
        return true;
    }
    bool Call(const std::string& name, const std::vector<BrowserValue>&, BrowserValue& value,
              BrowserError& error) const override {
        return Get(name, value, error);
    }

  private:
    std::shared_ptr<const JsonValue> record_;
    const JsonValue& value_;
};

std::string NumberText(double n) {
    if (std::isfinite(n) && n == std::floor(n) && std::fabs(n) < 1e15)
        return std::to_string(static_cast<long long>(n));
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", n);
    return buf;
}

}  // namespace

BrowserValue JsonBrowserValue(std::shared_ptr<const JsonValue> record, const JsonValue& value) {
    BrowserValue v;
    switch (value.kind) {
        case JsonValue::Kind::Null:
            break;
        case JsonValue::Kind::Bool:
            v.kind = BrowserValue::Kind::Number;
            v.number = value.boolean ? -1 : 0;
            break;
        case JsonValue::Kind::Number:
            v.kind = BrowserValue::Kind::Number;
            v.number = value.number;
            v.text = NumberText(value.number);
            break;
        case JsonValue::Kind::Text:
            v.kind = BrowserValue::Kind::Text;
            v.text = value.text;
            break;
        case JsonValue::Kind::Array:
        case JsonValue::Kind::Object:
            v.kind = BrowserValue::Kind::Object;
            v.object = std::make_shared<JsonObject>(std::move(record), value);
            break;
    }
    return v;
}

std::shared_ptr<const BrowserObject> JsonBrowserObject(std::shared_ptr<const JsonValue> record) {
    const JsonValue& root = *record;
    return std::make_shared<JsonObject>(std::move(record), root);
}

bool GetMember(const BrowserValue& of, const std::string& name, BrowserValue& value,
               BrowserError& error) {
    if (of.kind == BrowserValue::Kind::Object) return of.object->Get(name, value, error);
    error = of.kind == BrowserValue::Kind::Nothing ? kNoObject : kNoSuchMember;
    if (of.kind != BrowserValue::Kind::Nothing) error.description += " (" + name + ")";
    return false;
}

bool CallMember(const BrowserValue& of, const std::string& name,
                const std::vector<BrowserValue>& args, BrowserValue& value, BrowserError& error) {
    if (of.kind == BrowserValue::Kind::Object) return of.object->Call(name, args, value, error);
    return GetMember(of, name, value, error);
}

}  // namespace ravlet::rvbx
