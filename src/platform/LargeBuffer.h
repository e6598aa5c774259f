#pragma once
// Large buffers that are filled once from end to end (a whole page text) cost a page fault for
// every 4 KB; asking the kernel for huge pages turns thousands of faults into a few.
#include <cstddef>
#include <string>

namespace ravlet {

// A text of size bytes whose storage is backed by huge pages where the system allows it; new
// bytes are zero. A large text gets a sixteenth more room than asked: the page preparation
// lengthens a page by a byte a line.
void ResizeLarge(std::string& text, std::size_t size);
// Room for size bytes, with the same advice, without filling it: for a text that is appended.
void ReserveLarge(std::string& text, std::size_t size);

// The heap grows by at least pad bytes at a time, kept when freed, and what it grows by is
// backed by huge pages where the system allows it: for a job that fills many small blocks
// (the links of a large page), where a fault every 4 KB would cost more than the work.
void AdviseLargeHeap(std::size_t pad);

// libcurl takes a receive buffer of over 128 KB for every transfer and frees it when the
// transfer ends: under the allocator's moving defaults the top of the heap goes back to the
// system and comes again, freshly zeroed, every few transfers. Blocks up to a megabyte then
// stay on the heap, and up to 4 MB of it stays free for the next ones. Does nothing once the
// heap has been advised for a large page.
void KeepTransferHeap();

}  // namespace ravlet
