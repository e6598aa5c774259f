#include "rvbx/ScriptFolder.h"

namespace ravlet::rvbx {

namespace {

const char kFileScheme[] = "file://";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t p = text.find(from); p != std::string::npos;
         p = text.find(from, p + to.size()))
        text.replace(p, from.size(), to);
    return text;
}

bool HasDotDotStep(const std::string& path) {
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        if (path.compare(start, end - start, "..") == 0) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

std::string DecodeScriptAddress(const std::string& href) {
    std::string text = href.compare(0, 7, kFileScheme) == 0 ? href.substr(7) : href;
    text = ReplaceAll(text, "%20", " ");
    text = ReplaceAll(text, "+", " ");
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
            HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool ScriptFolder(const std::string& href, std::string& folder, std::string& problem) {
    folder.clear();
    if (href.compare(0, 7, kFileScheme) != 0) {
        problem = "the menu script's address " + href + " is no file:// address";
        return false;
    }
    const std::string path = DecodeScriptAddress(href);
    const std::size_t slash = path.rfind('/');
    if (path.empty() || path[0] != '/' || slash == std::string::npos) {
        problem = "the menu script's address " + href + " names no absolute path";
        return false;
    }
    const std::string candidate = path.substr(0, slash + 1);
    for (const char c : candidate) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            problem = "the menu script's folder in " + href + " holds a control character";
            return false;
        }
    }
    if (HasDotDotStep(candidate)) {
        problem = "the menu script's folder in " + href + " holds a \"..\" step";
        return false;
    }
    folder = candidate;
    return true;
}

std::string FileAddress(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out = kFileScheme;
    for (const char ch : path) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

}  // namespace ravlet::rvbx
