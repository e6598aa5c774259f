// ravlet-cli download: a list of addresses, one a line, downloaded as ravlet's run would.
#include <iostream>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "cli/CliCommand.h"
#include "cli/CliDownload.h"
#include "cli/DownloadOptions.h"
#include "net/ListFiles.h"
#include "net/ravlet_url.h"

namespace ravlet::cli {

namespace {

const char kUsage[] = "download [OPTIONS] LISTFILE|-";

int Usage(const std::string& problem) {
    return UsageError("download", problem,
                      std::string("usage: ravlet-cli ") + kUsage +
                          "\n(ravlet-cli download --help for the options)\n");
}

void Help() {
    std::cout << "usage: ravlet-cli " << kUsage
              << "\n\n"
                 "Downloads every address of a list file (one a line; - reads standard input)\n"
                 "in order into the download folder, with the naming, existing-file and limit\n"
                 "rules of the settings and of the options below. Blank lines and repeated\n"
                 "addresses (letter case ignored) are dropped as the link list drops them;\n"
                 "relative entries need --base. Every skip and failure is printed as ravlet's\n"
                 "log writes it, then \"download finished. \" and the number of errors. On a\n"
                 "terminal a progress line is kept on standard error; Ctrl-C stops the run and\n"
                 "removes the part of the file being read.\n\n"
              << kDownloadOptionsHelp
              << "\nExit status 0 when no link failed, 1 when some failed, 2 for a wrong command\n"
                 "line or a list that cannot be read. Settings files are changed only with\n"
                 "--save-settings.\n";
}

bool ReadStandardInput(std::vector<std::string>& lines) {
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return !std::cin.bad();
}

int Run(const std::vector<std::string>& args) {
    DownloadOptions options;
    std::string source, error;
    const int status = StartDownloadCommand(args, options, source, "list", &Help, &Usage);
    if (status >= 0) return status;
    Settings& settings = AppSettings();

    std::vector<std::string> lines;
    if (source == "-" ? !ReadStandardInput(lines) : !ListLoadFile(source, lines)) {
        std::cerr << "ravlet-cli download: cannot read " << source << "\n";
        return 2;
    }
    CliDownloadHost host(settings, options);
    if (!host.LoadPad(error)) {
        std::cerr << "ravlet-cli download: " << error << "\n";
        return 2;
    }
    if (options.haveBase) host.Base(options.base);
    host.Links().Reserve(lines.size());
    for (const std::string& line : lines) AddLinkUnique(host.Links(), line);
    std::vector<std::string>().swap(lines);
    host.ApplyPad();
    if (host.Links().Empty()) {
        std::cerr << "ravlet-cli download: the list holds no addresses\n";
        return 0;
    }
    return host.Run();
}

const bool registered = RegisterCommand(
    {"download", kUsage,
     "download the addresses of a list file into the download folder, as ravlet's run does", 30,
     &Run});

}  // namespace

}  // namespace ravlet::cli
