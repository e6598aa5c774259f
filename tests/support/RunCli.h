#pragma once
// Runs the ravlet-cli program that the build made, in the current RAVLET_HOME.
#include <string>

namespace ravlet::test {

struct CliResult {
    int status = -1;  // exit status; -1 when it did not exit normally
    std::string out;  // standard output
    std::string err;  // standard error
};

// args are already quoted for the shell; input, when given, is fed to standard input.
CliResult RunCli(const std::string& args, const std::string* input = nullptr);

}  // namespace ravlet::test
