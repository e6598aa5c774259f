#pragma once
// Writing the settings file from the main window's menus and its close.
namespace ravlet {

// Writes the process's settings file; a failure is shown, and false returned.
bool SaveSettings();

}  // namespace ravlet
