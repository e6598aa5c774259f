#pragma once
// Starting a second, independent instance of ravlet.
namespace ravlet {

// Starts the running program again without arguments and without waiting for it; false when
// it could not be started.
bool StartNewProcess();

}  // namespace ravlet
