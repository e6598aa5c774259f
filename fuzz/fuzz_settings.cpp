// Arbitrary bytes as a settings file: reading never fails the process, and what is written
// from the record reads back to the same text.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/Settings.h"

namespace {

const std::string& TempPath() {
    static const std::string path = [] {
        char name[] = "/tmp/fuzz_settings-XXXXXX";
        const int fd = mkstemp(name);
        if (fd >= 0) close(fd);
        return std::string(name);
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(TempPath(), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    ravlet::Settings s;
    ravlet::SettingsSetDefaults(s);
    if (!ravlet::SettingsReadFile(s, TempPath())) std::abort();
    const std::string text = ravlet::SettingsText(s);

    ravlet::Settings again;
    ravlet::SettingsSetDefaults(again);
    {
        std::ofstream out(TempPath(), std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    if (!ravlet::SettingsReadFile(again, TempPath())) std::abort();
    if (ravlet::SettingsText(again) != text) std::abort();

    // The same bytes as one line given to the line applier.
    ravlet::SettingsApplyLine(again, bytes);
    return 0;
}
