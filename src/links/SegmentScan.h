#pragma once
// The scanner's passes over a page given a segment at a time: a large page is prepared and
// scanned in one reused block instead of a second page-sized one. Every segment but the first
// begins with "<", so no tag opening, attribute name or address prefix spans two, and each is
// prepared on its own (the preparation changes nothing across a "<"); a pass carries where it
// stood, and a value still open, into the next segment.
#include <cstddef>
#include <string>
#include <vector>

#include "links/FoundLinks.h"
#include "links/PageIndex.h"
#include "links/ScanValues.h"

namespace ravlet {

class SegmentScan {
  public:
    explicit SegmentScan(int modes);
    // The passes of the modes, in the order the whole-page scan runs them.
    std::size_t Passes() const { return passes_.size(); }
    // Scans one prepared segment (its line breaks become blanks, unless blanked says they are
    // already); Found(pass) then holds what each pass found in it, views into the segment
    // among them.
    void Scan(std::string& segment, bool blanked = false);
    const FoundLinks& Found(std::size_t pass) const { return found_[pass]; }
    // The bytes of values still open, held until their ends come.
    std::size_t Held() const;
    // After the last segment: Found(pass) holds the addresses in running text that went on to
    // the page's end. False when a tag pass left a value without an end: the whole-page scan
    // then goes on behind it, which only the whole page can show.
    bool Finish();

  private:
    struct Pass {
        enum class Kind { Tag, AnyTag, Plain } kind;
        TagKind tag = TagKind::A;
        AttributeKind attribute = AttributeKind::Href;
        PlainKind plain = PlainKind::Http;
    };
    std::vector<Pass> passes_;
    std::vector<ValueWalk> walks_;
    std::vector<FoundLinks> found_;
};

}  // namespace ravlet
