#include "app/CommandLine.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "app/FileLines.h"
#include "app/LogSink.h"
#include "app/Settings.h"
#include "platform/BusyPointer.h"
#include "platform/DoEvents.h"
#include "platform/ProgramFolder.h"
#include "platform/UserInterface.h"

namespace ravlet {

namespace {

const char kHandOver[] = "/u:";
const char kSelectionMarker[] = "/s:ravlet.l";

std::string TrimBlanks(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    return text.substr(b, e - b);
}

std::string UpToFirstBlank(const std::string& text) {
    return text.substr(0, text.find(' '));
}

// Only a plain "ravlet.l..." name in the program folder is taken, so that a crafted command
// line cannot make ravlet read and delete any other file.
bool IsSelectionName(const std::string& name) {
    return name.compare(0, 8, "ravlet.l") == 0 && name.find('/') == std::string::npos &&
           name.find('\\') == std::string::npos && name.find("..") == std::string::npos;
}

std::string TakeSelection(const std::string& name) {
    if (!IsSelectionName(name)) {
        LogMessage("Refused the selection file name " + name +
                   ": it must be a ravlet.l file "
                   "in the program folder");
        return std::string();
    }
    const std::string path = ProgramFile(name);
    std::string text;
    if (!ReadSelectionFile(path, text)) {
        LogMessage("Can't read the selection file " + path + "; the selection is empty");
        return std::string();
    }
    std::error_code ec;
    if (!std::filesystem::remove(path, ec) || ec)
        LogMessage("Can't delete the selection file " + path + ": " + ec.message());
    return text;
}

}  // namespace

std::string ProcessCommandLine(int argc, const char* const* argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    return line;
}

bool ReadSelectionFile(const std::string& path, std::string& text) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    BusyPointer busy;
    text.clear();
    // Every line is handed on with CR LF, the last one included.
    for (const std::string& line : FileLines(bytes)) {
        text += line;
        text += "\r\n";
        DoEvents();
    }
    return true;
}

void HandleCommandLine(MainWindowHooks& window, const std::string& commandLine) {
    const std::string t = TrimBlanks(commandLine);
    if (t.compare(0, 3, kHandOver) == 0) {
        const std::string r = t.substr(3);
        // The marker is looked for from the fourth character on.
        const std::size_t p = r.size() > 3 ? r.find(kSelectionMarker, 3) : std::string::npos;
        if (p != std::string::npos) {
            const std::string selection = TakeSelection(r.substr(p + 3));
            window.SetTxtUrl(r.substr(0, p));
            window.Task_History_Do();
            window.doTextParse(selection);
            window.Task_Buildbase(AppSettings().Auto_BuildBase);
            if (AppSettings().ReRouteAuto) window.Task_ReRoute_Default();
            return;
        }
        window.SetTxtUrl(UpToFirstBlank(r));
        window.cGo_Click();
        return;
    }
    window.SetTxtUrl(UpToFirstBlank(t));
    window.cGo_Click();
}

}  // namespace ravlet
