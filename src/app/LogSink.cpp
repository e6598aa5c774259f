#include "app/LogSink.h"

#include <iostream>

namespace ravlet {

namespace {
LogHandler& Handler() {
    static LogHandler handler;
    return handler;
}
}  // namespace

void LogMessage(const std::string& text, bool show) {
    if (Handler()) {
        Handler()(text, show);
        return;
    }
    std::cerr << text << "\n";
}

void SetLogHandler(LogHandler handler) { Handler() = std::move(handler); }

}  // namespace ravlet
