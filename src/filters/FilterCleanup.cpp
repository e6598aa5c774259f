#include "filters/FilterCleanup.h"

#include "net/ravlet_url.h"

namespace ravlet {

namespace {

// The sort links of a server's directory listing ("?N=D" and the like) and its icons.
bool IsListingArtefact(const std::string& s) {
    if (IFind(s, "/icons/") != std::string::npos) return true;
    if (s.size() < 4 || s[s.size() - 4] != '?') return false;
    const std::string tail = s.substr(s.size() - 3);
    static const char* const kSorts[] = {"N=A", "N=D", "M=A", "M=D", "S=A", "S=D", "D=A", "D=D"};
    for (const char* sort : kSorts)
        if (tail == sort) return true;
    return false;
}

}  // namespace

int CleanupFilter::Judge(std::string& link, const std::string& textTypes,
                         const std::function<bool(const std::string&)>& otherRowHas) const {
    if (opts == 0) return 0;
    std::string s = link;
    int result = 0;
    if (opts & kCleanupCutAnchor) {
        const auto hash = s.rfind('#');
        if (hash != std::string::npos) {
            s.erase(hash);
            result = hash == 0 ? 1 : 2;
        }
    }
    if (opts & kCleanupDotEnding) {
        if (s == ".") {
            s.clear();
            result = 1;
        } else if (s.size() >= 2 && s.compare(s.size() - 2, 2, "/.") == 0) {
            s.pop_back();
            result = 2;
        }
    }
    if ((opts & kCleanupApache) && IsListingArtefact(s)) {
        s.clear();
        result = 1;
    }
    if ((opts & kCleanupBinarize) && EndsWithOneOf(s, textTypes, ",")) {
        s.clear();
        result = 1;
    }
    if ((opts & kCleanupDoubles) && !s.empty() && otherRowHas && otherRowHas(s)) {
        s.clear();
        result = 1;
    }
    link = s;
    return result;
}

std::string CleanupFilter::DataRead() const {
    return DataLine("opts", opts);
}

void CleanupFilter::DataWrite(const DataLines& lines) {
    for (const auto& [name, value] : lines)
        if (name == "opts") opts = DataNumber(value);
}

}  // namespace ravlet
