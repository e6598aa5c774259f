#pragma once
// The JSON of the messages between the browser extension and its host: a strict reader that
// takes valid UTF-8 only, and the quoting of texts for the answers.
#include <string>
#include <utility>
#include <vector>

namespace ravlet::rvbx {

struct JsonValue {
    enum class Kind { Null, Bool, Number, Text, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;  // UTF-8
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;  // in the order given

    // The member called name, letters compared without regard to ASCII case as late-bound
    // names are; nullptr when there is none or this is no object.
    const JsonValue* Member(const std::string& name) const;
};

// Reads one JSON text (RFC 8259; at most 200 levels deep). False with the reason and the byte
// offset in problem.
bool ParseJson(const std::string& text, JsonValue& value, std::string& problem);

// text as a JSON string, quotes included; bytes that are no UTF-8 become U+FFFD.
std::string JsonQuote(const std::string& text);

}  // namespace ravlet::rvbx
