#pragma once
// What the phases of one try of a link hand on to each other, in the run one link at a time
// and in the run side by side alike: the part an earlier try or run left and whether the
// answer continues it, and how the try ended when another one may follow.
#include <cstdint>
#include <string>

#include "main/ResumeRecord.h"

namespace ravlet {

struct LinkTry {
    bool mayResume = false;
    ResumeRecord record;           // of the part found
    std::string ownPart;           // the part this link left; empty when none
    int freePart = -1;             // the first part name the search found free, without a record
    std::string partHome;          // the target the link's own address names: its part lies beside
                                   // it, so that a later run finds it before any answer renames
    std::int64_t offset = 0;       // where the rest asked for begins; 0 when the whole is asked
    bool rest = false;             // the answer continues the part
    std::int64_t announced = 0;    // the whole file's length (0 when not given)
    std::int64_t retryAfter = -1;  // what the answer's Retry-After asked for, in seconds
    bool keep = false;             // the part stays with its record when the body breaks off
    bool resumable = false;        // the answer names the file well enough to continue it
    bool inHand = false;           // the whole body came with the head: it cannot end short
    std::string again;             // a failure another try may mend: its log line
    bool restart = false;          // a new try at once, from byte 0, without a log line

    // The next try of a link after this one.
    LinkTry Next(bool resume) const {
        LinkTry next;
        next.mayResume = resume && !restart;
        return next;
    }
};

}  // namespace ravlet
