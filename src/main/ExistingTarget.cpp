#include "main/ExistingTarget.h"

#include "main/frmOverwrite.h"
#include "net/modFs.h"

namespace ravlet {

std::string ExistingTarget(const std::string& path, int& runRule, std::int64_t announcedSize,
                           frmOverwrite& question) {
    if (!FileExists(path)) return path;
    const std::int64_t length = FileSize(path);
    switch (runRule) {
        case Exists_Overwrite:
            return path;
        case Exists_Skip:
            return std::string();
        case Exists_OverwriteSmaller:
            if (announcedSize > length) return path;
            if (announcedSize == length) return std::string();
            break;  // the file on disk is longer, or the new size is unknown: ask
        default:
            break;
    }
    question.InfoLbl(OverwriteInfoText(length, announcedSize));
    return question.Ask(path, runRule);
}

}  // namespace ravlet
