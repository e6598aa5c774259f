#include "net/CookieFile.h"

#include <fstream>
#include <sstream>

#include "app/LogSink.h"
#include "net/RvNetGet.h"
#include "net/modFs.h"

namespace ravlet {

namespace {

// Lines of comments; "#HttpOnly_" marks a cookie line, not a comment.
bool Comment(const std::string& line) {
    return line.empty() || (line[0] == '#' && line.compare(0, 10, "#HttpOnly_") != 0);
}

// Seven fields separated by tabs: domain, subdomains, path, secure, expiry, name, value.
bool CookieLine(const std::string& line) {
    std::size_t tabs = 0;
    for (char c : line) tabs += c == '\t';
    return tabs == 6;
}

}  // namespace

std::string CookieTextProblem(const std::string& text) {
    if (text.find('\0') != std::string::npos) return "not a text file";
    std::istringstream in(text);
    std::string line;
    int cookies = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (Comment(line)) continue;
        if (!CookieLine(line)) return "not a cookies.txt file: a line is no cookie";
        ++cookies;
    }
    return cookies == 0 ? "no cookie in it" : std::string();
}

std::string CookieFileProblem(const std::string& path) {
    const long long size = FileSize(path);
    if (size < 0) return "can't read it";
    if (size > kMaxCookieFileBytes) return "larger than 4 MB";
    std::ifstream in(path, std::ios::binary);
    if (!in) return "can't read it";
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad() || static_cast<long long>(text.str().size()) != size) return "can't read it";
    return CookieTextProblem(text.str());
}

void UseCookies(RvNetGet& net, const std::string& file, const std::string& saveFile) {
    std::string usable = file;
    if (!file.empty()) {
        const std::string problem = CookieFileProblem(file);
        if (!problem.empty()) {
            LogMessage("Warning: cookie file not used (" + problem + ") - File: " + file);
            usable.clear();
        }
    }
    net.Cookies(usable, saveFile);
}

}  // namespace ravlet
