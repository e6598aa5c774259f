#include "main/History.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/FileLines.h"
#include "app/LogSink.h"
#include "net/modFs.h"
#include "platform/AtomicWriteFile.h"

namespace ravlet {

namespace {
// A history of hand-typed addresses never comes near this; a bigger file is not one of ours.
constexpr std::int64_t kMaxHistoryBytes = 16 * 1024 * 1024;
}  // namespace

void HistoryMoveToFront(ComboBox& box, const std::string& item) {
    auto& items = box.items;
    items.erase(std::remove(items.begin(), items.end(), item), items.end());
    items.insert(items.begin(), item);
    box.text = item;
}

bool HistoryLoad(const std::string& path, ComboBox& box) {
    if (!FileExists(path)) return false;
    const std::int64_t size = FileSize(path);
    if (size > kMaxHistoryBytes) {
        LogMessage("History file too big (" + std::to_string(size) + " bytes), not read: " + path);
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    box.enabled = false;
    for (std::string& line : FileLines(bytes)) box.items.push_back(std::move(line));
    box.enabled = true;
    return true;
}

std::string HistoryText(const ComboBox& box) {
    std::string text;
    for (const std::string& item : box.items) {
        text += item;
        text += "\r\n";
    }
    return text;
}

bool HistorySave(const std::string& path, const ComboBox& box, std::string* error) {
    return AtomicWriteFile(path, HistoryText(box), error);
}

}  // namespace ravlet
