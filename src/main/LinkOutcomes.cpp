#include "main/LinkOutcomes.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "links/LinkList.h"
#include "main/DownloadRun.h"

namespace ravlet {

const RowOutcome* LinkOutcomes::Of(std::size_t row) const {
    if (row >= list_.Count() || byText_.empty()) return nullptr;
    const auto it = byText_.find(list_.At(row));
    return it == byText_.end() ? nullptr : &it->second;
}

void LinkOutcomes::Set(std::size_t row, RowOutcome outcome) {
    if (row >= list_.Count()) return;
    byText_[list_.At(row)] = std::move(outcome);
    Changed(static_cast<long>(row));
}

void LinkOutcomes::Queue(const std::vector<std::size_t>& rows) {
    for (const std::size_t row : rows)
        if (row < list_.Count()) byText_[list_.At(row)] = RowOutcome{};
    Changed(-1);
}

void LinkOutcomes::Forget(std::size_t row) {
    if (row >= list_.Count() || byText_.erase(list_.At(row)) == 0) return;
    Changed(static_cast<long>(row));
}

void LinkOutcomes::Clear() {
    if (byText_.empty()) return;
    byText_.clear();
    Changed(-1);
}

void LinkOutcomes::Prune() {
    if (byText_.empty()) return;
    const std::unordered_set<std::string> listed(list_.Items().begin(), list_.Items().end());
    for (auto it = byText_.begin(); it != byText_.end();)
        it = listed.count(it->first) ? std::next(it) : byText_.erase(it);
}

std::vector<std::size_t> LinkOutcomes::Rows(RowState state) const {
    std::vector<std::size_t> rows;
    if (byText_.empty()) return rows;
    for (std::size_t i = 0; i < list_.Count(); ++i) {
        const RowOutcome* o = Of(i);
        if (o && o->state == state) rows.push_back(i);
    }
    return rows;
}

bool RowOutcomeOf(const LinkOutcome& link, RowOutcome& row) {
    switch (link.verdict) {
        case LinkVerdict::Downloaded:
            row.state = RowState::Done;
            break;
        case LinkVerdict::Skipped:
            row.state = RowState::Skipped;
            break;
        case LinkVerdict::Failed:
            row.state = RowState::Failed;
            break;
        default:
            return false;
    }
    row.bytes = link.bytes;
    row.target = link.path;
    row.reason = link.reason;
    return true;
}

namespace {

// The log line without the address it ends with: "... - Url: " + address, or the invalid
// address's "... Url: " + address.
std::string Why(const std::string& line) {
    std::size_t cut = line.rfind(" Url: ");
    if (cut == std::string::npos) return line;
    if (cut >= 2 && line.compare(cut - 2, 2, " -") == 0) cut -= 2;
    return line.substr(0, cut);
}

}  // namespace

std::string StatusText(const RowOutcome& o) {
    switch (o.state) {
        case RowState::Queued:
            return "queued";
        case RowState::Downloading:
            // A server may send more than it announced.
            if (o.total > 0)
                return "downloading " +
                       std::to_string(std::min<std::int64_t>(o.bytes * 100 / o.total, 100)) + "%";
            return "downloading";
        case RowState::Done:
            return "done";
        case RowState::Skipped:
            // The existing-file rule skips without a log line.
            return o.reason.empty() ? "skipping: file exists" : Why(o.reason);
        case RowState::Failed:
            return Why(o.reason);
    }
    return std::string();
}

std::string SizeText(const RowOutcome& o) {
    switch (o.state) {
        case RowState::Done:
            return BytesText(o.bytes);
        case RowState::Downloading:
            return o.total >= 0 ? BytesText(o.bytes) + " of " + BytesText(o.total)
                                : BytesText(o.bytes);
        default:
            return std::string();
    }
}

std::string BytesText(std::int64_t bytes) {
    if (bytes < 1024) return std::to_string(bytes) + " B";
    static const char* const kUnits[] = {"KB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes) / 1024;
    int unit = 0;
    while (value >= 1024 && unit < 3) {
        value /= 1024;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, kUnits[unit]);
    return text;
}

}  // namespace ravlet
