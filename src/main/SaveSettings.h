#pragma once
// Writing the settings file from the main window's menus and its close.
namespace ravlet {

// Writes the process's settings file; a failure is shown, and false returned. A file that
// could not be read whole at start-up is left as it is: that refusal is logged, and shown
// too unless tellRefusal is false (the start of every download run, which would otherwise
// ask the same each time).
bool SaveSettings(bool tellRefusal = true);

}  // namespace ravlet
