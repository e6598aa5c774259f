#include "platform/Automation.h"

#include <map>

namespace ravlet {

namespace {

std::map<std::string, AutoFactory>& Classes() {
    static std::map<std::string, AutoFactory> classes;
    return classes;
}

}  // namespace

void RegisterAutoClass(const std::string& progId, AutoFactory factory) {
    if (factory)
        Classes()[progId] = std::move(factory);
    else
        Classes().erase(progId);
}

std::unique_ptr<AutoObject> CreateAutoObject(const std::string& progId, AutoError& error) {
    error = {};
    const auto it = Classes().find(progId);
    if (it == Classes().end()) {
        error = {kAutoCannotCreate, "ActiveX component can't create object"};
        return nullptr;
    }
    std::unique_ptr<AutoObject> object = it->second(error);
    if (!object && error.number == 0)
        error = {kAutoCannotCreate, "ActiveX component can't create object"};
    return object;
}

}  // namespace ravlet
