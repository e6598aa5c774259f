#pragma once
// The overwrite question on a terminal: the question on one stream, the answer from another.
#include <functional>
#include <iosfwd>
#include <string>

#include "main/frmOverwrite.h"

namespace ravlet {

class ConsoleOverwriteView : public OverwriteView {
  public:
    // interactive false answers every question as a closed window (skip) without reading.
    ConsoleOverwriteView(std::istream& in, std::ostream& out, bool interactive);
    // readLine gives the next line typed; false at the end of input.
    ConsoleOverwriteView(std::function<bool(std::string&)> readLine, std::ostream& out,
                         bool interactive)
        : readLine_(std::move(readLine)), out_(out), interactive_(interactive) {}
    OverwriteAnswer Show(const OverwriteQuestion& question, frmOverwrite& form) override;

  private:
    std::function<bool(std::string&)> readLine_;
    std::ostream& out_;
    bool interactive_;
};

}  // namespace ravlet
