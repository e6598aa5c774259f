#pragma once
// Where tasks send their log messages. The log window registers itself; until then the
// messages go to standard error, so nothing a task reports is lost.
#include <functional>
#include <string>

namespace ravlet {

using LogHandler = std::function<void(const std::string& text, bool show)>;

void LogMessage(const std::string& text, bool show = false);
// Installs the handler; an empty one restores the standard-error default.
void SetLogHandler(LogHandler handler);

}  // namespace ravlet
