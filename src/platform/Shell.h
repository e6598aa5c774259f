#pragma once
// Opening documents and addresses with the desktop's default handler.
#include <functional>
#include <string>
#include <vector>

namespace ravlet {

// Hands target to the desktop ("xdg-open") without waiting for it; false when it could not
// be started.
bool ShellOpen(const std::string& target);

// Shows file selected in the desktop's file manager (its FileManager1 service on the session
// bus), else opens the folder holding it; does not wait. False when nothing could be started.
bool ShellShowItem(const std::string& file);

// The "file://" address of path: every byte but letters, digits, "-._~" and "/" is
// percent-encoded.
std::string FileUri(const std::string& path);

// Tests record the targets instead of starting anything; an empty function restores the
// real shell.
void SetShellRecorder(std::function<void(const std::string&)> recorder);

// Starts the program argv[0] (looked up on the PATH) with the other arguments, without a
// shell in between and without waiting for it; false when it could not be started.
bool ShellStart(const std::vector<std::string>& argv);

// Tests record the command lines instead of starting anything; the recorder's answer is
// ShellStart's. An empty function restores the real start.
void SetShellStartRecorder(std::function<bool(const std::vector<std::string>&)> recorder);

// Whether name is an executable file in a folder of the PATH.
bool ShellFindProgram(const std::string& name);

}  // namespace ravlet
