#pragma once
// One tag-and-attribute pass of the scanner that can be run a stretch of the text at a time:
// a large page is scanned block by block with every pass over a block while it is in the
// cache, instead of each pass streaming the whole page from memory.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "links/TextFinder.h"

namespace ravlet {

class TagAttributeScan {
  public:
    // An empty tag means any tag. Values are appended to results.
    TagAttributeScan(std::string_view text, const std::string& tag, const std::string& attribute,
                     std::vector<std::string>& results);

    // Takes every value whose tag opening (for any tag: whose attribute) starts before limit,
    // exactly as one run over the whole text takes them. False once the pass has ended.
    bool Run(std::size_t limit);
    bool Appended() const { return appended_; }

  private:
    std::size_t FindBefore(const TextFinder& finder, std::size_t limit) const;

    std::string_view text_;
    TextFinder tagFinder_, attributeFinder_;
    NextByte nextDouble_{'"'}, nextSingle_{'\''}, nextBlank_{' '}, nextClose_{'>'};
    bool anyTag_;
    std::vector<std::string>& results_;
    std::size_t s_ = 0;
    bool ended_ = false;
    bool appended_ = false;
};

}  // namespace ravlet
