#include "net/ListFiles.h"

#include <fstream>
#include <iterator>

#include "app/FileLines.h"
#include "platform/AtomicWriteFile.h"
#include "platform/DoEvents.h"
#include "platform/UserInterface.h"

namespace ravlet {

namespace {

// Shows the hourglass for as long as the object lives.
class BusyPointer {
  public:
    BusyPointer() { Ui().SetBusy(true); }
    ~BusyPointer() { Ui().SetBusy(false); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

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
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        list.push_back(bytes.substr(start, end - start));
        start = end;
        if (start < bytes.size() && bytes[start] == '\r') ++start;
        if (start < bytes.size() && bytes[start] == '\n') ++start;
        if (percent) percent(static_cast<int>(start * 100 / bytes.size()));
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
