#include "platform/StartProgram.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/Shell.h"

namespace ravlet {

namespace {

ProgramStartRecorder& ProgramRecorder() {
    static ProgramStartRecorder recorder;
    return recorder;
}

constexpr int kStarted = 33;
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kAccessDenied = 5;
constexpr int kOutOfMemory = 8;
constexpr int kOtherError = 31;

int CodeOf(int err) {
    switch (err) {
        case ENOENT:
            return kFileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return kPathNotFound;
        case EACCES:
        case EPERM:
            return kAccessDenied;
        case ENOMEM:
            return kOutOfMemory;
        default:
            return kOtherError;
    }
}

bool FolderExists(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    if (slash == std::string::npos) return true;
    struct stat st {};
    return stat(slash == 0 ? "/" : file.substr(0, slash).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

void SetProgramStartRecorder(ProgramStartRecorder recorder) {
    ProgramRecorder() = std::move(recorder);
}

int StartProgram(const std::string& path, const std::vector<std::string>& args) {
    if (ProgramRecorder()) return ProgramRecorder()(path, args);
    std::vector<std::string> texts;
    texts.push_back(path);
    texts.insert(texts.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& t : texts) argv.push_back(t.data());
    argv.push_back(nullptr);
    int pipeFd[2];
    if (pipe2(pipeFd, O_CLOEXEC) != 0) return errno;
    // Two forks, so the program is nobody's child and leaves no zombie; its own session, so
    // a browser that ends the process group of its helper does not end it too. The pipe
    // closes on a successful exec and carries the error number when it failed.
    const pid_t first = fork();
    if (first < 0) {
        const int err = errno;
        close(pipeFd[0]);
        close(pipeFd[1]);
        return err;
    }
    if (first == 0) {
        close(pipeFd[0]);
        if (fork() == 0) {
            setsid();
            const int devNull = open("/dev/null", O_RDWR);
            if (devNull >= 0) {
                dup2(devNull, 0);
                dup2(devNull, 1);
                if (devNull > 2) close(devNull);
            }
            execv(texts[0].c_str(), argv.data());
            const int err = errno;
            (void)!write(pipeFd[1], &err, sizeof err);
            _exit(127);
        }
        _exit(0);
    }
    close(pipeFd[1]);
    int status = 0;
    waitpid(first, &status, 0);
    int err = 0;
    if (read(pipeFd[0], &err, sizeof err) != static_cast<ssize_t>(sizeof err)) err = 0;
    close(pipeFd[0]);
    return err;
}

int ShellExecuteOpen(const std::string& file, const std::string& params) {
    if (file.empty()) return kFileNotFound;
    struct stat st {};
    if (stat(file.c_str(), &st) != 0) {
        const int err = errno;
        if (err == ENOENT && !FolderExists(file)) return kPathNotFound;
        return CodeOf(err);
    }
    const bool program = S_ISREG(st.st_mode) && (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH));
    if (!program) return ShellOpen(file) ? kStarted : kOtherError;
    std::vector<std::string> args;
    if (!params.empty()) args.push_back(params);
    const int err = StartProgram(file, args);
    return err == 0 ? kStarted : CodeOf(err);
}

}  // namespace ravlet
