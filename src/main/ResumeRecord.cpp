#include "main/ResumeRecord.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "net/modFs.h"
#include "platform/AtomicWriteFile.h"

namespace ravlet {

namespace {

constexpr char kFirstLine[] = "ravlet resume record 1";
// A record holds an address and two header values: nothing real comes near this.
constexpr std::int64_t kMaxRecordBytes = 64 * 1024;

bool OneLine(const std::string& field) {
    return std::none_of(field.begin(), field.end(), [](char c) { return c == '\r' || c == '\n'; });
}

// Digits only, at most 18 of them: a length a file can have.
bool ParseLength(const std::string& text, std::int64_t& value) {
    if (text.empty() || text.size() > 18) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

}  // namespace

std::string ResumeRecordPath(const std::string& partPath) {
    return partPath + ".resume";
}

std::string ResumeRecordText(const ResumeRecord& r) {
    return std::string(kFirstLine) + "\naddress " + r.address + "\netag " + r.etag +
           "\nlast-modified " + r.lastModified + "\nlength " + std::to_string(r.length) + "\nend\n";
}

bool ParseResumeRecord(const std::string& text, ResumeRecord& record) {
    static const char* const kNames[] = {"address ", "etag ", "last-modified ", "length "};
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kFirstLine) return false;
    std::string values[4];
    for (int i = 0; i < 4; ++i) {
        const std::string name = kNames[i];
        if (!std::getline(in, line) || line.compare(0, name.size(), name) != 0) return false;
        values[i] = line.substr(name.size());
    }
    // The last line proves the record was written to its end.
    if (!std::getline(in, line) || line != "end" || in.peek() != EOF) return false;
    ResumeRecord r;
    r.address = values[0];
    r.etag = values[1];
    r.lastModified = values[2];
    if (r.address.empty() || !ParseLength(values[3], r.length) || r.length < 1) return false;
    record = r;
    return true;
}

bool WriteResumeRecord(const std::string& partPath, const ResumeRecord& r) {
    if (!OneLine(r.address) || !OneLine(r.etag) || !OneLine(r.lastModified)) return false;
    return AtomicWriteFile(ResumeRecordPath(partPath), ResumeRecordText(r));
}

bool ReadResumeRecord(const std::string& partPath, ResumeRecord& record) {
    const std::string path = ResumeRecordPath(partPath);
    const std::int64_t size = FileSize(path);
    if (size < 1 || size > kMaxRecordBytes) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    return ParseResumeRecord(text.str(), record);
}

bool Resumable(const ResumeRecord& r) {
    return !r.address.empty() && r.length >= 1 && OneLine(r.address) && OneLine(r.etag) &&
           OneLine(r.lastModified);
}

std::string RangeHeaders(const ResumeRecord& r, std::int64_t offset) {
    std::string headers = "Range: bytes=" + std::to_string(offset) + "-\r\n";
    const bool strongTag = !r.etag.empty() && r.etag.compare(0, 2, "W/") != 0;
    if (strongTag) {
        headers += "If-Range: " + r.etag + "\r\n";
    } else if (!r.lastModified.empty()) {
        headers += "If-Range: " + r.lastModified + "\r\n";
    }
    return headers;
}

bool ParseContentRange(const std::string& value, std::int64_t& first, std::int64_t& last,
                       std::int64_t& total) {
    static const std::string kUnit = "bytes ";
    if (value.compare(0, kUnit.size(), kUnit) != 0) return false;
    const std::string rest = value.substr(kUnit.size());
    const std::size_t dash = rest.find('-'), slash = rest.find('/');
    if (dash == std::string::npos || slash == std::string::npos || slash < dash) return false;
    return ParseLength(rest.substr(0, dash), first) &&
           ParseLength(rest.substr(dash + 1, slash - dash - 1), last) &&
           ParseLength(rest.substr(slash + 1), total) && first <= last && last < total;
}

bool RestMatches(const ResumeRecord& r, std::int64_t offset, const std::string& contentRange,
                 const std::string& etag, const std::string& lastModified) {
    std::int64_t first = 0, last = 0, total = 0;
    if (!ParseContentRange(contentRange, first, last, total)) return false;
    if (first != offset || total != r.length || last != total - 1) return false;
    if (!r.etag.empty() && etag != r.etag) return false;
    return r.lastModified.empty() || lastModified == r.lastModified;
}

}  // namespace ravlet
