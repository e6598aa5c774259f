#pragma once
// The file a download is written into before it takes its target's name: beside the
// target, so that the finished content replaces the target in one rename and a failed or
// stopped download leaves neither a truncated file nor a lost old one.
#include <string>

namespace ravlet {

class PartFile {
  public:
    explicit PartFile(std::string target) : target_(std::move(target)) {}
    ~PartFile();  // removes the part file unless it was committed
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    // Creates the part file empty: the target + ".part", or the target + ".N.part" when
    // that name is taken (an earlier run's leftover or another download's target). The last
    // name is shortened when the suffix would make it too long. False when none can be made.
    bool Create();
    const std::string& Path() const { return path_; }
    // Renames the part file over the target; false when that fails (the part file is then
    // removed by the destructor and the target left as it was).
    bool Commit();

  private:
    std::string target_;
    std::string path_;
    bool committed_ = false;
};

}  // namespace ravlet
