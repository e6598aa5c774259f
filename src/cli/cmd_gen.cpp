// ravlet-cli gen: the names of ravlet's filename generator.
#include <iostream>
#include <string>
#include <vector>

#include "app/FileLines.h"
#include "cli/CliCommand.h"
#include "cli/ReadListInput.h"
#include "platform/ConsoleUi.h"
#include "tools/FilerRange.h"
#include "tools/frmFiler.h"

namespace ravlet::cli {

namespace {

const char kHelp[] =
    "usage: ravlet-cli gen [--format] [--add front|end LISTFILE] [--yes] START RANGE END\n"
    "\n"
    "Prints the names of ravlet's filename generator, one a line: START, a number of RANGE,\n"
    "END. RANGE is two numbers split at the first \"-\" (\"1-20\"); each side is read as a\n"
    "leading decimal number (text without one reads as 0) and rounded; an end below the start\n"
    "gives no names. With --add the rows of LISTFILE (one a line; - for standard input) are\n"
    "numbered instead, from the start of RANGE on (its end is ignored): each row gets its name\n"
    "in front of it or at its end.\n"
    "\n"
    "options:\n"
    "  --format           leading zeros up to the width of the longer number (0-999 gives\n"
    "                     000 to 999)\n"
    "  --add front|end L  number the rows of the list file L\n"
    "  --yes              go on without asking when more than 1,000,000 names would be made\n"
    "  --help             this text\n"
    "\n"
    "Example: ravlet-cli gen --format http://host/img 1-20 .jpg\n"
    "\n"
    "Exit status 0 when the names were printed, 1 when the list cannot be read or more than\n"
    "1,000,000 names were refused, 2 for a wrong command line (a range without \"-\").\n";

int Usage(const std::string& problem) {
    return UsageError("gen", problem, kHelp);
}

// The list and State of the console's generator; no window is there to be drawn.
class ConsoleFilerHost : public FilerHost {
  public:
    LinkList& ListLinks() override { return list; }
    int State() const override { return state; }
    void State(int s) override { state = s; }
    ctlStatusBar& StatusBar() override { return status; }
    bool GenerateAllowed() const override { return state == 0 || state == 2; }
    bool ClearAllowed() const override { return state == 0 || state == 2; }
    void ListChanged() override {}

    LinkList list;
    int state = 0;
    ctlStatusBar status;
};

// Answers the generator's question before a huge run with Yes.
class YesUi : public ConsoleUi {
  public:
    MsgAnswer Message(const std::string& text, MsgButtons buttons, MsgIcon icon,
                      const std::string& title) override {
        if (buttons == MsgButtons::YesNo) return MsgAnswer::Yes;
        return ConsoleUi::Message(text, buttons, icon, title);
    }
};

int Run(const std::vector<std::string>& args) {
    bool format = false, add = false, yes = false;
    int where = 1;
    std::string listFile;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::cout << kHelp;
            return 0;
        } else if (a == "--format") {
            format = true;
        } else if (a == "--yes") {
            yes = true;
        } else if (a == "--add") {
            if (i + 2 >= args.size()) return Usage("--add needs front or end and a list file");
            const std::string& w = args[++i];
            if (w != "front" && w != "end") return Usage("--add wants front or end: " + w);
            where = w == "front" ? 0 : 1;
            listFile = args[++i];
            add = true;
        } else if (a == "--") {
            words.insert(words.end(), args.begin() + static_cast<long>(i) + 1, args.end());
            break;
        } else if (a.size() > 1 && a.rfind("--", 0) == 0) {
            return Usage("unknown option '" + a + "'");
        } else {
            words.push_back(a);
        }
    }
    if (words.size() != 3) return Usage("START RANGE END are three words (\"\" for none)");
    const FilerRange range = ParseFilerRange(words[1]);
    if (!range.ok)
        return Usage(range.tooLarge ? "Number too large in Range (at most 18 digits): " + words[1]
                                    : "Syntax Error in Range: '" + words[1] + "'");

    ConsoleFilerHost host;
    if (add) {
        std::string bytes;
        if (!ReadListInput("gen", listFile, bytes)) return 1;
        host.list.Assign(FileLines(bytes));
    }
    frmFiler filer(host);
    filer.txtDef[0] = words[0];
    filer.txtDef[1] = words[2];
    filer.txtRange = words[1];
    filer.txtRangeTrail = format;
    filer.chkAdd = add;
    filer.chkAddOpt = where;
    YesUi yesUi;
    if (yes) SetUi(&yesUi);
    filer.cApply_Click(0);
    if (yes) SetUi(nullptr);
    const std::int64_t count = add ? static_cast<std::int64_t>(host.list.Count())
                                   : (range.last >= range.first ? range.last - range.first + 1 : 0);
    if (!add && count > 0 && host.list.Empty()) return 1;  // the question was answered No
    std::string out;
    for (const std::string& name : host.list.Items()) {
        out += name;
        out += '\n';
        if (out.size() > (1u << 20)) {
            std::cout << out;
            out.clear();
        }
    }
    std::cout << out << std::flush;
    return std::cout ? 0 : 1;
}

const bool registered = RegisterCommand(
    {"gen", "gen [--format] [--add front|end LISTFILE] [--yes] START RANGE END",
     "print the names of ravlet's filename generator (a start, a number range, an end)", 90, &Run});

}  // namespace

}  // namespace ravlet::cli
