#pragma once
// The overall progress of a download run: files done of all, bytes received of the announced
// total, the speed and the time left. The status bar, the window title and ravlet-cli's
// progress line show it.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace ravlet {

class RunProgress {
  public:
    // A run of files links begins at nowMs.
    void Start(std::size_t files, long long nowMs);
    // A transfer of row (any key of the caller's) has bytes of total (-1: unknown).
    void Transfer(long row, std::int64_t bytes, std::int64_t total);
    // row ended (downloaded, skipped or failed) with bytes received.
    void Finished(long row, std::int64_t bytes);

    std::size_t Files() const { return files_; }
    std::size_t Done() const { return done_; }
    std::int64_t Bytes() const;
    // The lengths announced by the links opened so far.
    std::int64_t Announced() const;
    // Files done plus the share of the running transfers, of all files: 0..100.
    int Percent() const;
    // Bytes per second since the start; 0 before a whole second of data.
    std::int64_t Speed(long long nowMs) const;
    // Seconds until the end at the speed so far; -1 when there is nothing to go by yet.
    long long SecondsLeft(long long nowMs) const;
    long long ElapsedMs(long long nowMs) const { return nowMs - start_; }

    // "3 of 10 files, 1.2 MB of 4.5 MB, 300.0 KB/s, 0:12 left"; the parts not yet known are
    // left out.
    std::string Text(long long nowMs) const;
    // The same without the files: "1.2 MB of 4.5 MB, 300.0 KB/s, 0:12 left".
    std::string Totals(long long nowMs) const;

  private:
    struct Running {
        std::int64_t bytes = 0;
        std::int64_t total = -1;
    };
    std::size_t files_ = 0;
    std::size_t done_ = 0;
    std::int64_t doneBytes_ = 0;
    std::int64_t doneAnnounced_ = 0;
    long long start_ = 0;
    std::map<long, Running> running_;
};

// The window's title during a run: "37% ravlet".
std::string ProgressTitle(int percent, const std::string& caption);
// A time for people: "0:12", "1:02:03".
std::string DurationText(long long seconds);

}  // namespace ravlet
