#pragma once
// What happens when a download's target already exists.
#include <cstdint>
#include <string>

namespace ravlet {

class frmOverwrite;

// Existing-file rules (fileexistsdo and the run rule copied from it).
enum ExistsRule : int {
    Exists_Ask = 0,
    Exists_Overwrite = 1,
    Exists_Skip = 2,
    Exists_OverwriteSmaller = 3,
};

// The path to write to (path itself, or a new name from the question), or the empty text to
// skip the link. A file counts only when it has content; an empty one is written over. An
// existing file is never removed here: the finished download replaces it in one step.
// announcedSize 0 means unknown.
std::string ExistingTarget(const std::string& path, int& runRule, std::int64_t announcedSize,
                           frmOverwrite& question);

}  // namespace ravlet
