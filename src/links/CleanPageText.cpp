#include <algorithm>
#include <cstring>

#include "links/LinkScanner.h"
#include "links/TextFinder.h"

namespace ravlet {

namespace {

// One left-to-right pass replacing every occurrence of from by the no longer to, in place:
// the text only shrinks, so the written part never overtakes the part still searched.
void ReplaceShrinking(std::string& text, std::string_view from, std::string_view to) {
    const TextFinder finder(from, false);
    std::size_t p = finder.Find(text, 0);
    if (p == TextFinder::npos) return;
    char* s = text.data();
    std::size_t read = 0, write = 0;
    while (p != TextFinder::npos) {
        std::memmove(s + write, s + read, p - read);
        write += p - read;
        std::memcpy(s + write, to.data(), to.size());
        write += to.size();
        read = p + from.size();
        p = finder.Find(text, read);
    }
    std::memmove(s + write, s + read, text.size() - read);
    write += text.size() - read;
    text.resize(write);
}

}  // namespace

std::string CleanPageText(std::string& text) {
    std::replace(text.begin(), text.end(), '\t', ' ');
    // One pass only: four blanks become two.
    ReplaceShrinking(text, "  ", " ");
    ReplaceShrinking(text, " =", "=");
    ReplaceShrinking(text, "= ", "=");
    // Addresses disguised against harvesters; exact letter case.
    ReplaceShrinking(text, "hxxp://", "http://");
    ReplaceShrinking(text, "hxxps://", "https://");
    return text;
}

}  // namespace ravlet
