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

// A ravlet-cli run in the background, for tests that signal it while it works.
class CliProcess {
  public:
    CliProcess(const std::string& args, const std::string& input);
    ~CliProcess();  // a run still going is killed
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    void Signal(int signal) const;
    // Waits up to timeoutMs for the end and fills result; false when the run is still going.
    bool Wait(int timeoutMs, CliResult& result);

  private:
    int pid_ = -1;
    std::string outFile_, errFile_, inFile_;
};

}  // namespace ravlet::test
