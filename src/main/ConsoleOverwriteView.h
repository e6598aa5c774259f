#pragma once
// The overwrite question on a terminal: the question on one stream, the answer from another.
#include <iosfwd>

#include "main/frmOverwrite.h"

namespace ravlet {

class ConsoleOverwriteView : public OverwriteView {
  public:
    // interactive false answers every question as a closed window (skip) without reading.
    ConsoleOverwriteView(std::istream& in, std::ostream& out, bool interactive)
        : in_(in), out_(out), interactive_(interactive) {}
    OverwriteAnswer Show(const OverwriteQuestion& question, frmOverwrite& form) override;

  private:
    std::istream& in_;
    std::ostream& out_;
    bool interactive_;
};

}  // namespace ravlet
