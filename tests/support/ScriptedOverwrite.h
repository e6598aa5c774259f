#pragma once
// An overwrite question for tests: answers from a script and records what it was shown.
#include <deque>
#include <functional>
#include <vector>

#include "main/frmOverwrite.h"

namespace ravlet::test {

class ScriptedOverwrite : public OverwriteView {
  public:
    OverwriteAnswer Show(const OverwriteQuestion& question, frmOverwrite& form) override {
        shown.push_back(question);
        if (during) during(form);
        if (answers.empty()) return OverwriteAnswer{};
        OverwriteAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<OverwriteAnswer> answers;  // a closed window when empty
    std::vector<OverwriteQuestion> shown;
    std::function<void(frmOverwrite&)> during;  // runs while each question is open
};

}  // namespace ravlet::test
