#pragma once
// Stand-ins for the browser component's tests: the page's objects as the extension records
// them, a recording user interface, a recording "ravlet" in the program folder.
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "net/Json.h"
#include "rvbx/BrowserObject.h"
#include "rvbx/RvbxUi.h"
#include "rvbx/ScriptFolder.h"

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
inline rvbx::BrowserValue BrowserJson(const std::string& json) {
    auto record = std::make_shared<JsonValue>();
    std::string problem;
    if (!ParseJson(json, *record, problem)) return rvbx::BrowserValue();
    return rvbx::JsonBrowserValue(record, *record);
}

// The menu arguments of a page at href with the selection's HTML and the element under the
// pointer (outerHTML, or null when nullopt), as the extension sends them.
inline std::string MenuArgumentsJson(const std::string& href, const std::string& html,
                                     const std::optional<std::string>& element) {
    const std::string point =
        element ? "{\"outerHTML\":" + JsonQuote(*element) + "}" : std::string("null");
    return "{\"menuArguments\":{\"event\":{\"clientX\":12,\"clientY\":34},\"document\":{"
           "\"elementFromPoint\":" +
           point + ",\"selection\":{\"createRange\":{\"htmlText\":" + JsonQuote(html) +
           "}}},\"location\":{\"href\":" + JsonQuote(href) + "}}}";
}

// A window whose script lies at path.
inline rvbx::BrowserValue ScriptWindowAt(const std::string& path) {
    return BrowserJson(
        "{\"document\":{\"location\":{\"href\":" + JsonQuote(rvbx::FileAddress(path)) + "}}}");
}

// Writes an executable "ravlet" into folder that records its arguments, one a line in
// brackets, in folder + "/started" (written whole, then renamed into place).
inline void WriteRecordingRavlet(const std::string& folder) {
    const std::string path = folder + "/ravlet";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << "#!/bin/sh\n"
           "d=$(dirname \"$0\")\n"
           "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$d/started.tmp\"\n"
           "mv \"$d/started.tmp\" \"$d/started\"\n";
    chmod(path.c_str(), 0755);
}

// The recorded lines, waiting for them at most 20 s; nullopt when ravlet was not started.
inline std::optional<std::vector<std::string>> WaitForStart(const std::string& folder) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < until) {
        std::ifstream in(folder + "/started", std::ios::binary);
        if (in) {
            std::vector<std::string> lines;
            for (std::string line; std::getline(in, line);) lines.push_back(line);
            return lines;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

// Sets an environment variable while it lives.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_.c_str(), old_->c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace ravlet::test
