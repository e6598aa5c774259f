#pragma once
// The HTTP response head of one address, as the info window shows it. The body is never read.
#include <string>

#include "tools/ctlStatusBar.h"

namespace ravlet {

struct Settings;

// Requests address (the base in front when it has no known scheme) with referrer, through
// a network object of its own made with the settings' user agent, proxy and time-out.
// status shows the request's progress and gets its caption back at the end. text is the
// result: the status code and both heads, or the error. False when the request failed.
bool GetInfoText(const std::string& address, const std::string& referrer, const std::string& base,
                 const Settings& settings, ctlStatusBar& status, std::string& text);

}  // namespace ravlet
