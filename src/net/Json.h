#pragma once
// The JSON ravlet reads and writes: the messages between the browser extension and its host,
// and the RPC of a download manager. A strict reader that takes valid UTF-8 only (no partial
// trees, never throws), and two ways of quoting texts.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ravlet {

struct JsonMember;

struct JsonValue {
    enum class Kind { Null, Bool, Number, Text, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;  // UTF-8
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;  // in the order given

    // The member called name, letters compared without regard to ASCII case as late-bound
    // names are; nullptr when there is none or this is no object.
    const JsonValue* Member(const std::string& name) const;
    bool Is(Kind k) const { return kind == k; }
};

// A name of an object and its value. A type of its own, not a pair: a pair of a type that is
// still being declared is refused by some standard libraries.
struct JsonMember {
    JsonMember(std::string n, JsonValue v) : name(std::move(n)), value(std::move(v)) {}
    std::string name;
    JsonValue value;
};

// Reads one JSON text (RFC 8259; at most 200 levels deep). False with the reason and the byte
// offset in problem.
bool ParseJson(const std::string& text, JsonValue& value, std::string& problem);

// The value of a whole JSON text; nothing when it is not one.
std::optional<JsonValue> JsonParse(const std::string& text);

// text as a JSON string, quotes included; bytes that are no UTF-8 become U+FFFD.
std::string JsonQuote(const std::string& text);
// The same, but a byte that is no UTF-8 is taken as the Latin-1 character of that number, so
// a text of the system's code page reaches the other side whole; DEL is escaped too.
std::string JsonString(const std::string& text);

}  // namespace ravlet
