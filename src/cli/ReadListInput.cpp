#include "cli/ReadListInput.h"

#include <fstream>
#include <iostream>
#include <iterator>

namespace ravlet::cli {

namespace {
bool ReadAll(std::istream& in, std::string& bytes) {
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}
}  // namespace

bool ReadListInput(const std::string& command, const std::string& list, std::string& bytes) {
    if (list.empty() || list == "-") {
        if (ReadAll(std::cin, bytes)) return true;
        std::cerr << "ravlet-cli " << command << ": cannot read standard input\n";
        return false;
    }
    std::ifstream in(list, std::ios::binary);
    if (in && ReadAll(in, bytes)) return true;
    std::cerr << "ravlet-cli " << command << ": cannot read the list " << list << "\n";
    return false;
}

}  // namespace ravlet::cli
