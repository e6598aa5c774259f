#pragma once
// Stand-ins for the browser component's tests: the page's objects as the extension records
// them, a recording user interface, a recording "ravlet" in the program folder.
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "rvbx/BrowserObject.h"
#include "rvbx/RvbxUi.h"

namespace ravlet::test {

struct RvbxMessage {
    std::string text, title;
    bool errorIcon = false;
};

class RecordingRvbxUi : public rvbx::RvbxUi {
  public:
    void Message(const std::string& text, const std::string& title, bool errorIcon) override {
        messages.push_back({text, title, errorIcon});
    }
    void ShowInfo(const std::string& text) override { infos.push_back(text); }
    std::vector<RvbxMessage> messages;
    std::vector<std::string> infos;
};

// A JSON text as browser objects.
rvbx::BrowserValue BrowserJson(const std::string& json);

// The menu arguments of a page at href with the selection's HTML and the element under the
// pointer (outerHTML, or null when nullopt), as the extension sends them.
std::string MenuArgumentsJson(const std::string& href, const std::string& html,
                              const std::optional<std::string>& element);

// A window whose script lies at path.
rvbx::BrowserValue ScriptWindowAt(const std::string& path);

// Writes an executable "ravlet" into folder that records its arguments, one a line in
// brackets, in folder + "/started" (written whole, then renamed into place).
void WriteRecordingRavlet(const std::string& folder);
// The recorded lines, waiting for them at most 20 s; nullopt when ravlet was not started.
std::optional<std::vector<std::string>> WaitForStart(const std::string& folder);

// Sets an environment variable while it lives.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_, old_;
    bool had_ = false;
};

}  // namespace ravlet::test
