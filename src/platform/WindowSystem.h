#pragma once
// The top-level windows of other programs and the message that hands them data: WackGet is
// reached this way. This platform has no such windows: its window system finds none, and
// tests install a fake one.
#include <cstdint>
#include <string>

namespace ravlet {

using WindowId = std::uintptr_t;  // 0: no window

// The message number of a data hand-over between programs.
constexpr unsigned kWmCopyData = 74;

// The structure of a data hand-over: dwData, and the bytes (cbData is their count).
struct CopyDataStruct {
    std::uintptr_t dwData = 0;
    std::string data;
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;
    // The first window below parent (0: the top level) after childAfter (0: from the first)
    // with the class and title; nullptr matches any.
    virtual WindowId FindWindowExA(WindowId parent, WindowId childAfter, const char* className,
                                   const char* title) = 0;
    virtual unsigned long GetWindowThreadProcessId(WindowId window) = 0;
    // Sends message with wParam and the structure as lParam; the receiver's answer.
    virtual long SendMessageA(WindowId receiver, unsigned message, WindowId wParam,
                              const CopyDataStruct& lParam) = 0;
};

// The process's window system; one that finds nothing until another is installed.
WindowSystem& Windows();
// Installs windows (not owned; nullptr restores the empty one).
void SetWindowSystem(WindowSystem* windows);

}  // namespace ravlet
