#include "main/PartFile.h"

#include <cerrno>
#include <cstdio>

#include "main/ResumeRecord.h"
#include "main/SafeRelativeName.h"
#include "net/modFs.h"

namespace ravlet {

namespace {

// Names tried before giving up: target.part, target.1.part ... target.99.part.
constexpr int kPartNames = 100;

std::string PartName(const std::string& target, int n) {
    const std::string suffix = n == 0 ? ".part" : "." + std::to_string(n) + ".part";
    const std::size_t sep = target.rfind(kPathSep);
    const std::size_t start = sep == std::string::npos ? 0 : sep + 1;
    const std::string name = target.substr(start);
    if (name.size() + suffix.size() <= kMaxNameBytes) return target + suffix;
    return target.substr(0, start) + name.substr(0, kMaxNameBytes - suffix.size()) + suffix;
}

}  // namespace

PartFile::~PartFile() {
    opened_.reset();
    if (path_.empty() || committed_ || keep_) return;
    std::remove(path_.c_str());
    std::remove(ResumeRecordPath(path_).c_str());
}

std::string PartFile::OwnPart(const std::string& target, const std::string& address,
                              ResumeRecord& record, int& freeName) {
    freeName = -1;
    for (int n = 0; n < kPartNames; ++n) {
        const std::string candidate = PartName(target, n);
        // Parts take the first free name, so the first free one ends the search.
        if (FileSize(candidate) < 0) {
            if (DirExists(ResumeRecordPath(candidate))) continue;
            freeName = n;
            break;
        }
        ResumeRecord r;
        if (ReadResumeRecord(candidate, r) && r.address == address) {
            record = r;
            return candidate;
        }
    }
    return std::string();
}

bool PartFile::Create(int knownFree) {
    for (int n = 0; n < kPartNames; ++n) {
        const std::string candidate = PartName(home_, n);
        // A record is written only beside a part that exists: none can have come since.
        if (n != knownFree && DirExists(ResumeRecordPath(candidate))) continue;
        // "x": made here or not at all (O_EXCL); "e": not inherited by the programs started.
        opened_.reset(std::fopen(candidate.c_str(), "wbxe"));
        if (opened_) {
            path_ = candidate;
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

void PartFile::DropRecord() {
    if (!recorded_ || path_.empty()) return;
    std::remove(ResumeRecordPath(path_).c_str());
    recorded_ = false;
}

bool PartFile::Commit() {
    if (path_.empty() || std::rename(path_.c_str(), target_.c_str()) != 0) return false;
    committed_ = true;
    DropRecord();
    return true;
}

}  // namespace ravlet
