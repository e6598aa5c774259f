#include "platform/ProgramFolder.h"

#include <pwd.h>
#include <stdio.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "net/modFs.h"  // kPathSep

namespace ravlet {

namespace {

namespace fs = std::filesystem;

// A relative RAVLET_HOME is made absolute once: start-up changes the current directory into
// the work folder, after which the relative name would point somewhere else.
std::string AbsoluteHome(const std::string& home) {
    static std::string lastGiven;
    static std::string lastAbsolute;
    if (home != lastGiven || lastAbsolute.empty()) {
        std::error_code ec;
        fs::path p = fs::absolute(home, ec);
        lastGiven = home;
        lastAbsolute = ec ? home : p.string();
    }
    return lastAbsolute;
}

std::string WithSeparator(const std::string& folder) {
    if (!folder.empty() && folder.back() == kPathSep) return folder;
    return folder + kPathSep;
}

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string UserHome() {
    const std::string home = Env("HOME");
    if (!home.empty()) return home;
    const passwd* pw = getpwuid(getuid());
    return pw && pw->pw_dir ? pw->pw_dir : "/";
}

bool IsFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

bool Exists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

// The answer of `xdg-user-dir DOWNLOAD`, empty when the tool is missing or fails.
std::string XdgUserDirDownload() {
    struct Closer {
        void operator()(FILE* f) const { pclose(f); }
    };
    std::unique_ptr<FILE, Closer> pipe(popen("xdg-user-dir DOWNLOAD 2>/dev/null", "r"));
    if (!pipe) return {};
    std::string answer;
    char buffer[512];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) answer.append(buffer, n);
    const int status = pclose(pipe.release());
    if (status != 0) return {};
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r')) answer.pop_back();
    return answer;
}

}  // namespace

std::string ExecutableFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) return ".";
    return exe.parent_path().string();
}

std::string InstallPrefixOf(const std::string& executableFolder) {
    const fs::path folder = fs::path(executableFolder).lexically_normal();
    // A ravlet.ini beside the programs keeps a folder portable wherever it lies.
    if (Exists(folder / (SettingsStem() + ".ini"))) return {};
    fs::path prefix;
    const fs::path component(kComponentSubfolder);
    if (folder.filename() == "bin") {
        prefix = folder.parent_path();
    } else if (folder.filename() == component.filename() &&
               folder.parent_path().filename() == component.parent_path()) {
        prefix = folder.parent_path().parent_path();
    } else {
        return {};
    }
    if (prefix.empty() || !IsFolder(prefix / kSharedSubfolder)) return {};
    return prefix.string();
}

std::string InstallPrefix() {
    static const std::string prefix = InstallPrefixOf(ExecutableFolder());
    return prefix;
}

std::string ChooseProgramFolder(const FolderFacts& facts) {
    if (!facts.ravletHome.empty()) return facts.ravletHome;
    if (InstallPrefixOf(facts.executableFolder).empty()) return facts.executableFolder;
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base directory rules say.
    const std::string config = !facts.xdgConfigHome.empty() && facts.xdgConfigHome[0] == '/'
                                   ? facts.xdgConfigHome
                                   : WithSeparator(facts.home) + ".config";
    return WithSeparator(config) + "ravlet";
}

std::string ProgramFolder() {
    const std::string home = Env("RAVLET_HOME");
    if (!home.empty()) return AbsoluteHome(home);
    static const std::string folder = [] {
        const std::string chosen =
            ChooseProgramFolder({"", ExecutableFolder(), Env("XDG_CONFIG_HOME"), UserHome()});
        // The configuration folder of an installed copy exists from its first use on, so
        // ravlet-cli can save its settings there before the window ever ran.
        if (!InstallPrefix().empty()) {
            std::error_code ec;
            fs::create_directories(chosen, ec);
        }
        return chosen;
    }();
    return folder;
}

std::string SettingsStem() {
    return "ravlet";
}

std::string ProgramFile(const std::string& name) {
    return WithSeparator(ProgramFolder()) + name;
}

std::string ProgramsFolder() {
    const std::string prefix = InstallPrefix();
    return prefix.empty() ? ExecutableFolder() : WithSeparator(prefix) + "bin";
}

std::string ComponentFolder() {
    const std::string prefix = InstallPrefix();
    return prefix.empty() ? ExecutableFolder() : WithSeparator(prefix) + kComponentSubfolder;
}

std::string UserDownloadFolder() {
    const std::string home = UserHome();
    std::string folder = XdgUserDirDownload();
    // xdg-user-dir answers the home folder for a folder that is not set up (or switched off).
    if (folder.empty() || folder[0] != '/' || WithSeparator(folder) == WithSeparator(home))
        folder = WithSeparator(home) + "Downloads";
    return folder;
}

std::string DefaultDownloadFolder() {
    if (Env("RAVLET_HOME").empty() && !InstallPrefix().empty())
        return WithSeparator(UserDownloadFolder()) + "ravlet";
    return ProgramFile("tmp");
}

}  // namespace ravlet
