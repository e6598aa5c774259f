#include "platform/WindowSystem.h"

namespace ravlet {

namespace {

// No program here opens windows of the classes the hand-off looks for.
class NoWindows : public WindowSystem {
  public:
    WindowId FindWindowExA(WindowId, WindowId, const char*, const char*) override { return 0; }
    unsigned long GetWindowThreadProcessId(WindowId) override { return 0; }
    long SendMessageA(WindowId, unsigned, WindowId, const CopyDataStruct&) override { return 0; }
};

NoWindows none;
WindowSystem* currentWindows = &none;

}  // namespace

WindowSystem& Windows() {
    return *currentWindows;
}

void SetWindowSystem(WindowSystem* windows) {
    currentWindows = windows ? windows : &none;
}

}  // namespace ravlet
