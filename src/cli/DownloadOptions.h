#pragma once
// The options ravlet-cli get and download share: where and how the links are stored, which
// ones are taken, the network settings, and the settings file they start from.
#include <string>
#include <vector>

namespace ravlet {
struct Settings;
}

namespace ravlet::cli {

struct DownloadOptions {
    std::string settingsFile;       // --settings
    std::vector<std::string> sets;  // --set KEY=VALUE, in order
    // Named options, as settings lines ("savedir=...") applied after the --set lines.
    std::vector<std::string> lines;
    bool saveSettings = false;
    bool dryRun = false;
    bool haveBase = false;
    std::string base;
    std::string pad;          // --pad: a filter pad applied to the list before the run
    int scanModes = 0;        // get only; 0: the scan keys of the settings
    std::string saveCookies;  // --save-cookies: where the session's cookies are written
    bool summary = false;     // --summary: each link's outcome at the end
    std::string failedList;   // --failed-list: where the failed links go
};

// The help text of the shared options.
extern const char kDownloadOptionsHelp[];

enum class OptionResult { Taken, NotMine, Bad };

// Reads the option at args[i] (and its value, moving i past it). Bad leaves the reason in
// error.
OptionResult ReadDownloadOption(const std::vector<std::string>& args, std::size_t& i,
                                DownloadOptions& options, std::string& error);

enum class CommandLine { Run, Help, Bad };

// Reads a whole command line: the shared options, the scan modes, --help and one operand
// (what names it in the messages: "page", "list"). Bad leaves the reason in error.
CommandLine ReadCommandLine(const std::vector<std::string>& args, DownloadOptions& options,
                            std::string& operand, const std::string& what, std::string& error);

// The start that get and download share: the command line (help and a wrong command line
// answered through the two callbacks), the URL schemes and the settings. -1 to go on, else
// the exit status.
int StartDownloadCommand(const std::vector<std::string>& args, DownloadOptions& options,
                         std::string& operand, const std::string& what, void (*help)(),
                         int (*usage)(const std::string&));

// Loads the settings (the file of --settings or the program folder's), then the --set
// lines, then the named options. False with the reason when a line cannot be applied.
bool LoadSettingsFor(const DownloadOptions& options, Settings& s, std::string& error);

}  // namespace ravlet::cli
