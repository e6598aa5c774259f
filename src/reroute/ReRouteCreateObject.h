#pragma once
// Creating a manager's component, and what the user is told when that or a call fails.
#include <memory>
#include <string>

#include "platform/Automation.h"

namespace ravlet {

// The component, or nullptr after telling why: "<name> not installed / found, can't add"
// when it cannot be created and an address was given (nothing without one), the unexpected
// error's report for any other failure.
std::unique_ptr<AutoObject> ReRouteCreateObject(const std::string& progId, const std::string& name,
                                                const std::string& address);

// Five log lines (newest shown first, so they read from the request down to "</snip>") and
// the message asking to notify the developer.
void ReRouteUnexpected(const std::string& name, const AutoError& error);

}  // namespace ravlet
