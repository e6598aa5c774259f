// Arbitrary text as a size and as a duration: the result is empty or a decimal number.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "net/ravlet_url.h"

namespace {

void CheckDigits(const std::string& value) {
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (!(c >= '0' && c <= '9') && !(i == 0 && c == '-')) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (int mode = 0; mode < 3; ++mode) CheckDigits(ravlet::ParseUnitValue(text, mode));
    long long v = 0;
    (void)ravlet::StrictNumber(text, v);
    (void)ravlet::LenientNumber(text);
    return 0;
}
