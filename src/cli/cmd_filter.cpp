// ravlet-cli filter: a list refined by the checked filters of a pad file.
#include <iostream>
#include <string>
#include <vector>

#include "app/FileLines.h"
#include "app/Settings.h"
#include "cli/CliCommand.h"
#include "cli/ReadListInput.h"
#include "filters/PadApply.h"
#include "net/ravlet_url.h"

namespace ravlet::cli {

namespace {

const char kHelp[] =
    "usage: ravlet-cli filter --pad FILE [LISTFILE|-]\n"
    "\n"
    "Reads a list (one link a line; a list file, or standard input for '-' or when no\n"
    "file is given), runs the checked filters of the filter pad FILE over it in pad order,\n"
    "as ravlet's refiner does, and prints the refined list, one link a line.\n"
    "\n"
    "The pad is a file as ravlet's refiner saves it (default.rvp in the program folder).\n"
    "Settings the filters use (the page endings of \"Binarize\", the file type groups of new\n"
    "filters) come from the program folder's ravlet.ini.\n"
    "\n"
    "options:\n"
    "  --pad FILE   the filter pad to apply (required)\n"
    "  --help       this text\n"
    "\n"
    "Exit status: 0 done, 1 the pad or the list cannot be read, 2 bad arguments.\n";

int Usage(const std::string& problem) {
    return UsageError("filter", problem, kHelp);
}

int Run(const std::vector<std::string>& args) {
    std::string pad, list;
    bool haveList = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << kHelp;
            return 0;
        } else if (a == "--pad") {
            if (i + 1 >= args.size()) return Usage("--pad needs a file");
            pad = args[++i];
        } else if (a.rfind("--pad=", 0) == 0) {
            pad = a.substr(6);
        } else if (a != "-" && a.rfind("-", 0) == 0) {
            return Usage("unknown option '" + a + "'");
        } else if (haveList) {
            return Usage("one list only");
        } else {
            list = a;
            haveList = true;
        }
    }
    if (pad.empty()) return Usage("--pad FILE is required");

    std::string bytes;
    if (!ReadListInput("filter", haveList ? list : "", bytes)) return 1;
    SettingsLoad(AppSettings());
    std::vector<std::string> rows = FileLines(bytes);
    std::string error;
    if (!PadApplyFile(pad, rows, &error)) {
        std::cerr << "ravlet-cli filter: cannot use the pad " << pad << ": " << error << "\n";
        return 1;
    }
    for (const std::string& row : rows) std::cout << EscapeControls(row) << '\n';
    std::cout << std::flush;
    return std::cout ? 0 : 1;
}

const bool registered =
    RegisterCommand({"filter", "filter --pad FILE [LISTFILE|-]",
                     "print a list refined by the checked filters of a filter pad", 60, &Run});

}  // namespace

}  // namespace ravlet::cli
