// ravlet-cli version-check: the about page's version check against the settings' web site.
#include <iostream>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "cli/CliCommand.h"
#include "net/ravlet_url.h"
#include "tools/VersionCheck.h"

namespace ravlet::cli {

namespace {

const char kHelp[] =
    "usage: ravlet-cli version-check\n"
    "\n"
    "Asks the program's web site for the latest version, as the \"Chec&k\" button of the\n"
    "preferences' about page does: \"http://\" + webserver + weburlver of the settings, three\n"
    "tries, and once more at a new address when the site says it moved (at most three moves).\n"
    "Prints the verdict and the site's text. New web-site addresses from the answer are kept\n"
    "in the settings file; addresses the shell could misuse are refused, and the result says\n"
    "so.\n"
    "\n"
    "Exit status 0 when a verdict came, 1 when the site could not be reached or its answer\n"
    "could not be read, 2 for a wrong command line.\n";

int Run(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << kHelp;
            return 0;
        }
        return UsageError("version-check", "no arguments expected: '" + a + "'", kHelp);
    }
    Settings& settings = AppSettings();
    SettingsLoad(settings);
    UrlSchemesInit();
    std::string text;
    const bool verdict = DoXtraCheckVer(settings, text);
    // The site's text reaches a terminal: its control bytes are shown, not obeyed.
    for (const std::string& line : Split(NormalizeNewlines(text), "\r\n"))
        std::cout << EscapeControls(line) << '\n';
    std::cout << std::flush;
    return verdict && std::cout ? 0 : 1;
}

const bool registered =
    RegisterCommand({"version-check", "version-check",
                     "ask the program's web site whether a newer version is available", 190, &Run});

}  // namespace

}  // namespace ravlet::cli
