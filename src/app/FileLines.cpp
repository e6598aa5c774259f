#include "app/FileLines.h"

namespace ravlet {

bool NextLine(const std::string& bytes, std::size_t& pos, std::string& line) {
    if (pos >= bytes.size()) return false;
    std::size_t end = bytes.find_first_of("\r\n", pos);
    if (end == std::string::npos) end = bytes.size();
    line.assign(bytes, pos, end - pos);
    pos = end;
    if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
    if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    return true;
}

std::vector<std::string> FileLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    std::string line;
    while (NextLine(bytes, pos, line)) lines.push_back(line);
    return lines;
}

}  // namespace ravlet
