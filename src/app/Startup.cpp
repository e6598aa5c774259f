#include "app/Startup.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/CommandLine.h"
#include "app/LogSink.h"
#include "app/Settings.h"
#include "platform/ProgramFolder.h"
#include "platform/UserInterface.h"

namespace ravlet {

namespace {

const char kCrLf[] = "\r\n";

std::string ErrorText(int err) {
    return std::to_string(err) + ":" + std::strerror(err);
}

void FirstRun(const std::string& folder, const IntegrationSetup& setIntegration) {
    std::error_code ec;
    // Creating the missing program folder too lets a new RAVLET_HOME start cleanly.
    std::filesystem::create_directories(folder, ec);
    std::string text =
        std::string("Created the following directory:") + kCrLf + folder + kCrLf + kCrLf;
    if (ec)
        text += "Failed: " + ErrorText(ec.value());
    else
        text += "No Error was reported.";
    text += std::string(kCrLf) + kCrLf + "Do you want to integrate ravlet into the web browser ?" +
            kCrLf + "(Right-Click menu)" + kCrLf + kCrLf +
            "(You can change this setting anytime in preferences dialog (F4) settings tab.";
    if (MsgBox(text, MsgButtons::YesNo, MsgIcon::Question, "ravlet self-setup routine") !=
        MsgAnswer::Yes)
        return;
    // The question's answer is not followed by a message; the log keeps the outcome.
    if (setIntegration)
        LogMessage(setIntegration(1) ? "The web browser's context-menu entries are installed."
                                     : "Installing the web browser's context-menu entries failed.");
    else
        LogMessage("The browser integration is not part of this build.");
}

void SelfSetup(const IntegrationSetup& setIntegration) {
    const std::string folder = WorkFolder();
    if (chdir(folder.c_str()) == 0) return;
    const int err = errno;
    if (err == ENOENT) {
        FirstRun(folder, setIntegration);
        return;
    }
    MsgBox(std::string("an unexpected error occured:") + kCrLf + ErrorText(err), MsgButtons::Ok,
           MsgIcon::Exclamation);
}

}  // namespace

std::string WorkFolder() {
    return ProgramFile("tmp");
}

void StartRavlet(MainWindowHooks& window, const std::string& commandLine,
                 const IntegrationSetup& setIntegration) {
    SelfSetup(setIntegration);
    const Settings& s = AppSettings();
    SettingsLoad(AppSettings());
    window.ShowMainWindow();
    if (!s.unreadFile.empty())
        MsgBox("The settings file " + s.unreadFile + " could not be read whole (" +
                   s.unreadProblem +
                   "). ravlet runs with the default settings and leaves the file as it is: "
                   "changes made now are not saved.",
               MsgButtons::Ok, MsgIcon::Exclamation);
    if (!commandLine.empty()) HandleCommandLine(window, commandLine);
}

}  // namespace ravlet
