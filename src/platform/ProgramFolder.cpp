#include "platform/ProgramFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "net/modFs.h"  // kPathSep

namespace ravlet {

namespace {

// A relative RAVLET_HOME is made absolute once: start-up changes the current directory into
// the work folder, after which the relative name would point somewhere else.
std::string AbsoluteHome(const std::string& home) {
    static std::string lastGiven;
    static std::string lastAbsolute;
    if (home != lastGiven || lastAbsolute.empty()) {
        std::error_code ec;
        std::filesystem::path p = std::filesystem::absolute(home, ec);
        lastGiven = home;
        lastAbsolute = ec ? home : p.string();
    }
    return lastAbsolute;
}

std::string WithSeparator(const std::string& folder) {
    if (!folder.empty() && folder.back() == kPathSep) return folder;
    return folder + kPathSep;
}

}  // namespace

std::string ExecutableFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return ".";
    return exe.parent_path().string();
}

std::string ProgramFolder() {
    const char* home = std::getenv("RAVLET_HOME");
    if (home && *home) return AbsoluteHome(home);
    static const std::string folder = ExecutableFolder();
    return folder;
}

std::string SettingsStem() {
    return "ravlet";
}

std::string ProgramFile(const std::string& name) {
    return WithSeparator(ProgramFolder()) + name;
}

}  // namespace ravlet
