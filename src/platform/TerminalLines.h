#pragma once
// Lines typed on the terminal, read without stopping the program: while no whole line has
// come, the user interface's events are served (and with them the timers that move the
// transfers of a run), so a question on the terminal holds up nothing but its own answer.
#include <functional>
#include <string>

namespace ravlet {

class TerminalLines {
  public:
    // fd: the terminal (standard input); giveUp: asked between waits, true ends the read.
    explicit TerminalLines(int fd, std::function<bool()> giveUp = nullptr)
        : fd_(fd), giveUp_(std::move(giveUp)) {}
    // One line without its end; false at the end of input, on an error or when given up.
    bool Read(std::string& line);

  private:
    int fd_;
    std::function<bool()> giveUp_;
    std::string buffer_;  // what came after the last line handed out
};

}  // namespace ravlet
