// Arbitrary page text through the clean-up, every scan mode and the list's insertion rule.
// The first byte picks the modes. No value is empty or holds a line break.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "links/LinkList.h"
#include "links/LinkScanner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int modes = data[0] & 15;
    std::string page(reinterpret_cast<const char*>(data + 1), size - 1);
    {
        std::string cleaned = page;
        ravlet::CleanPageText(cleaned);
        if (cleaned.size() > page.size()) std::abort();
    }
    std::vector<std::string> found;
    const bool any = ravlet::ScanLinks(page, found, modes, nullptr);
    if (any != !found.empty()) std::abort();
    ravlet::LinkList list;
    for (const std::string& link : found) {
        if (link.empty() || link.find('\r') != std::string::npos ||
            link.find('\n') != std::string::npos)
            std::abort();
        ravlet::AddLinkUnique(list, link);
    }
    if (list.Count() > found.size()) std::abort();
    return 0;
}
