#pragma once
// The little JSON the RPC of a download manager needs: texts written as JSON strings, and
// answers read into a tree. The reader refuses anything that is not JSON (no partial trees),
// nests at most 64 levels deep, and never throws.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ravlet {

// The bytes of text as a quoted JSON string. Valid UTF-8 passes as it stands; quotes,
// backslashes and control characters are escaped; any other byte is taken as the Latin-1
// character of that number, so a text of the system's code page becomes valid JSON too.
std::string JsonString(const std::string& text);

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;  // UTF-8
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    bool Is(Kind k) const { return kind == k; }
    // The member name of an object; nullptr when this is no object or it has none.
    const JsonValue* Member(const std::string& name) const;
};

// The value of a whole JSON text; nothing when it is not one.
std::optional<JsonValue> JsonParse(const std::string& text);

}  // namespace ravlet
