#pragma once
// The commands of ravlet-cli. Each lives in a file of its own and registers itself here.
#include <string>
#include <vector>

namespace ravlet::cli {

struct CliCommand {
    std::string name;                                  // as typed: "links", "get", ...
    std::string usage;                                 // one line: "links [OPTIONS] ADDRESS|FILE|-"
    std::string summary;                               // one line for --help
    int order;                                         // place in --help
    int (*run)(const std::vector<std::string>& args);  // exit status
};

bool RegisterCommand(const CliCommand& command);
const std::vector<CliCommand>& Commands();

// A wrong command line: "ravlet-cli COMMAND: problem", an empty line and rest (the command's
// usage or help) on standard error. Returns the exit status for it, 2.
int UsageError(const std::string& command, const std::string& problem, const std::string& rest);

}  // namespace ravlet::cli
