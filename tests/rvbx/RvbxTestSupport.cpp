#include "rvbx/RvbxTestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <thread>

#include "net/Json.h"
#include "rvbx/ScriptFolder.h"

namespace ravlet::test {

rvbx::BrowserValue BrowserJson(const std::string& json) {
    auto record = std::make_shared<JsonValue>();
    std::string problem;
    if (!ParseJson(json, *record, problem)) return rvbx::BrowserValue();
    return rvbx::JsonBrowserValue(record, *record);
}

std::string MenuArgumentsJson(const std::string& href, const std::string& html,
                              const std::optional<std::string>& element) {
    const std::string point =
        element ? "{\"outerHTML\":" + JsonQuote(*element) + "}" : std::string("null");
    return "{\"menuArguments\":{\"event\":{\"clientX\":12,\"clientY\":34},\"document\":{"
           "\"elementFromPoint\":" +
           point + ",\"selection\":{\"createRange\":{\"htmlText\":" + JsonQuote(html) +
           "}}},\"location\":{\"href\":" + JsonQuote(href) + "}}}";
}

rvbx::BrowserValue ScriptWindowAt(const std::string& path) {
    return BrowserJson(
        "{\"document\":{\"location\":{\"href\":" + JsonQuote(rvbx::FileAddress(path)) + "}}}");
}

void WriteRecordingRavlet(const std::string& folder) {
    const std::string path = folder + "/ravlet";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "#!/bin/sh\n"
           "d=$(dirname \"$0\")\n"
           "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$d/started.tmp\"\n"
           "mv \"$d/started.tmp\" \"$d/started\"\n";
    out.close();
    chmod(path.c_str(), 0755);
}

std::optional<std::vector<std::string>> WaitForStart(const std::string& folder) {
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

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) {
        had_ = true;
        old_ = old;
    }
    setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (had_)
        setenv(name_.c_str(), old_.c_str(), 1);
    else
        unsetenv(name_.c_str());
}

}  // namespace ravlet::test
