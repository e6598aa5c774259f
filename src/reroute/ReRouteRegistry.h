#pragma once
// The registry tests of the hand-off: whether a manager left its key, and where WackGet lives.
#include <string>

namespace ravlet {

// The key under the current user's hive; when missing and alsoMachine, under the machine's.
bool RegKeyExists(const std::string& key, bool alsoMachine);
// The default value of "Software\Millweed\WackGet" under the machine's hive; empty when the
// key or the value is missing.
std::string WackGetFolder();

}  // namespace ravlet
