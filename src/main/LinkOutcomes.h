#pragma once
// What the download run made of each row of the link list: queued, downloading (how far),
// done (the file and its size), skipped or failed (the words of the log line). The list's
// view shows it in columns beside the link; ravlet-cli prints it at the end of a run.
//
// Outcomes are kept by the row's text, the link as listed: a moved or sorted row carries its
// outcome with it, an edited row starts fresh, and a deleted row takes its outcome out of
// sight (no row shows it). A deleted row that comes back (undo, a paste of the same link)
// shows its outcome again: it is the same link, and its file is still where the run put it.
// A new get clears the outcomes; a run drops those of texts that left the list.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace ravlet {

class LinkList;
struct LinkOutcome;

enum class RowState { Queued, Downloading, Done, Skipped, Failed };

struct RowOutcome {
    RowState state = RowState::Queued;
    std::int64_t bytes = 0;   // received so far; the file's size when done
    std::int64_t total = -1;  // the announced length, -1 when unknown
    std::string target;       // the file, once the run named it
    std::string reason;       // the log line of a skip or failure
};

class LinkOutcomes {
  public:
    explicit LinkOutcomes(const LinkList& list) : list_(list) {}
    LinkOutcomes(const LinkOutcomes&) = delete;
    LinkOutcomes& operator=(const LinkOutcomes&) = delete;

    // The outcome of row (from 0), nullptr when it has none.
    const RowOutcome* Of(std::size_t row) const;
    void Set(std::size_t row, RowOutcome outcome);
    // Marks rows queued, with one change heard for all of them.
    void Queue(const std::vector<std::size_t>& rows);
    // Forgets the outcome of row.
    void Forget(std::size_t row);
    void Clear();
    // Drops the outcomes of texts that are no longer in the list.
    void Prune();
    // The rows (from 0, in list order) whose outcome is in state.
    std::vector<std::size_t> Rows(RowState state) const;
    std::size_t Size() const { return byText_.size(); }

    // Hears every change: the row, or -1 when any row may have changed.
    std::function<void(long)> OnChanged;

  private:
    void Changed(long row) const {
        if (OnChanged) OnChanged(row);
    }
    const LinkList& list_;
    std::unordered_map<std::string, RowOutcome> byText_;
};

// The row's outcome of how the run ended a link; false for a dry run's verdicts, which are
// no outcomes.
bool RowOutcomeOf(const LinkOutcome& link, RowOutcome& row);

// The status column: "queued", "downloading 37%", "done", or the log line of a skip or a
// failure without the address it ends with (the link column shows that).
std::string StatusText(const RowOutcome& outcome);
// The size column: the file's size when done, "12.0 KB of 40.0 KB" while downloading.
std::string SizeText(const RowOutcome& outcome);
// A byte count for people: "512 B", "1.5 KB", "3.2 MB", "1.1 GB" (units of 1024).
std::string BytesText(std::int64_t bytes);

}  // namespace ravlet
