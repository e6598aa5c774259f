#pragma once
// The undo history of a link list: every change of its rows is kept as what it took away,
// grouped into steps, the newest 50 of them within a byte budget.
//
// A step keeps only what its change needs to be reversed: the count of appended rows, the
// index of an inserted row, the old text and index of a rewritten or removed row, and a
// whole copy only when the list was replaced (clear, sort, a new page). The rows a clear or a
// replacement gives away are moved into the step, not copied. A budget in bytes bounds the
// history as well as the count of steps: 50 whole copies of a list of 100,000 rows would hold
// hundreds of megabytes, while 50 edits of a row hold next to nothing.
#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

#include "links/LinkList.h"

namespace ravlet {

class ListUndo : public LinkListJournal {
  public:
    static constexpr std::size_t kMaxSteps = 50;
    static constexpr std::size_t kByteBudget = std::size_t{64} << 20;

    // Watches list from now on, until destroyed.
    explicit ListUndo(LinkList& list, std::size_t byteBudget = kByteBudget);
    ~ListUndo() override;
    ListUndo(const ListUndo&) = delete;
    ListUndo& operator=(const ListUndo&) = delete;

    // One command's changes make one step: Begin and End bracket it, and may nest (a command
    // that runs others). Changes outside any bracket (another window writing the list) make a
    // step of their own that lasts until Seal, the next Begin, or an undo.
    void Begin();
    void End();
    void Seal();
    bool InStep() const { return depth_ > 0; }

    bool CanUndo() const { return !undo_.empty() || HasOpenChanges(); }
    bool CanRedo() const { return !redo_.empty(); }
    // Reverses the newest step; the rows it brought back or rewrote are selected, the first of
    // them current. False when there is nothing to undo, or inside a bracket.
    bool Undo();
    bool Redo();

    // The texts beside the list that a command may empty with it (the page address, the base,
    // the source view), read and written by the window.
    std::function<std::vector<std::string>()> ReadTexts;
    std::function<void(std::vector<std::string>)> WriteTexts;
    // Keeps the texts as they are now in the recording step: its undo puts them back.
    void KeepTexts();

    std::size_t UndoSteps() const { return undo_.size(); }
    std::size_t RedoSteps() const { return redo_.size(); }
    std::size_t Bytes() const { return bytes_; }

    // LinkListJournal.
    void Appending() override;
    void Inserting(std::size_t index) override;
    void Setting(std::size_t index, const std::string& old, const std::string& now) override;
    void Removing(std::size_t index, const std::string& old) override;
    void Replacing(std::vector<std::string>& old, const std::vector<std::string>& now) override;

  private:
    enum class Kind : unsigned char { Appended, Inserted, Set, Removed, Replaced, Texts };
    struct Change {
        Kind kind;
        std::size_t index = 0;          // the row; the count of rows for Appended
        std::string text;               // Set, Removed: the old text
        std::vector<std::string> rows;  // Replaced: the old rows; Texts: the old texts
    };
    struct Step {
        std::vector<Change> changes;
        std::size_t bytes = 0;
    };

    Step& Target();
    void Add(Change change, std::size_t bytes);
    void AddTexts(std::vector<std::string> texts);
    bool HasOpenChanges() const { return open_ && !step_.changes.empty(); }
    void Close();
    // Reverses step on the list, recording the reversal as the step that reverses it again.
    Step Replay(Step step);
    void Trim();

    LinkList& list_;
    const std::size_t budget_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    std::size_t bytes_ = 0;  // of every step in both histories
    Step step_;              // the step being recorded
    bool open_ = false;
    bool implicit_ = false;  // opened by a change outside any bracket
    int depth_ = 0;
    bool replaying_ = false;
    Step replay_;  // what a replay records
    // Rows whose old text the recording step holds already, since the last change that moved
    // rows: a drag rewrites the same rows many times.
    std::unordered_set<std::size_t> saved_;
};

// Brackets one command's changes as one step.
class ListUndoStep {
  public:
    explicit ListUndoStep(ListUndo& undo) : undo_(undo) { undo_.Begin(); }
    ~ListUndoStep() { undo_.End(); }
    ListUndoStep(const ListUndoStep&) = delete;
    ListUndoStep& operator=(const ListUndoStep&) = delete;

  private:
    ListUndo& undo_;
};

}  // namespace ravlet
