// Reading and writing the settings file.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/FileLines.h"
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "platform/AtomicWriteFile.h"

#ifndef RAVLET_VERSION
#define RAVLET_VERSION "0"
#endif

namespace ravlet {

namespace {

// Far above any real settings file; a bigger file is refused rather than read into memory.
constexpr std::uintmax_t kMaxSettingsFileSize = 16u * 1024u * 1024u;

std::string TrimBlanks(const std::string& text) {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    return text.substr(b, e - b);
}

// The same file under two names (a link, a relative path), or the same name.
bool SameFile(const std::string& a, const std::string& b) {
    if (a == b) return true;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

std::string WithoutCrLfPairs(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

// A line of the file cannot hold a line break: a value with one would split into lines that
// the next read takes as keys of their own.
std::string OnOneLine(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

}  // namespace

bool SettingsApplyLine(Settings& s, const std::string& line) {
    const std::string t = TrimBlanks(line);
    if (t.compare(0, 2, "//") == 0) return false;
    const std::size_t eq = t.find('=');
    if (eq == std::string::npos) return false;
    const settings::KeyRow* row = settings::FindKey(t.substr(0, eq));
    if (!row) return false;
    return settings::ApplyValue(s, *row, WithoutCrLfPairs(t.substr(eq + 1)));
}

bool SettingsReadFile(Settings& s, const std::string& path, std::string* problem) {
    auto fail = [problem](const std::string& why) {
        if (problem) *problem = why;
        return false;
    };
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) return true;
    if (!std::filesystem::is_regular_file(status)) return fail("it is not a regular file");
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) return fail(ec.message());
    if (size > kMaxSettingsFileSize) return fail("it is bigger than 16 MB");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail(errno ? std::strerror(errno) : "it cannot be opened");
    std::string text(static_cast<std::size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return fail("a read error");
    for (const std::string& line : FileLines(text)) SettingsApplyLine(s, line);
    return true;
}

std::string SettingsText(const Settings& s) {
    std::string out = "// ravlet " RAVLET_VERSION
                      " settings\r\n"
                      "// ini-file - this file has been generated\r\n";
    for (const settings::KeyRow& row : settings::KeyRows()) {
        if (row.line)
            out += row.line;
        else
            out += std::string(row.key) + "=" + OnOneLine(settings::WrittenValue(s, row));
        out += "\r\n";
    }
    return out;
}

bool SettingsWriteFile(const Settings& s, const std::string& path, std::string* error) {
    const std::string& target = path.empty() ? s.settingsFile : path;
    if (!s.unreadFile.empty() && SameFile(target, s.unreadFile)) {
        // The defaults in memory must not replace settings that were merely unreadable.
        if (error)
            *error = target + " could not be read whole (" + s.unreadProblem +
                     "), so it is left as it is; mend or remove it and start again";
        return false;
    }
    return AtomicWriteFile(target, SettingsText(s), error);
}

}  // namespace ravlet
