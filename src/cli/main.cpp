// ravlet-cli: the main job of ravlet without windows.
#include <cstring>
#include <iostream>
#include <string>

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: ravlet-cli COMMAND [OPTIONS]\n"
           "\n"
           "commands:\n"
           "  --help      this text\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(std::cout);
        return argc < 2 ? 2 : 0;
    }
    std::cerr << "ravlet-cli: unknown command '" << argv[1] << "'\n";
    PrintUsage(std::cerr);
    return 2;
}
