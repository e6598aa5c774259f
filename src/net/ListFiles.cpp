#include "net/ListFiles.h"

#include <fstream>
#include <iterator>

#include "app/FileLines.h"
#include "platform/AtomicWriteFile.h"
#include "platform/BusyPointer.h"
#include "platform/DoEvents.h"
#include "platform/UserInterface.h"

namespace ravlet {

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool ListSaveFile(const std::string& path, const std::vector<std::string>& list) {
    BusyPointer busy;
    std::string text;
    for (const std::string& entry : list) {
        text += entry;
        text += "\r\n";
        DoEvents();
    }
    std::string error;
    if (AtomicWriteFile(path, text, &error)) return true;
    MsgBox("While saving the file, the following Error occured:\r\n\r\n" + error +
               "\r\n\r\nThe Filename was:\r\n" + path,
           MsgButtons::Ok, MsgIcon::Critical, "Saving List");
    return false;
}

bool ListLoadFile(const std::string& path, std::vector<std::string>& list,
                  const std::function<void(int)>& percent) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) return false;
    std::size_t pos = 0;
    std::string line;
    while (NextLine(bytes, pos, line)) {
        list.push_back(line);
        if (percent) percent(static_cast<int>(pos * 100 / bytes.size()));
        DoEvents();
    }
    return true;
}

std::string ReadTextFile(const std::string& path) {
    BusyPointer busy;
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) return std::string();
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 32);
    for (const std::string& line : FileLines(bytes)) {
        text += line;
        text += "\r\n";
        DoEvents();
    }
    return text;
}

}  // namespace ravlet
