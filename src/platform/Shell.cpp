#include "platform/Shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <utility>

extern char** environ;

namespace ravlet {

namespace {

std::function<void(const std::string&)>& Recorder() {
    static std::function<void(const std::string&)> recorder;
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

}  // namespace ravlet
