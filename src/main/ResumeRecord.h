#pragma once
// What identifies the remote file a part file holds the beginning of, kept beside the part
// ("NAME.part.resume") so that a later run of the same link asks only for the rest. A part
// belongs to a link only through its record: parts without one, or with a record of another
// address, are someone else's and never touched.
#include <cstdint>
#include <string>

namespace ravlet {

struct ResumeRecord {
    std::string address;  // the link as requested
    std::string etag, lastModified;
    std::int64_t length = -1;  // the whole file's
};

std::string ResumeRecordPath(const std::string& partPath);

// The record as stored, and back; false for a text that is garbage or cut short.
std::string ResumeRecordText(const ResumeRecord& record);
bool ParseResumeRecord(const std::string& text, ResumeRecord& record);

// Written whole or not at all; false when it cannot be (or a field would break the lines).
bool WriteResumeRecord(const std::string& partPath, const ResumeRecord& record);
// False when the record is missing, unreadable, garbage or larger than any record.
bool ReadResumeRecord(const std::string& partPath, ResumeRecord& record);

// An answer worth a record: a whole file of a known length.
bool Resumable(const ResumeRecord& record);

// The request headers that ask for the rest from offset: a Range, and an If-Range with a
// validator the server may compare (a weak ETag may not be used there).
std::string RangeHeaders(const ResumeRecord& record, std::int64_t offset);

// "bytes FIRST-LAST/TOTAL"; false for anything else.
bool ParseContentRange(const std::string& value, std::int64_t& first, std::int64_t& last,
                       std::int64_t& total);

// A 206 answer that continues the part exactly: it starts at offset, runs to the end of the
// recorded length, and names the same validators the record keeps.
bool RestMatches(const ResumeRecord& record, std::int64_t offset, const std::string& contentRange,
                 const std::string& etag, const std::string& lastModified);

}  // namespace ravlet
