#include "main/ListUndo.h"

#include <algorithm>
#include <utility>

namespace ravlet {

namespace {
// What a kept text costs beyond its characters: the string and the change around it.
constexpr std::size_t kRowOverhead = sizeof(std::string) + 16;
}  // namespace

ListUndo::ListUndo(LinkList& list, std::size_t byteBudget) : list_(list), budget_(byteBudget) {
    list_.Journal(this);
}

ListUndo::~ListUndo() {
    list_.Journal(nullptr);
}

ListUndo::Step& ListUndo::Target() {
    if (replaying_) return replay_;
    if (!open_) {
        open_ = true;
        implicit_ = true;
    }
    return step_;
}

void ListUndo::Add(Change change, std::size_t bytes) {
    Step& step = Target();
    step.changes.push_back(std::move(change));
    step.bytes += bytes;
}

void ListUndo::Appending() {
    Step& step = Target();
    if (!step.changes.empty() && step.changes.back().kind == Kind::Appended) {
        ++step.changes.back().index;
        return;
    }
    Add({Kind::Appended, 1, {}, {}}, sizeof(Change));
}

void ListUndo::Inserting(std::size_t index) {
    saved_.clear();
    Add({Kind::Inserted, index, {}, {}}, sizeof(Change));
}

void ListUndo::Setting(std::size_t index, const std::string& old, const std::string& now) {
    if (old == now) return;
    // Only the oldest text of a row matters to the undo, until rows move.
    if (!saved_.insert(index).second) return;
    Add({Kind::Set, index, old, {}}, sizeof(Change) + old.size());
}

void ListUndo::Removing(std::size_t index, const std::string& old) {
    saved_.clear();
    Add({Kind::Removed, index, old, {}}, sizeof(Change) + old.size());
}

void ListUndo::Replacing(std::vector<std::string>& old, const std::vector<std::string>& now) {
    saved_.clear();
    // A replacement that keeps every row and adds some (appending a list file) is an append.
    if (old.size() <= now.size() && std::equal(old.begin(), old.end(), now.begin())) {
        for (std::size_t i = old.size(); i < now.size(); ++i) Appending();
        return;
    }
    std::size_t bytes = sizeof(Change);
    for (const std::string& row : old) bytes += row.size() + kRowOverhead;
    Add({Kind::Replaced, 0, {}, std::move(old)}, bytes);
}

void ListUndo::KeepTexts() {
    if (!ReadTexts) return;
    std::vector<std::string> texts = ReadTexts();
    if (std::all_of(texts.begin(), texts.end(), [](const std::string& t) { return t.empty(); }))
        return;
    AddTexts(std::move(texts));
}

void ListUndo::AddTexts(std::vector<std::string> texts) {
    std::size_t bytes = sizeof(Change);
    for (const std::string& text : texts) bytes += text.size() + kRowOverhead;
    Add({Kind::Texts, 0, {}, std::move(texts)}, bytes);
}

void ListUndo::Begin() {
    if (depth_++ > 0) return;
    Close();
    open_ = true;
    implicit_ = false;
}

void ListUndo::End() {
    if (depth_ == 0 || --depth_ > 0) return;
    Close();
}

void ListUndo::Seal() {
    if (open_ && implicit_) Close();
}

void ListUndo::Close() {
    if (HasOpenChanges()) {
        bytes_ += step_.bytes;
        undo_.push_back(std::move(step_));
        for (const Step& s : redo_) bytes_ -= s.bytes;
        redo_.clear();
        Trim();
    }
    step_ = Step();
    open_ = false;
    implicit_ = false;
    saved_.clear();
}

ListUndo::Step ListUndo::Replay(Step step) {
    replaying_ = true;
    replay_ = Step();
    saved_.clear();
    list_.SelectAll(false);
    for (auto it = step.changes.rbegin(); it != step.changes.rend(); ++it) {
        Change& c = *it;
        switch (c.kind) {
            case Kind::Appended:
                if (c.index >= list_.Count()) {
                    list_.Clear();
                    break;
                }
                for (std::size_t k = 0; k < c.index; ++k) list_.Remove(list_.Count() - 1);
                break;
            case Kind::Inserted:
                list_.Remove(c.index);
                break;
            case Kind::Set:
                list_.Set(c.index, c.text);
                if (c.index < list_.Count()) list_.Select(c.index, true);
                break;
            case Kind::Removed:
                list_.Insert(c.index, c.text);
                list_.Select(std::min(c.index, list_.Count() - 1), true);
                break;
            case Kind::Replaced:
                list_.Assign(std::move(c.rows));
                list_.SelectAll(true);
                break;
            case Kind::Texts:
                // The texts of now go into the reversal, so a redo empties them again.
                if (ReadTexts && WriteTexts) {
                    AddTexts(ReadTexts());
                    WriteTexts(std::move(c.rows));
                }
                break;
        }
    }
    long first = -1;
    for (std::size_t i = 0; i < list_.Count() && first < 0; ++i)
        if (list_.Selected(i)) first = static_cast<long>(i);
    if (first < 0 && !list_.Empty()) first = static_cast<long>(list_.Count()) - 1;
    list_.Current(first);
    replaying_ = false;
    saved_.clear();
    return std::move(replay_);
}

bool ListUndo::Undo() {
    if (depth_ > 0) return false;
    Seal();
    if (undo_.empty()) return false;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    bytes_ -= step.bytes;
    Step reverse = Replay(std::move(step));
    bytes_ += reverse.bytes;
    redo_.push_back(std::move(reverse));
    Trim();
    return true;
}

bool ListUndo::Redo() {
    if (depth_ > 0) return false;
    Seal();
    if (redo_.empty()) return false;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    bytes_ -= step.bytes;
    Step reverse = Replay(std::move(step));
    bytes_ += reverse.bytes;
    undo_.push_back(std::move(reverse));
    Trim();
    return true;
}

void ListUndo::Trim() {
    auto dropOldest = [this](std::deque<Step>& steps) {
        bytes_ -= steps.front().bytes;
        steps.pop_front();
    };
    while (undo_.size() > kMaxSteps) dropOldest(undo_);
    while (redo_.size() > kMaxSteps) dropOldest(redo_);
    // The newest step stays whatever it holds: the last command can always be undone.
    while (bytes_ > budget_ && undo_.size() + redo_.size() > 1) {
        if (undo_.size() > 1 || (undo_.size() == 1 && redo_.empty()))
            dropOldest(undo_);
        else
            dropOldest(redo_);
    }
}

}  // namespace ravlet
