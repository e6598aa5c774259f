#pragma once
// Components created by a programmatic identifier and called by member name (late binding),
// as the download managers of other desktops offer them. This platform has no such
// components: the table of classes starts empty, so every creation fails as "cannot create",
// and tests register recording classes in it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ravlet {

// The platform's number for "the component cannot be created".
constexpr long kAutoCannotCreate = 429;

struct AutoError {
    long number = 0;
    std::string description;
};

// One argument of a late-bound call: a text, a 16-bit integer, or an array of texts passed
// by reference (the component may change it).
struct AutoArg {
    enum class Kind { Text, Int16, TextArray };
    Kind kind = Kind::Text;
    std::string text;
    std::int16_t number = 0;
    std::vector<std::string>* array = nullptr;

    static AutoArg Text(std::string value) {
        AutoArg a;
        a.text = std::move(value);
        return a;
    }
    static AutoArg Int16(std::int16_t value) {
        AutoArg a;
        a.kind = Kind::Int16;
        a.number = value;
        return a;
    }
    static AutoArg Array(std::vector<std::string>& byReference) {
        AutoArg a;
        a.kind = Kind::TextArray;
        a.array = &byReference;
        return a;
    }
};

class AutoObject {
  public:
    virtual ~AutoObject() = default;
    // Sets a property; false with the component's error.
    virtual bool Put(const std::string& name, const std::string& value, AutoError& error) = 0;
    // Calls a member; false with the component's error.
    virtual bool Call(const std::string& name, std::vector<AutoArg>& args, AutoError& error) = 0;
};

// Makes a component or fails with an error of the component's choice.
using AutoFactory = std::function<std::unique_ptr<AutoObject>(AutoError& error)>;

// Registers a class under its programmatic identifier; an empty factory removes it.
void RegisterAutoClass(const std::string& progId, AutoFactory factory);
// Creates the component; nullptr with the error (kAutoCannotCreate for an unknown class).
std::unique_ptr<AutoObject> CreateAutoObject(const std::string& progId, AutoError& error);

}  // namespace ravlet
