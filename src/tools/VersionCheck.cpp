#include "tools/VersionCheck.h"

#include <cstdlib>
#include <string_view>

#include "app/Settings.h"
#include "net/RvNetGet.h"
#include "net/ravlet_url.h"
#include "platform/BusyPointer.h"
#include "platform/UserInterface.h"

#ifndef RAVLET_VERSION
#define RAVLET_VERSION "0.0.0"
#endif

namespace ravlet {

namespace {

constexpr char kCrLf[] = "\r\n";
constexpr char kBlockStart[] = "%versionstrings%\r\n";
constexpr int kCheckTries = 3;
// A version answer is a few hundred bytes; a longer one is not an answer.
constexpr std::int64_t kMaxAnswerBytes = 1024 * 1024;

// A part of a version text as a whole number; false for anything else.
bool VersionPart(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    value = std::atoi(text.c_str());
    return true;
}

bool PlainAddressByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u >= 0x7F) return false;  // blanks, control characters, non-ASCII
    return std::string_view("\\\"<>^`{|}@").find(c) == std::string_view::npos;
}

bool PlainAddress(std::string_view text) {
    for (const char c : text)
        if (!PlainAddressByte(c)) return false;
    return true;
}

bool HostByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-';
}

}  // namespace

std::string ProgramVersionParts::Text() const {
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
}

ProgramVersionParts ProgramVersion() {
    ProgramVersionParts v;
    const std::vector<std::string> parts = Split(RAVLET_VERSION, ".");
    int* fields[] = {&v.major, &v.minor, &v.revision};
    for (std::size_t i = 0; i < parts.size() && i < 3; ++i) VersionPart(parts[i], *fields[i]);
    return v;
}

int CompareVersion(const std::string& received, const ProgramVersionParts& mine) {
    const std::vector<std::string> parts = Split(received, ".");
    if (parts.size() != 3) return 0;
    const int own[] = {mine.major, mine.minor, mine.revision};
    int theirs[3];
    for (int i = 0; i < 3; ++i)
        if (!VersionPart(parts[i], theirs[i])) return 0;
    for (int i = 0; i < 3; ++i) {
        if (theirs[i] > own[i]) return 2;
        if (theirs[i] < own[i]) return 3;
    }
    return 1;
}

std::string VersionVerdictText(int verdict, const std::string& received,
                               const ProgramVersionParts& mine) {
    const std::string m = mine.Text();
    switch (verdict) {
        case 1:
            return "Your version (" + m + ") is up-to-date !";
        case 2:
            return "A new version (" + received + ") is available. Your Version is " + m + ".";
        case 3:
            return "You got pre-release " + m + ". Latest version for Download is " + received +
                   ".";
        case 0:
            return "Cannot verify Version number (yours:" + m + ", available:" + received +
                   "). Sorry.";
        default:
            return "The author made something wrong. Please email a screenshot.";
    }
}

bool ReadVersionAnswer(const std::string& text, VersionAnswer& answer) {
    const std::size_t start = text.find(kBlockStart);
    if (start == std::string::npos) return false;
    answer = VersionAnswer{};
    const std::vector<std::string> lines =
        Split(NormalizeNewlines(text.substr(start + sizeof kBlockStart - 1)), kCrLf);
    bool keys = true;
    bool firstFree = true;
    for (const std::string& raw : lines) {
        const std::string line = Trim(raw);
        if (line == "%eof%") return true;
        if (!keys) {
            if (!firstFree) answer.freeText += kCrLf;
            answer.freeText += line;
            firstFree = false;
            continue;
        }
        if (line.compare(0, 2, "//") == 0) continue;
        if (line == "%versionstrings end%") {
            keys = false;
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        if (key == "version")
            answer.version = value;
        else if (key == "webserver")
            answer.webserver = value;
        else if (key == "weburlver")
            answer.weburlver = value;
        else if (key == "webhomepage")
            answer.webhomepage = value;
    }
    return false;
}

bool SafeWebHomepage(const std::string& text) {
    std::size_t rest = 0;
    if (IStartsWith(text, "http://"))
        rest = 7;
    else if (IStartsWith(text, "https://"))
        rest = 8;
    else
        return false;
    return text.size() > rest && HostByte(text[rest]) && PlainAddress(text);
}

bool SafeWebServer(const std::string& text) {
    if (text.empty()) return true;
    const std::size_t slash = text.find('/');
    const std::string_view authority = std::string_view(text).substr(0, slash);
    const std::size_t colon = authority.find(':');
    const std::string_view host = authority.substr(0, colon);
    if (host.empty()) return false;
    for (const char c : host)
        if (!HostByte(c)) return false;
    if (colon != std::string_view::npos) {
        const std::string_view port = authority.substr(colon + 1);
        if (port.empty() || port.size() > 5) return false;
        for (const char c : port)
            if (c < '0' || c > '9') return false;
    }
    return slash == std::string::npos || SafeWebPath(text.substr(slash));
}

bool SafeWebPath(const std::string& text) {
    if (!PlainAddress(text)) return false;
    // No scheme: nothing like "file:" before the first "/".
    const std::size_t colon = text.find(':');
    return colon == std::string::npos || text.find('/') < colon;
}

int DoXtraCheckVer_Parse(const std::string& text, Settings& s, std::string& verTxt,
                         const ProgramVersionParts& mine, bool allowMove) {
    VersionAnswer a;
    if (!ReadVersionAnswer(text, a)) return 0;
    verTxt.clear();
    std::string notes;
    if (a.webserver != s.webserver || a.weburlver != s.weburlver) {
        if (SafeWebServer(a.webserver) && SafeWebPath(a.weburlver)) {
            if (!allowMove) return 0;
            s.webserver = a.webserver;
            s.weburlver = a.weburlver;
            return 2;
        }
        notes += std::string(kCrLf) + kCrLf +
                 "The version page address of the answer is not a host and path; the old one "
                 "is kept.";
    }
    const std::string mineText = mine.Text();
    const int verdict = mineText == a.version ? 1 : CompareVersion(a.version, mine);
    verTxt = VersionVerdictText(verdict, a.version, mine) + kCrLf + kCrLf + a.freeText;
    if (a.webhomepage != s.webhomepage) {
        if (SafeWebHomepage(a.webhomepage))
            s.webhomepage = a.webhomepage;
        else if (!a.webhomepage.empty())
            notes += std::string(kCrLf) + kCrLf +
                     "The home page address of the answer is not a web address; the old one is "
                     "kept.";
    }
    verTxt += notes;
    SettingsWriteFile(s);
    return 1;
}

bool DoXtraCheckVer(Settings& s, std::string& verTxt, const ProgramVersionParts& mine) {
    BusyPointer busy;
    RvNetGet net;
    net.PageBound(kMaxAnswerBytes);
    net.NetInit("ravlet/" + mine.Text(), 0, std::string());
    for (int moves = 0;; ++moves) {
        const std::string address = "http://" + s.webserver + s.weburlver;
        bool found = false;
        bool failed = false;
        std::string text;
        for (int i = 0; i < kCheckTries && !found; ++i) {
            net.NetInit("ravlet/" + mine.Text(), 0, std::string());
            net.Timeout(s.nettimeout);
            bool ok = false;
            net.NetUrlOpen(address, "accept: */html\r\n", ok);
            if (ok) {
                net.NetUrlRead(false, -1, ok);
                if (ok) {
                    text = net.TakeDataText();
                    found = text.find(kBlockStart) != std::string::npos;
                }
            }
            // An answer beyond the bound came, it just is no version answer.
            failed = !ok && !net.OverBound();
            net.NetUrlClose();
            Ui().ServeEvents();
        }
        if (!found) {
            verTxt = failed ? kVersionNoConnect : kVersionNotParsable;
            break;
        }
        const int result =
            DoXtraCheckVer_Parse(text, s, verTxt, mine, moves < kVersionCheckMaxMoves);
        if (result == 1) {
            net.NetClose();
            return true;
        }
        if (result == 2) continue;
        verTxt = kVersionNotParsable;
        break;
    }
    net.NetClose();
    return false;
}

}  // namespace ravlet
