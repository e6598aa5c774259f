#include "support/RunCli.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace ravlet::test {

namespace {

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

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
    r.err = Slurp(errFile);
    std::error_code ec;
    fs::remove(errFile, ec);
    fs::remove(inFile, ec);
    return r;
}

}  // namespace ravlet::test
