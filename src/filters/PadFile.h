#pragma once
// The filter pad file: the pad as tagged text, and the default pad "default.rvp" in the
// program folder.
#include <cstddef>
#include <string>

#include "filters/FilterPad.h"

namespace ravlet {

enum class PadReadStatus {
    Ok,
    NoTag,    // no tag at all: the pad was left as it was
    NotAPad,  // the first tag is not "filterravpad": the pad is empty
    Damaged,  // read as far as it could be; parts were skipped
};

struct PadReadResult {
    PadReadStatus status = PadReadStatus::Ok;
    std::string problem;  // the first problem met, for the message and the log
    bool Readable() const { return status == PadReadStatus::Ok; }
};

// The text of the whole pad, without a line end after its last line.
std::string PadWrite(const FilterPad& pad);
// Clears the pad and rebuilds it from text (unless text holds no tag at all).
PadReadResult PadRead(FilterPad& pad, const std::string& text);

std::string PadDefaultPath();
// The pad and a line end, written through a temporary file so that a failed or interrupted
// save leaves the old file as it was.
bool PadSaveDefault(const FilterPad& pad, std::string* error = nullptr);
// Reads the default file when it exists; a missing file reads as Ok and changes nothing.
PadReadResult PadReadDefault(FilterPad& pad);
// Reads a pad file; a missing or empty file is reported (NoTag) and changes nothing.
PadReadResult PadReadFile(FilterPad& pad, const std::string& path);

// Files above this size are not read: no pad comes near it.
constexpr std::size_t kPadFileMaxBytes = 64u << 20;

}  // namespace ravlet
