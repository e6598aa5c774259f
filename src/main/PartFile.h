#pragma once
// The file a download is written into before it takes its target's name: beside the
// target, so that the finished content replaces the target in one rename and a failed or
// stopped download leaves neither a truncated file nor a lost old one.
#include <string>

#include "platform/OpenedFile.h"

namespace ravlet {

struct ResumeRecord;

class PartFile {
  public:
    explicit PartFile(std::string target) : target_(std::move(target)), home_(target_) {}
    // A part named after home that becomes target: a link renamed by a redirect or by the
    // server keeps its part beside the name its own address gives, where the next run of
    // the link looks for it before any answer.
    PartFile(std::string target, std::string home)
        : target_(std::move(target)), home_(home.empty() ? target_ : std::move(home)) {}
    ~PartFile();  // removes the part file and its record unless committed or kept
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    // Creates the part file empty: home + ".part", or home + ".N.part" when
    // that name is taken (an earlier run's leftover or another download's target, or a
    // record of one lies there). The last name is shortened when the suffix would make it too
    // long. False when none can be made. knownFree: the number of a name the search for
    // this link's own part has just found free of part and record (-1: none), so that name is
    // tried at once.
    bool Create(int knownFree = -1);
    // The part of target that an earlier run of address left, with its record; empty when
    // there is none (parts of other links, or with a broken record, are not this link's).
    // freeName: the number of the free name that ended the search, -1 when none did.
    static std::string OwnPart(const std::string& target, const std::string& address,
                               ResumeRecord& record, int& freeName);
    // Takes over such a part as this one (it is then written over or continued).
    void Adopt(const std::string& partPath) {
        opened_.reset();
        path_ = partPath;
        recorded_ = true;
    }
    // A part worth resuming stays with its record when the download does not end whole.
    void Keep(bool on) {
        keep_ = on;
        recorded_ = recorded_ || on;
    }
    // Removes the part's record, when it may have one.
    void DropRecord();
    const std::string& Path() const { return path_; }
    // The part Create made, still open for writing from its start, so the body is written
    // without opening the name again; empty after the first call or for an adopted part.
    OpenedFile TakeOpened() { return std::move(opened_); }
    // Renames the part file over the target and drops its record; false when that fails (the
    // part file is then removed by the destructor and the target left as it was).
    bool Commit();

  private:
    std::string target_;
    std::string home_;
    std::string path_;
    OpenedFile opened_;
    bool committed_ = false;
    bool keep_ = false;
    // A record may lie beside the part: it was adopted or kept. A part this one created has
    // none (Create passes over names with one), so most downloads never look for it.
    bool recorded_ = false;
};

}  // namespace ravlet
