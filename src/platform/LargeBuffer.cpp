#include "platform/LargeBuffer.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace ravlet {

namespace {

constexpr std::size_t kHugePage = 2 << 20;
// Below a few huge pages the advice gains nothing.
constexpr std::size_t kWorthAdvice = 4 * kHugePage;

bool largeHeap = false;

}  // namespace

void ResizeLarge(std::string& text, std::size_t size) {
    if (text.capacity() < size) ReserveLarge(text, size + size / 16);
    text.resize(size);
}

void ReserveLarge(std::string& text, std::size_t size) {
    if (text.capacity() >= size) return;
    text.reserve(size);
    if (size >= kWorthAdvice) {
#ifdef MADV_HUGEPAGE
        // Only the whole huge pages inside the block; the advice is a hint, its failure harmless.
        const auto begin = reinterpret_cast<std::uintptr_t>(text.data());
        const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
        const std::uintptr_t end = (begin + text.capacity()) & ~(kHugePage - 1);
        if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#endif
    }
}

void AdviseLargeHeap(std::size_t pad) {
    largeHeap = true;
#ifdef MADV_HUGEPAGE
    mallopt(M_TOP_PAD, static_cast<int>(pad));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(2 * pad));
    // Blocks up to the largest threshold the allocator takes come from the advised heap too.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    // A block larger than what is left of the heap makes it grow by the pad now; the advice
    // covers what it grew by.
    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    void* block = malloc(1 << 20);
    // Written, so the pair of calls is not optimised away.
    if (block) *static_cast<volatile char*>(block) = 0;
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
    free(block);
    const std::uintptr_t first = (before + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t end = after & ~(kHugePage - 1);
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
#else
    (void)pad;
#endif
}

void KeepTransferHeap() {
    static bool kept = false;
    if (kept || largeHeap) return;
    kept = true;
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    mallopt(M_TRIM_THRESHOLD, 4 << 20);
}

}  // namespace ravlet
