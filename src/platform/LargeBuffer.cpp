#include "platform/LargeBuffer.h"

#include <sys/mman.h>

#include <cstdint>

namespace ravlet {

namespace {

constexpr std::size_t kHugePage = 2 << 20;
// Below a few huge pages the advice gains nothing.
constexpr std::size_t kWorthAdvice = 4 * kHugePage;

}  // namespace

void ResizeLarge(std::string& text, std::size_t size) {
    if (size >= kWorthAdvice && text.capacity() < size) {
        text.reserve(size + size / 16);
#ifdef MADV_HUGEPAGE
        // Only the whole huge pages inside the block; the advice is a hint, its failure harmless.
        const auto begin = reinterpret_cast<std::uintptr_t>(text.data());
        const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
        const std::uintptr_t end = (begin + text.capacity()) & ~(kHugePage - 1);
        if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
    }
    text.resize(size);
}

}  // namespace ravlet
