#pragma once
// Automation classes for tests: every object created records its creation, property puts
// and calls, in order, into one list. Classes registered here are removed again at the end.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Automation.h"

namespace ravlet::test {

class RecordingAutomation {
  public:
    RecordingAutomation() = default;
    ~RecordingAutomation();
    RecordingAutomation(const RecordingAutomation&) = delete;
    RecordingAutomation& operator=(const RecordingAutomation&) = delete;

    // A class that can be created.
    void Register(const std::string& progId);
    // A class whose creation fails with error.
    void RegisterFailing(const std::string& progId, AutoError error);
    // Every call of member (any class) fails with error.
    void FailCall(const std::string& member, AutoError error) { failing_[member] = error; }

    // "create PROGID", "put NAME=\"VALUE\"", "call MEMBER(\"text\", i16:0, [\"a\"|\"b\"])";
    // NUL characters in texts read "\0".
    std::vector<std::string> calls;
    // Runs after every recorded call, as events served while a manager works would.
    std::function<void()> onCall;

  private:
    std::vector<std::string> registered_;
    std::map<std::string, AutoError> failing_;
};

}  // namespace ravlet::test
