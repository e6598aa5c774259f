#pragma once
// The start routine of ravlet.
#include <functional>
#include <string>

#include "app/MainWindowHooks.h"

namespace ravlet {

// The integration set-up (mode 1 installs, any other removes); true on success.
using IntegrationSetup = std::function<bool(int mode)>;

// Runs the start-up sequence: the work folder "tmp"
// (made the current directory; created on the first run, which offers the browser
// integration), the settings, the main window, then the command line when it is not empty.
// Nothing here stops the start: problems are shown and start-up goes on.
void StartRavlet(MainWindowHooks& window, const std::string& commandLine,
                 const IntegrationSetup& setIntegration = IntegrationSetup());

// The work folder: program folder + "tmp".
std::string WorkFolder();

}  // namespace ravlet
