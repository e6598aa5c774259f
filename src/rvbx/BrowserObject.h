#pragma once
// The browser's objects as the component sees them: read late, by name, as a script engine
// does. A read of a name the object does not have is an error with the engine's number and
// text, which the component hands back to its caller.
#include <memory>
#include <string>
#include <vector>

#include "net/Json.h"

namespace ravlet::rvbx {

class BrowserObject;

struct BrowserValue {
    enum class Kind { Nothing, Number, Text, Object };
    Kind kind = Kind::Nothing;
    double number = 0;
    std::string text;
    std::shared_ptr<const BrowserObject> object;
};

struct BrowserError {
    int number = 0;
    std::string description;
};

class BrowserObject {
  public:
    virtual ~BrowserObject() = default;
    // Reads the property name; false with the error when it cannot.
    virtual bool Get(const std::string& name, BrowserValue& value, BrowserError& error) const = 0;
    // Calls the method name with args.
    virtual bool Call(const std::string& name, const std::vector<BrowserValue>& args,
                      BrowserValue& value, BrowserError& error) const = 0;
};

// Reads name of a value: an object's property, or the error of a read on Nothing or on a
// number or text.
bool GetMember(const BrowserValue& of, const std::string& name, BrowserValue& value,
               BrowserError& error);
bool CallMember(const BrowserValue& of, const std::string& name,
                const std::vector<BrowserValue>& args, BrowserValue& value, BrowserError& error);

// Browser objects that stand in for the real ones, made of a JSON record of what the page
// answered: a property is the member of that name, a method's result is the member of that
// name too (the page computed it when the record was made), null is Nothing. The record
// lives as long as the objects made from it.
BrowserValue JsonBrowserValue(std::shared_ptr<const JsonValue> record, const JsonValue& value);
std::shared_ptr<const BrowserObject> JsonBrowserObject(std::shared_ptr<const JsonValue> record);

}  // namespace ravlet::rvbx
