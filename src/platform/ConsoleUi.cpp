#include "platform/ConsoleUi.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <iostream>
#include <string>

namespace ravlet {

namespace {

const char* Choices(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
            return "";
        case MsgButtons::OkCancel:
            return "[o]k/[c]ancel";
        case MsgButtons::YesNo:
            return "[y]es/[n]o";
        case MsgButtons::YesNoCancel:
            return "[y]es/[n]o/[c]ancel";
        case MsgButtons::AbortRetryIgnore:
            return "[a]bort/[r]etry/[i]gnore";
        case MsgButtons::RetryCancel:
            return "[r]etry/[c]ancel";
    }
    return "";
}

bool Allowed(MsgButtons buttons, MsgAnswer a) {
    switch (buttons) {
        case MsgButtons::Ok:
            return a == MsgAnswer::Ok;
        case MsgButtons::OkCancel:
            return a == MsgAnswer::Ok || a == MsgAnswer::Cancel;
        case MsgButtons::YesNo:
            return a == MsgAnswer::Yes || a == MsgAnswer::No;
        case MsgButtons::YesNoCancel:
            return a == MsgAnswer::Yes || a == MsgAnswer::No || a == MsgAnswer::Cancel;
        case MsgButtons::AbortRetryIgnore:
            return a == MsgAnswer::Abort || a == MsgAnswer::Retry || a == MsgAnswer::Ignore;
        case MsgButtons::RetryCancel:
            return a == MsgAnswer::Retry || a == MsgAnswer::Cancel;
    }
    return false;
}

bool FromLetter(char c, MsgAnswer& a) {
    switch (c) {
        case 'o':
            a = MsgAnswer::Ok;
            return true;
        case 'c':
            a = MsgAnswer::Cancel;
            return true;
        case 'y':
            a = MsgAnswer::Yes;
            return true;
        case 'n':
            a = MsgAnswer::No;
            return true;
        case 'a':
            a = MsgAnswer::Abort;
            return true;
        case 'r':
            a = MsgAnswer::Retry;
            return true;
        case 'i':
            a = MsgAnswer::Ignore;
            return true;
    }
    return false;
}

}  // namespace

MsgAnswer ConsoleUi::Message(const std::string& text, MsgButtons buttons, MsgIcon,
                             const std::string& title) {
    std::cerr << (title.empty() ? "ravlet" : title) << ": " << text << "\n";
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    if (!isatty(STDIN_FILENO) || !isatty(STDERR_FILENO)) {
        std::cerr << "(no terminal to ask; answering the safe way)\n";
        return SafeAnswer(buttons);
    }
    for (;;) {
        std::cerr << Choices(buttons) << "? " << std::flush;
        std::string line;
        if (!std::getline(std::cin, line)) return SafeAnswer(buttons);
        MsgAnswer a;
        if (!line.empty() && FromLetter(static_cast<char>(std::tolower(line[0])), a) &&
            Allowed(buttons, a))
            return a;
    }
}

std::string ConsoleUi::ChooseFile(const FileDialogRequest& request) {
    if (!isatty(STDIN_FILENO)) return std::string();
    std::cerr << request.title << " (path, empty to cancel): " << std::flush;
    std::string line;
    std::getline(std::cin, line);
    return line;
}

std::string ConsoleUi::ChooseFolder(const std::string& title, const std::string& start) {
    FileDialogRequest r;
    r.title = title;
    r.folder = start;
    return ChooseFile(r);
}

}  // namespace ravlet
