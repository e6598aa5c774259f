#include "platform/Shell.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

extern char** environ;

namespace ravlet {

namespace {

std::function<void(const std::string&)>& Recorder() {
    static std::function<void(const std::string&)> recorder;
    return recorder;
}

std::function<bool(const std::vector<std::string>&)>& StartRecorder() {
    static std::function<bool(const std::vector<std::string>&)> recorder;
    return recorder;
}

}  // namespace

void SetShellRecorder(std::function<void(const std::string&)> recorder) {
    Recorder() = std::move(recorder);
}

bool ShellOpen(const std::string& target) {
    if (Recorder()) {
        Recorder()(target);
        return true;
    }
    // The child double-forks through sh so no zombie is left behind and we never wait
    // for the handler itself.
    const std::string script = "xdg-open \"$1\" >/dev/null 2>&1 &";
    std::string arg0 = "sh", argC = "-c", arg1 = "ravlet";
    std::string argT = target;
    char* argv[] = {arg0.data(), argC.data(), const_cast<char*>(script.c_str()),
                    arg1.data(), argT.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "sh", nullptr, nullptr, argv, environ) != 0) return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string FileUri(const std::string& path) {
    std::string uri = "file://";
    for (const unsigned char c : path) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            uri += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            uri += hex;
        }
    }
    return uri;
}

bool ShellShowItem(const std::string& file) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(file, ec);
    const std::string path = ec ? file : absolute.lexically_normal().string();
    const std::string folder = path.substr(0, path.find_last_of('/') + 1);
    // The address is percent-encoded, so it holds no quote or comma to break the argument
    // texts of gdbus or dbus-send. dbus-send stands in where GLib's tools are missing; without
    // the service both fail at once, and the folder opens instead.
    const std::string script =
        "{ gdbus call --session --timeout 10 --dest org.freedesktop.FileManager1"
        " --object-path /org/freedesktop/FileManager1"
        " --method org.freedesktop.FileManager1.ShowItems \"['$1']\" \"''\""
        " || dbus-send --session --print-reply --reply-timeout=10000"
        " --dest=org.freedesktop.FileManager1 /org/freedesktop/FileManager1"
        " org.freedesktop.FileManager1.ShowItems \"array:string:$1\" string:;"
        " } >/dev/null 2>&1 || xdg-open \"$2\" >/dev/null 2>&1";
    return ShellStart({"sh", "-c", script, "ravlet", FileUri(path), folder});
}

void SetShellStartRecorder(std::function<bool(const std::vector<std::string>&)> recorder) {
    StartRecorder() = std::move(recorder);
}

bool ShellStart(const std::vector<std::string>& argv) {
    if (argv.empty()) return false;
    if (StartRecorder()) return StartRecorder()(argv);
    // As ShellOpen: sh starts the program in the background and returns at once, so the
    // program is never our child and leaves no zombie; "$@" keeps every argument whole.
    std::vector<std::string> args = {"sh", "-c", "\"$@\" </dev/null >/dev/null 2>&1 &", "sh"};
    args.insert(args.end(), argv.begin(), argv.end());
    std::vector<char*> raw;
    for (std::string& a : args) raw.push_back(a.data());
    raw.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "sh", nullptr, nullptr, raw.data(), environ) != 0) return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool ShellFindProgram(const std::string& name) {
    if (name.empty() || name.find('/') != std::string::npos) return false;
    const char* path = std::getenv("PATH");
    if (!path) return false;
    const std::string folders = path;
    std::size_t b = 0;
    while (b <= folders.size()) {
        std::size_t e = folders.find(':', b);
        if (e == std::string::npos) e = folders.size();
        const std::string folder = e == b ? "." : folders.substr(b, e - b);
        const std::string file = folder + "/" + name;
        struct stat st {};
        if (stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(file.c_str(), X_OK) == 0)
            return true;
        b = e + 1;
    }
    return false;
}

}  // namespace ravlet
