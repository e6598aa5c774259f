#include "main/RunProgress.h"

#include <algorithm>
#include <cstdio>

#include "main/LinkOutcomes.h"

namespace ravlet {

void RunProgress::Start(std::size_t files, long long nowMs) {
    *this = RunProgress();
    files_ = files;
    start_ = nowMs;
}

void RunProgress::Transfer(long row, std::int64_t bytes, std::int64_t total) {
    Running& r = running_[row];
    r.bytes = bytes;
    r.total = total;
}

void RunProgress::Finished(long row, std::int64_t bytes) {
    const auto it = running_.find(row);
    if (it != running_.end()) {
        if (it->second.total > 0) doneAnnounced_ += it->second.total;
        running_.erase(it);
    }
    doneBytes_ += bytes;
    ++done_;
}

std::int64_t RunProgress::Bytes() const {
    std::int64_t sum = doneBytes_;
    for (const auto& [row, r] : running_) sum += r.bytes;
    return sum;
}

std::int64_t RunProgress::Announced() const {
    std::int64_t sum = doneAnnounced_;
    for (const auto& [row, r] : running_)
        if (r.total > 0) sum += r.total;
    return sum;
}

int RunProgress::Percent() const {
    if (files_ == 0) return 0;
    double files = static_cast<double>(done_);
    for (const auto& [row, r] : running_)
        if (r.total > 0) files += std::min(1.0, static_cast<double>(r.bytes) / r.total);
    return std::clamp(static_cast<int>(files * 100 / files_), 0, 100);
}

std::int64_t RunProgress::Speed(long long nowMs) const {
    const long long ms = nowMs - start_;
    if (ms < 1000) return 0;
    return Bytes() * 1000 / ms;
}

long long RunProgress::SecondsLeft(long long nowMs) const {
    const std::int64_t speed = Speed(nowMs);
    if (speed <= 0 || done_ >= files_) return -1;
    // What the running transfers still announce, and for the files not opened yet as much
    // as an average file of the run so far: the files done and the lengths announced, so
    // that the first announced length gives an estimate before any file is done.
    std::int64_t left = 0, sized = doneBytes_;
    std::size_t unknown = files_ - done_, known = done_;
    for (const auto& [row, r] : running_) {
        if (r.total < 0) continue;
        left += std::max<std::int64_t>(r.total - r.bytes, 0);
        sized += r.total;
        ++known;
        --unknown;
    }
    if (unknown > 0) {
        if (known == 0) return -1;
        left += sized / static_cast<std::int64_t>(known) * static_cast<std::int64_t>(unknown);
    }
    return (left + speed - 1) / speed;
}

std::string RunProgress::Text(long long nowMs) const {
    return std::to_string(done_) + " of " + std::to_string(files_) + " files, " + Totals(nowMs);
}

std::string RunProgress::Totals(long long nowMs) const {
    const std::int64_t announced = Announced();
    std::string text = BytesText(Bytes());
    if (announced > 0) text += " of " + BytesText(announced);
    const std::int64_t speed = Speed(nowMs);
    if (speed > 0) text += ", " + BytesText(speed) + "/s";
    const long long left = SecondsLeft(nowMs);
    if (left >= 0) text += ", " + DurationText(left) + " left";
    return text;
}

std::string ProgressTitle(int percent, const std::string& caption) {
    return std::to_string(percent) + "% " + caption;
}

std::string DurationText(long long seconds) {
    char text[32];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
    return text;
}

}  // namespace ravlet
