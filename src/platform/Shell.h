#pragma once
// Opening documents and addresses with the desktop's default handler.
#include <functional>
#include <string>

namespace ravlet {

// Hands target to the desktop ("xdg-open") without waiting for it; false when it could not
// be started.
bool ShellOpen(const std::string& target);

// Tests record the targets instead of starting anything; an empty function restores the
// real shell.
void SetShellRecorder(std::function<void(const std::string&)> recorder);

}  // namespace ravlet
