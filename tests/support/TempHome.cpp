#include "support/TempHome.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace ravlet::test {

TempHome::TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ravlet-test-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (mkdtemp(buf.data())) path_ = buf.data();
    if (const char* old = std::getenv("RAVLET_HOME")) {
        hadHome_ = true;
        oldHome_ = old;
    }
    setenv("RAVLET_HOME", path_.c_str(), 1);
    std::error_code ec;
    oldCwd_ = std::filesystem::current_path(ec).string();
}

TempHome::~TempHome() {
    std::error_code ec;
    if (!oldCwd_.empty()) std::filesystem::current_path(oldCwd_, ec);
    if (hadHome_)
        setenv("RAVLET_HOME", oldHome_.c_str(), 1);
    else
        unsetenv("RAVLET_HOME");
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

void TempHome::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(File(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempHome::Read(const std::string& name) const {
    return ReadFile(File(name));
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace ravlet::test
