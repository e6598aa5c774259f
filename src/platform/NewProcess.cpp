#include "platform/NewProcess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <string>

namespace ravlet {

namespace {
std::string OwnExecutable() {
    char buf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return std::string();
    return std::string(buf, static_cast<std::size_t>(n));
}
}  // namespace

bool StartNewProcess() {
    const std::string exe = OwnExecutable();
    if (exe.empty()) return false;
    int pipeFd[2];
    if (pipe2(pipeFd, O_CLOEXEC) != 0) return false;
    // Two forks, so the new instance is nobody's child and leaves no zombie behind. The pipe
    // closes on a successful exec and carries one byte when it failed.
    const pid_t first = fork();
    if (first < 0) {
        close(pipeFd[0]);
        close(pipeFd[1]);
        return false;
    }
    if (first == 0) {
        close(pipeFd[0]);
        if (fork() == 0) {
            setsid();
            execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
            const char failed = 1;
            (void)!write(pipeFd[1], &failed, 1);
            _exit(127);
        }
        _exit(0);
    }
    close(pipeFd[1]);
    int status = 0;
    waitpid(first, &status, 0);
    char failed = 0;
    const bool execFailed = read(pipeFd[0], &failed, 1) == 1;
    close(pipeFd[0]);
    return !execFailed;
}

}  // namespace ravlet
