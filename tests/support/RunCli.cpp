#include "support/RunCli.h"
#include "support/TempHome.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

namespace ravlet::test {

namespace {

std::string TempName(const std::string& what) {
    static int files = 0;
    return (std::filesystem::temp_directory_path() /
            ("ravlet-cli-" + what + "-" + std::to_string(getpid()) + "-" + std::to_string(++files)))
        .string();
}

}  // namespace

CliProcess::CliProcess(const std::string& args, const std::string& input)
    : outFile_(TempName("out")), errFile_(TempName("err")), inFile_(TempName("in")) {
    std::ofstream(inFile_, std::ios::binary) << input;
    // exec: the shell becomes the program, so a signal to the pid reaches ravlet-cli.
    const std::string command = "exec " + std::string(RAVLET_CLI_PATH) + " " + args + " <'" +
                                inFile_ + "' >'" + outFile_ + "' 2>'" + errFile_ + "'";
    pid_ = fork();
    if (pid_ == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

CliProcess::~CliProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    std::error_code ec;
    for (const std::string& f : {outFile_, errFile_, inFile_}) std::filesystem::remove(f, ec);
}

void CliProcess::Signal(int signal) const {
    if (pid_ > 0) kill(pid_, signal);
}

bool CliProcess::Wait(int timeoutMs, CliResult& result) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    while (pid_ > 0 && waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    pid_ = -1;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFile(outFile_);
    result.err = ReadFile(errFile_);
    return true;
}

CliResult RunCli(const std::string& args, const std::string* input) {
    CliResult r;
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path();
    static int runs = 0;
    const std::string tag = std::to_string(getpid()) + "-" + std::to_string(++runs);
    const fs::path errFile = dir / ("ravlet-cli-err-" + tag);
    const fs::path inFile = dir / ("ravlet-cli-in-" + tag);
    std::string command =
        std::string(RAVLET_CLI_PATH) + " " + args + " 2>'" + errFile.string() + "'";
    if (input) {
        std::ofstream(inFile, std::ios::binary) << *input;
        command += " <'" + inFile.string() + "'";
    }
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, n);
        const int rc = pclose(pipe);
        r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    }
    r.err = ReadFile(errFile.string());
    std::error_code ec;
    fs::remove(errFile, ec);
    fs::remove(inFile, ec);
    return r;
}

}  // namespace ravlet::test
