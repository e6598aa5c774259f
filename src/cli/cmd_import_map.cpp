// ravlet-cli import-map: the addresses of an IntelliTamper site map, as the import adds them.
#include <iostream>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "links/LinkList.h"
#include "main/SiteMap.h"

namespace ravlet::cli {

namespace {

const char kHelp[] =
    "usage: ravlet-cli import-map FILE|-\n"
    "\n"
    "Reads an IntelliTamper site map (FILE, or standard input for -) as ravlet's \"Import\n"
    "Intellitamper Map File...\" does and prints the addresses it adds to the link list, one a\n"
    "line, in list order: DOMAIN##host and FOLDER##/path/ records set the folder, FILE##name\n"
    "adds folder + name, EXTRALINK##address adds the address (each value up to the first TAB;\n"
    "keys in capitals only). Blanks are trimmed, and an address is added once (letter case\n"
    "ignored). A file whose first line is not \"### SITEMAP1 INTELLITAMPER\" gets a warning on\n"
    "standard error and is read all the same (its first line is taken as the signature line).\n"
    "\n"
    "Exit status 0 when the map was read, 1 when it cannot be opened or read, 2 for a wrong\n"
    "command line.\n";

int Usage(const std::string& problem) {
    return UsageError("import-map", problem, kHelp);
}

int Run(const std::vector<std::string>& args) {
    std::string path;
    bool havePath = false;
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << kHelp;
            return 0;
        } else if (a != "-" && a.rfind("-", 0) == 0) {
            return Usage("unknown option '" + a + "'");
        } else if (havePath) {
            return Usage("one site map at a time: '" + a + "'");
        } else {
            path = a;
            havePath = true;
        }
    }
    if (!havePath) return Usage("which site map?");
    LinkList list;
    SiteMapEvents events;
    events.notSiteMap = [] {
        std::cerr << "ravlet-cli import-map: Not an Intellitemper Map File maybe\n";
    };
    std::string error;
    const std::string file = path == "-" ? "/dev/stdin" : path;
    if (!SiteMapImport(file, list, events, error)) {
        std::cerr << "ravlet-cli import-map: Failed to open " << path << ": " << error << "\n";
        // What was read before a read error is printed all the same.
        if (list.Empty()) return 1;
    }
    std::string out;
    for (const std::string& link : list.Items()) {
        out += link;
        out += '\n';
    }
    std::cout << out << std::flush;
    return error.empty() && std::cout ? 0 : 1;
}

const bool registered =
    RegisterCommand({"import-map", "import-map FILE|-",
                     "print the addresses of an IntelliTamper site map in list order", 70, &Run});

}  // namespace

}  // namespace ravlet::cli
