// Arbitrary page text parsed a segment at a time and as a whole: the two lists, answers and
// source views must be the same. The first byte picks the modes, the second the segment size.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "links/ConsoleParseTarget.h"
#include "links/ParsePage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int modes = 1 + data[0] % 15;
    const std::size_t segment = 1 + data[1] % 64;
    const std::string page(reinterpret_cast<const char*>(data + 2), size - 2);
    ravlet::ConsoleParseTarget whole(modes), parts(modes);
    const bool wholeAny = ravlet::ParsePage(whole, page, false);
    const bool partsAny = ravlet::ParseSegmentedPage(parts, std::string_view(page), false, segment);
    if (wholeAny != partsAny || whole.Links().Items() != parts.Links().Items() ||
        whole.Source() != parts.Source())
        std::abort();
    return 0;
}
