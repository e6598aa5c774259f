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

}  // namespace ravlet
