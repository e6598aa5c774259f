// ravlet-cli: the main job of ravlet without windows.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "tools/VersionCheck.h"

namespace ravlet::cli {

namespace {
std::vector<CliCommand>& Registry() {
    static std::vector<CliCommand> commands;
    return commands;
}
}  // namespace

bool RegisterCommand(const CliCommand& command) {
    Registry().push_back(command);
    std::stable_sort(Registry().begin(), Registry().end(),
                     [](const CliCommand& a, const CliCommand& b) { return a.order < b.order; });
    return true;
}

const std::vector<CliCommand>& Commands() {
    return Registry();
}

}  // namespace ravlet::cli

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: ravlet-cli COMMAND [OPTIONS] [ARGUMENTS]\n\n"
           "ravlet's link harvesting and settings without the windows. The program folder\n"
           "(settings ravlet.ini, histories ravlet.hst and ravlet.dir.hst, work folder tmp)\n"
           "is the folder of the programs; an installed ravlet-cli (in the bin folder of an\n"
           "install prefix) uses $XDG_CONFIG_HOME/ravlet or ~/.config/ravlet; the environment\n"
           "variable RAVLET_HOME names another. Nothing given on the command line is saved\n"
           "unless a command is asked to.\n"
           "\ncommands:\n";
    for (const auto& c : ravlet::cli::Commands())
        out << "  " << c.usage << "\n      " << c.summary << "\n";
    out << "  --help\n      this text\n"
           "  --version\n      the program's version\n"
           "\nEach command takes --help for its options.\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintUsage(std::cerr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    if (args[0] == "--version") {
        std::cout << "ravlet-cli " << ravlet::ProgramVersion().Text() << '\n';
        return 0;
    }
    for (const auto& c : ravlet::cli::Commands()) {
        if (c.name == args[0]) return c.run({args.begin() + 1, args.end()});
    }
    std::cerr << "ravlet-cli: unknown command '" << args[0] << "'\n";
    PrintUsage(std::cerr);
    return 2;
}
