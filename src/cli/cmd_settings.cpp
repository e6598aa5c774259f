// ravlet-cli settings: the settings file as ravlet would write it.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "app/Settings.h"
#include "cli/CliCommand.h"

namespace ravlet::cli {

namespace {

const char kHelp[] =
    "usage: ravlet-cli settings [--settings FILE] [--set KEY=VALUE]... [--write]\n"
    "\n"
    "Loads the settings as ravlet does at start-up (every default, then the settings file\n"
    "ravlet.ini of the program folder over them) and prints the settings file exactly as\n"
    "ravlet would write it from that record (CR LF line ends).\n"
    "\n"
    "The program folder is the folder of the ravlet programs ($XDG_CONFIG_HOME/ravlet or\n"
    "~/.config/ravlet for an installed copy), or the folder named by the environment\n"
    "variable RAVLET_HOME.\n"
    "\n"
    "options:\n"
    "  --settings FILE   read FILE instead of the program folder's ravlet.ini\n"
    "  --set KEY=VALUE   set one key for this run, read as the file's lines are\n"
    "                    (repeatable; applied in order after the file)\n"
    "  --write           write the file instead of printing it: to FILE with --settings,\n"
    "                    else to the program folder's ravlet.ini (through a temporary file,\n"
    "                    so a failed write leaves the old file as it was)\n"
    "  --help            this text\n"
    "\n"
    "Nothing is saved unless --write is given.\n";

int Usage(const std::string& problem) {
    return UsageError("settings", problem, kHelp);
}

int Run(const std::vector<std::string>& args) {
    std::string file;
    std::vector<std::string> sets;
    bool write = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << kHelp;
            return 0;
        } else if (a == "--write") {
            write = true;
        } else if (a == "--settings" || a == "--set") {
            if (i + 1 >= args.size()) return Usage(a + " needs a value");
            if (a == "--set")
                sets.push_back(args[++i]);
            else
                file = args[++i];
        } else if (a.rfind("--settings=", 0) == 0) {
            file = a.substr(11);
        } else if (a.rfind("--set=", 0) == 0) {
            sets.push_back(a.substr(6));
        } else {
            return Usage("unknown argument '" + a + "'");
        }
    }
    std::error_code ec;
    if (!file.empty() && !std::filesystem::exists(file, ec)) {
        std::cerr << "ravlet-cli settings: no such file: " << file << "\n";
        return 1;
    }
    Settings& s = AppSettings();
    SettingsLoad(s, file);
    for (const std::string& line : sets) {
        if (line.find('=') == std::string::npos) return Usage("--set wants KEY=VALUE: " + line);
        if (!SettingsApplyLine(s, line)) {
            std::cerr << "ravlet-cli settings: cannot set '" << line
                      << "': unknown key, or a value the key cannot take\n";
            return 2;
        }
    }
    SettingsFinishSavedir(s);
    if (!write) {
        std::cout << SettingsText(s) << std::flush;
        return std::cout ? 0 : 1;
    }
    std::string error;
    const std::string target = file.empty() ? s.settingsFile : file;
    if (!SettingsWriteFile(s, target, &error)) {
        std::cerr << "ravlet-cli settings: not written: " << error << "\n";
        return 1;
    }
    std::cout << "written: " << target << "\n";
    return 0;
}

const bool registered = RegisterCommand(
    {"settings", "settings [--settings FILE] [--set KEY=VALUE]... [--write]",
     "print the settings as ravlet would write them (defaults, then the program folder's "
     "ravlet.ini); --write saves them",
     90, &Run});

}  // namespace

}  // namespace ravlet::cli
