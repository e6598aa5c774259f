#include <iostream>

#include "cli/CliCommand.h"

namespace ravlet::cli {

int UsageError(const std::string& command, const std::string& problem, const std::string& rest) {
    std::cerr << "ravlet-cli " << command << ": " << problem << "\n\n" << rest;
    return 2;
}

}  // namespace ravlet::cli
