#pragma once
// Starting programs and documents the way the desktop's "open" does, without waiting for them.
#include <functional>
#include <string>
#include <vector>

namespace ravlet {

// Starts path with args as a process of its own (its own session, standard input and output
// on /dev/null, nobody's child) and does not wait for it. 0 when it started, else the error
// number of the failed start.
int StartProgram(const std::string& path, const std::vector<std::string>& args);

// Opens file with params as one argument: a program is started, anything else (a document,
// a folder) goes to the desktop's default handler. The result follows the old shell's
// convention: above 32 when it started, else 2 file not found, 3 path not found, 5 access
// denied, 8 out of memory, 31 anything else.
int ShellExecuteOpen(const std::string& file, const std::string& params);

// Tests record the starts instead of running anything (the answer is StartProgram's); an
// empty function restores the real starts.
using ProgramStartRecorder =
    std::function<int(const std::string& path, const std::vector<std::string>& args)>;
void SetProgramStartRecorder(ProgramStartRecorder recorder);

}  // namespace ravlet
