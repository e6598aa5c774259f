#pragma once
// The command line of ravlet: a page address, or the hand-over of the browser component,
// "/u:" + page address + "/s:" + the name of a selection file in the program folder.
#include <string>

#include "app/MainWindowHooks.h"

namespace ravlet {

// The argument string as the system hands it over: the arguments after the program path,
// joined by blanks.
std::string ProcessCommandLine(int argc, const char* const* argv);

// Acts on the command line through the main window:
// - "/u:ADDRESS/s:ravlet.lNN": txtUrl := ADDRESS, history, the selection file's HTML parsed
//   (the file is read once and deleted), base building, and the automatic hand-off to the
//   default download manager when ReRouteAuto is set;
// - anything else: txtUrl := the text up to its first blank, then the Get command.
// A "/u:" argument without the "/s:ravlet.l" marker is an address without selection: the
// text after "/u:" up to its first blank goes to txtUrl and the Get command runs, as for a
// plain address. A selection name with a folder separator or ".." is refused (nothing is read
// or deleted), and a selection file that cannot be read is an empty selection; both leave a
// log line.
void HandleCommandLine(MainWindowHooks& window, const std::string& commandLine);

// The text of the selection file with CR LF after every line, the last one included;
// false when it cannot be read.
bool ReadSelectionFile(const std::string& path, std::string& text);

}  // namespace ravlet
