#include "filters/FilterFindReplace.h"

#include "net/ravlet_url.h"

namespace ravlet {

namespace {

bool Same(const std::string& a, const std::string& b, bool caseSensitive) {
    return caseSensitive ? a == b : IEquals(a, b);
}

std::string ReplaceEvery(const std::string& text, const std::string& find, const std::string& with,
                         bool caseSensitive) {
    if (find.empty()) return text;
    return caseSensitive ? ReplaceAll(text, find, with) : IReplaceAll(text, find, with);
}

}  // namespace

int FindReplaceFilter::Judge(std::string& link) const {
    const std::size_t n = find.size();
    bool pass = true;
    if (!find.empty()) {
        switch (pos) {
            case 1:
                pass = link.size() >= n && Same(link.substr(0, n), find, caseSensitive);
                break;
            case 2:
                pass = link.size() >= n && Same(link.substr(link.size() - n), find, caseSensitive);
                break;
            default:
                pass = caseSensitive ? link.find(find) != std::string::npos
                                     : IFind(link, find) != std::string::npos;
        }
    }
    if (action != 1 && action != 2) return pass == matchnot ? 1 : 0;
    if (!pass) return 0;
    const std::string with = action == 2 ? replace : std::string();
    switch (pos) {
        case 1:
            link = with + link.substr(n);
            break;
        case 2:
            link = link.substr(0, link.size() - n) + with;
            break;
        default:
            link = ReplaceEvery(link, find, with, caseSensitive);
    }
    return 2;
}

std::string FindReplaceFilter::DataRead() const {
    return DataBlock({DataLine("pos", pos), DataLine("find", find),
                      DataLine("case", caseSensitive ? 1 : 0), DataLine("action", action),
                      DataLine("matchnot", matchnot ? 1 : 0), DataLine("replace", replace)});
}

void FindReplaceFilter::ReplaceChanged(const std::string& text) {
    if (text == replace) return;
    replace = text;
    action = 2;
}

void FindReplaceFilter::DataWrite(const DataLines& lines) {
    int newPos = 0, newAction = 0;
    std::string newFind, newReplace;
    for (const auto& [name, value] : lines) {
        if (name == "pos")
            newPos = DataNumber(value);
        else if (name == "find")
            newFind = value;
        else if (name == "case")
            caseSensitive = DataNumber(value) != 0;
        else if (name == "action")
            newAction = DataNumber(value);
        else if (name == "matchnot")
            matchnot = DataNumber(value) != 0;
        else if (name == "replace")
            newReplace = value;
    }
    find = newFind;
    ReplaceChanged(newReplace);
    // A position without an option keeps the one chosen before.
    if (newPos >= 0 && newPos <= 2) pos = newPos;
    if (newAction >= 0 && newAction <= 2) action = newAction;
}

}  // namespace ravlet
