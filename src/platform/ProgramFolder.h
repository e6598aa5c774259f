#pragma once
// Where ravlet keeps its files: the folder of the running program, unless RAVLET_HOME names
// another one (tests and installed copies use it).
#include <string>

namespace ravlet {

// The program folder, absolute, as given (no separator added at its end).
std::string ProgramFolder();
// The folder of the running executable, whatever RAVLET_HOME says: where the build puts the
// programs and the browser component beside them.
std::string ExecutableFolder();
// The stem of the settings and history files. The window and ravlet-cli share it, so both
// read the same "ravlet.ini", "ravlet.hst" and "ravlet.dir.hst".
std::string SettingsStem();
// The program folder, one separator and name.
std::string ProgramFile(const std::string& name);

}  // namespace ravlet
