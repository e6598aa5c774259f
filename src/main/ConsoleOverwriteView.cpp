#include "main/ConsoleOverwriteView.h"

#include <istream>
#include <ostream>
#include <string>

#include "net/ravlet_url.h"

namespace ravlet {

namespace {

// The letter of each button, as its caption underlines it.
int ButtonOfLetter(char c) {
    switch (c) {
        case 'o':
            return Ow_Overwrite;
        case 'r':
            return Ow_Rename;
        case 't':
            return Ow_Retry;
        case 's':
            return Ow_Skip;
        case 'a':
            return Ow_OverwriteAll;
        case 'l':
            return Ow_SkipAll;
    }
    return Ow_Closed;
}

}  // namespace

ConsoleOverwriteView::ConsoleOverwriteView(std::istream& in, std::ostream& out, bool interactive)
    : ConsoleOverwriteView([&in](std::string& line) { return !!std::getline(in, line); }, out,
                           interactive) {}

OverwriteAnswer ConsoleOverwriteView::Show(const OverwriteQuestion& question, frmOverwrite&) {
    out_ << EscapeControls(question.caption) << "\n"
         << question.prompt << "\n"
         << EscapeControls(ReplaceAll(question.info, "\r\n", " ")) << "\n";
    OverwriteAnswer answer;
    answer.name = question.name;
    if (!interactive_) {
        out_ << "(no terminal to ask; skipped)\n";
        return answer;
    }
    for (;;) {
        out_ << "[o]verwrite, [r]ename, re[t]ry, [s]kip, overwrite [a]ll, skip a[l]l? "
             << std::flush;
        std::string line;
        if (!readLine_(line)) return answer;  // end of input: as a closed window
        line = Trim(line);
        if (line.empty()) continue;
        answer.button = ButtonOfLetter(static_cast<char>(LCase(line.substr(0, 1))[0]));
        if (answer.button == Ow_Closed) continue;
        if (answer.button == Ow_Rename) {
            out_ << "new name [" << EscapeControls(question.name) << "]: " << std::flush;
            std::string name;
            if (!readLine_(name)) return OverwriteAnswer{Ow_Closed, question.name};
            if (!name.empty()) answer.name = name;
        }
        return answer;
    }
}

}  // namespace ravlet
