#pragma once
// A message of the desktop's notification service ("notify-send"), for the end of a long
// task while the user looks elsewhere.
#include <functional>
#include <string>

namespace ravlet {

// Shows title and text; false when the desktop has no notification tool.
bool DesktopNotify(const std::string& title, const std::string& text);

// Tests record the notifications instead; the recorder's answer is DesktopNotify's. An empty
// function restores the desktop's.
void SetDesktopNotifier(std::function<bool(const std::string&, const std::string&)> notifier);

}  // namespace ravlet
