#include "main/ParallelRun.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/Settings.h"
#include "links/LinkList.h"
#include "main/DownloadHost.h"
#include "main/DownloadRun.h"
#include "main/HostPacer.h"
#include "main/LinkTry.h"
#include "main/MainControls.h"
#include "main/PartFile.h"
#include "net/RateLimit.h"
#include "net/RvNetGet.h"
#include "net/WriteAsking.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"
#include "platform/DoEvents.h"
#include "platform/Inet.h"
#include "platform/MonotonicClock.h"
#include "platform/OpenedFile.h"
#include "platform/Timer.h"
#include "platform/UserInterface.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

namespace {

// The longest one round waits for the servers before the user's events are served.
constexpr int kRoundMs = 20;
// How often transfers are served while a question is open elsewhere.
constexpr int kQuestionTickMs = 10;
constexpr int kPauseWaitMs = 250;
// The most one transfer hands over in one pass, so one fast transfer does not starve others.
constexpr std::size_t kMaxTake = 1024 * 1024;
// Rows looked at past the first waiting one for a link whose host is free.
constexpr std::size_t kLookAhead = 256;
// The progress text is redrawn at most this often.
constexpr std::int64_t kShowEveryUs = 200 * 1000;

}  // namespace

struct ParallelRun::Slot {
    // Wait: for the time of the link's next try.
    enum class Phase { Head, Target, Body, Wait, Done };
    Phase phase = Phase::Head;
    std::string address, host;
    LinkOutcome outcome;
    LinkTry t;
    int retry = 0;
    std::int64_t due = 0;  // by the run's retry clock
    std::string again;     // the failure the next try is to mend
    std::unique_ptr<InetRequest> request;
    LinkHead head;
    std::unique_ptr<PartFile> part;
    std::FILE* file = nullptr;
    std::string unwritten;  // bytes a write refused while nobody could be asked
    std::int64_t bytes = 0;

    ~Slot() { CloseFile(); }
    // Holds a place of the run.
    bool Busy() const { return phase != Phase::Wait && phase != Phase::Done; }
    // False when the last bytes did not reach the disk.
    bool CloseFile() {
        if (!file) return true;
        const bool ok = std::fclose(file) == 0;
        file = nullptr;
        return ok;
    }
};

ParallelRun::ParallelRun(DownloadRun& run, int parallel, int perHost)
    : run_(run), host_(run.host_), parallel_(std::max(1, parallel)), perHost_(perHost) {}

ParallelRun::~ParallelRun() {
    // The transfers go before the session they belong to.
    slots_.clear();
}

void ParallelRun::Run(std::size_t count) {
    const Settings& s = run_.settings_;
    session_ = std::make_unique<InetSession>(s.user_agent, s.netProxyUse, s.netProxy);
    session_->SetTimeout(s.nettimeout);
    LinkList& list = host_.Links();
    count = std::min(count, list.Count());
    for (std::size_t i = 0; i < count; ++i) {
        addresses_.push_back(host_.BaseSafe(list.At(i)));
        hosts_.push_back(HostKey(addresses_.back()));
    }
    started_.assign(count, false);
    for (;;) {
        if (host_.State() == State_Downloading) StartLinks();
        if (slots_.empty() && next_ >= count) break;
        moved_ = false;
        session_->Pump(kRoundMs);
        Serve(true);
        slots_.erase(
            std::remove_if(slots_.begin(), slots_.end(),
                           [](const auto& slot) { return slot->phase == Slot::Phase::Done; }),
            slots_.end());
        ShowProgress();
        DoEventsWaiting();
        // Nothing to receive (all held, or waiting for a host's turn or the rate): a short
        // sleep instead of a spin.
        if (!moved_)
            Ui().WaitForEvents(run_.rate_ ? std::min(run_.rate_->WaitMs(), kRoundMs) : IdleMs());
        const int state = host_.State();
        if (state == State_Downloading) continue;
        if (state == State_PauseRequested) {
            Hold(true);
            host_.State(State_Paused);
            while (host_.State() == State_Paused) Ui().WaitForEvents(kPauseWaitMs);
            Hold(false);
        }
        if (host_.State() == State_StopRequested) {
            StopAll();
            run_.stopped_ = true;
            host_.State(State_Stopped);
            break;
        }
        if (host_.State() != State_Downloading) {
            StopAll();
            break;
        }
    }
    slots_.clear();
    session_.reset();
}

int ParallelRun::OnHost(const std::string& key) const {
    int n = 0;
    for (const auto& slot : slots_)
        if (slot->Busy() && slot->host == key) ++n;
    return n;
}

int ParallelRun::Active() const {
    int n = 0;
    for (const auto& slot : slots_) n += slot->Busy() ? 1 : 0;
    return n;
}

bool ParallelRun::HostFree(const std::string& key) const {
    if (perHost_ > 0 && OnHost(key) >= perHost_) return false;
    return !run_.pacer_ || run_.pacer_->WaitMs(key) <= 0;
}

int ParallelRun::IdleMs() const {
    if (Active() > 0) return 1;
    const std::int64_t now = run_.RetryClock();
    std::int64_t wait = kRoundMs;
    for (const auto& slot : slots_)
        if (slot->phase == Slot::Phase::Wait) wait = std::min(wait, slot->due - now);
    return static_cast<int>(std::max<std::int64_t>(1, wait));
}

bool ParallelRun::NextRow(std::size_t& index) {
    while (next_ < started_.size() && started_[next_]) ++next_;
    const std::size_t end = std::min(started_.size(), next_ + kLookAhead);
    for (std::size_t i = next_; i < end; ++i) {
        if (started_[i]) continue;
        const std::string& address = addresses_[i];
        // Links that need no transfer of their own are taken in turn.
        if (!UrlHasScheme(address) || UrlIsFile(address)) {
            index = i;
            return true;
        }
        if (!HostFree(hosts_[i])) continue;
        index = i;
        return true;
    }
    return false;
}

void ParallelRun::StartLinks() {
    // Links whose wait for another try is over go first.
    const std::int64_t now = run_.RetryClock();
    for (std::size_t i = 0; i < slots_.size() && Active() < parallel_; ++i) {
        Slot& slot = *slots_[i];
        if (slot.phase != Slot::Phase::Wait || slot.due > now || !HostFree(slot.host)) continue;
        Launch(slot);
        moved_ = true;
    }
    std::size_t row = 0;
    while (Active() < parallel_ && NextRow(row)) {
        started_[row] = true;
        Start(row);
        moved_ = true;
    }
}

void ParallelRun::Start(std::size_t row) {
    const std::string& address = addresses_[row];
    const long number = static_cast<long>(row) + 1;
    host_.CurrentRow(static_cast<long>(row));
    if (!UrlHasScheme(address)) {
        run_.InvalidUrl(address, number);
        ++finished_;
        return;
    }
    if (UrlIsFile(address)) {
        if (!run_.DownloadLink(address, number)) ++run_.errors_;
        ++finished_;
        return;
    }
    auto slot = std::make_unique<Slot>();
    slot->address = address;
    slot->host = hosts_[row];
    slot->outcome.row = number;
    slot->outcome.address = address;
    slot->t.mayResume = run_.Resumes(address);
    slots_.push_back(std::move(slot));
    Launch(*slots_.back());
}

void ParallelRun::Launch(Slot& slot) {
    slot.phase = Slot::Phase::Head;
    std::string headers;
    if (!run_.LinkBefore(slot.address, slot.outcome.row, slot.outcome, slot.t, headers)) {
        Finish(slot, false);
        return;
    }
    long error = 0;
    slot.request = session_->Start(slot.address, headers, error);
    if (!slot.request) {
        error = error >= 1 ? error : 6;
        TryEnded(slot, run_.LinkOpenFailed(slot.address, slot.outcome, slot.t, error,
                                           RvNetGet::TranslateErrorCode(error)));
        return;
    }
    if (run_.pacer_) run_.pacer_->Started(slot.host);
}

void ParallelRun::Serve(bool mayAsk) {
    // By index: a question asked here serves the others through this same routine, which
    // never adds or removes slots.
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        Slot& slot = *slots_[i];
        switch (slot.phase) {
            case Slot::Phase::Head:
                AtHead(slot, mayAsk);
                break;
            case Slot::Phase::Target:
                AtTarget(slot, mayAsk);
                break;
            case Slot::Phase::Body:
                Body(slot, mayAsk);
                break;
            case Slot::Phase::Wait:
            case Slot::Phase::Done:
                break;
        }
    }
}

void ParallelRun::AtHead(Slot& slot, bool mayAsk) {
    long error = 0;
    if (slot.request->Failed(error)) {
        TryEnded(slot, run_.LinkOpenFailed(slot.address, slot.outcome, slot.t, error,
                                           RvNetGet::TranslateErrorCode(error)));
        return;
    }
    if (!slot.request->HeadArrived()) return;
    moved_ = true;
    const InetRequest& r = *slot.request;
    LinkHead& head = slot.head;
    head.code = std::to_string(r.StatusCode());
    const std::string& type = r.ContentType();
    head.type = Trim(type.substr(0, type.find(';')));
    head.length = std::max<std::int64_t>(0, r.ContentLength());
    head.requestName = RequestedAddress(
        r.RequestHead(), IStartsWith(r.EffectiveUrl(), "https://") ? "https://" : "http://");
    head.disposition = HeadLineValue(r.ResponseHead(), "Content-disposition");
    head.contentRange = HeadLineValue(r.ResponseHead(), "Content-Range");
    head.etag = HeadLineValue(r.ResponseHead(), "ETag");
    head.lastModified = HeadLineValue(r.ResponseHead(), "Last-Modified");
    head.retryAfter = r.RetryAfter();
    bool result = true;
    if (!run_.LinkAtHead(slot.address, slot.outcome.row, head, slot.outcome, slot.t, result)) {
        TryEnded(slot, result);
        return;
    }
    slot.phase = Slot::Phase::Target;
    AtTarget(slot, mayAsk);
}

bool ParallelRun::TargetBusy(const Slot& slot) const {
    for (const auto& other : slots_)
        if (other.get() != &slot && other->phase == Slot::Phase::Body &&
            other->outcome.path == slot.outcome.path)
            return true;
    return false;
}

void ParallelRun::AtTarget(Slot& slot, bool mayAsk) {
    // Two links with one target: the second meets the existing-file rule once the first
    // has finished, as it would one after the other.
    if (TargetBusy(slot)) return;
    // While a question is open, only a link whose target does not exist goes on: no rule
    // can ask about it.
    if (!mayAsk && FileSize(slot.outcome.path) > 0) return;
    moved_ = true;
    bool result = true;
    bool go = false;
    if (!mayAsk) {
        go = run_.LinkExisting(slot.outcome, slot.t, result);
    } else {
        // The question waits for the user; the other transfers go on meanwhile.
        std::unique_ptr<Timer> others = MakeTimer();
        asking_ = true;
        others->Start(kQuestionTickMs, [this] {
            if (!asking_) return;
            session_->Pump(1);
            Serve(false);
        });
        go = run_.LinkExisting(slot.outcome, slot.t, result);
        others->Stop();
        asking_ = false;
    }
    if (!go) {
        TryEnded(slot, result);
        return;
    }
    slot.part = std::make_unique<PartFile>(slot.outcome.path, slot.t.partHome);
    if (!run_.LinkCreatePart(slot.address, slot.head, *slot.part, slot.outcome, slot.t)) {
        TryEnded(slot, false);
        return;
    }
    slot.file = OpenBodyFile(slot.part->TakeOpened(), slot.part->Path(), slot.t.rest).release();
    slot.bytes = 0;
    slot.phase = Slot::Phase::Body;
    if (!slot.file) {
        End(slot, false, false, 0, "Can't create File " + slot.part->Path() + ".");
        return;
    }
    Body(slot, mayAsk);
}

void ParallelRun::Body(Slot& slot, bool mayAsk) {
    const std::int64_t bound = run_.LinkBound(slot.t);
    if (!slot.unwritten.empty()) {
        if (!mayAsk) return;
        std::string error;
        const bool written =
            WriteAsking(slot.file, slot.unwritten.data(), slot.unwritten.size(), error);
        slot.bytes += static_cast<std::int64_t>(slot.unwritten.size());
        slot.unwritten.clear();
        if (!written) {
            End(slot, false, false, 0, error);
            return;
        }
    }
    for (;;) {
        std::size_t most = kMaxTake;
        if (run_.rate_) {
            const std::int64_t allowed = run_.rate_->Allowance();
            if (allowed <= 0) return;
            most = std::min(most, static_cast<std::size_t>(allowed));
        }
        const char* data = nullptr;
        std::size_t size = 0;
        bool ended = false;
        long error = 0;
        if (!slot.request->Take(most, data, size, ended, error)) {
            error = error >= 1 ? error : 12004;
            End(slot, false, false, error, RvNetGet::TranslateErrorCode(error));
            return;
        }
        if (size == 0) {
            if (ended) End(slot, true, false, 0, std::string());
            return;
        }
        moved_ = true;
        if (run_.rate_) run_.rate_->Spend(static_cast<std::int64_t>(size));
        if (bound >= 0 && slot.bytes + static_cast<std::int64_t>(size) > bound) {
            End(slot, false, true, 0,
                "The file is larger than " + std::to_string(bound) + " bytes; reading stopped.");
            return;
        }
        const std::size_t put = std::fwrite(data, 1, size, slot.file);
        slot.bytes += static_cast<std::int64_t>(put);
        if (put != size) {
            std::clearerr(slot.file);
            // Only what did not reach the file waits or is written again.
            if (!mayAsk) {
                slot.unwritten.assign(data + put, size - put);
                return;
            }
            std::string why;
            if (!WriteAsking(slot.file, data + put, size - put, why)) {
                End(slot, false, false, 0, why);
                return;
            }
            slot.bytes += static_cast<std::int64_t>(size - put);
        }
        if (run_.OnLinkProgress)
            run_.OnLinkProgress(slot.outcome.row, slot.bytes,
                                slot.head.length > 0 ? slot.head.length : -1);
    }
}

void ParallelRun::End(Slot& slot, bool ok, bool overBound, long code, const std::string& error) {
    std::string why = error;
    if (!slot.CloseFile() && ok) {
        ok = false;
        code = 0;
        why = std::string("While saving the file, an error occured: ") + std::strerror(errno);
    }
    slot.request.reset();
    TryEnded(slot, run_.LinkAtEnd(slot.address, slot.outcome, *slot.part, slot.t, ok, overBound,
                                  code, why));
}

void ParallelRun::TryEnded(Slot& slot, bool result) {
    slot.CloseFile();
    slot.request.reset();
    slot.part.reset();
    moved_ = true;
    if (!slot.t.restart && slot.t.again.empty()) {
        Finish(slot, result);
        return;
    }
    int delay = 0;
    if (!slot.t.again.empty() && !run_.LinkRetry(slot.outcome, slot.t, slot.retry, delay)) {
        Finish(slot, false);
        return;
    }
    // The wait is the run's: the slot gives its place to others until its time has come.
    slot.again = slot.t.again;
    slot.t = slot.t.Next(run_.Resumes(slot.address));
    slot.due = run_.RetryClock() + delay;
    slot.phase = Slot::Phase::Wait;
}

void ParallelRun::Finish(Slot& slot, bool result) {
    if (!result) ++run_.errors_;
    slot.phase = Slot::Phase::Done;
    slot.request.reset();
    slot.part.reset();
    ++finished_;
    moved_ = true;
    host_.StatusBar().Step(static_cast<int>(finished_));
}

void ParallelRun::Hold(bool on) {
    for (const auto& slot : slots_)
        if (slot->request) slot->request->Hold(on);
}

void ParallelRun::StopAll() {
    const std::string cancelled = RvNetGet::TranslateErrorCode(kInetCancelled);
    for (const auto& slot : slots_) {
        if (slot->phase == Slot::Phase::Done) continue;
        slot->CloseFile();
        slot->request.reset();
        // A link waiting for another try fails with what the last one met, as one at a time.
        if (slot->phase == Slot::Phase::Wait && !slot->again.empty()) {
            run_.Fail(slot->outcome, slot->again);
        } else {
            run_.LinkOpenFailed(slot->address, slot->outcome, slot->t, kInetCancelled, cancelled);
        }
        Finish(*slot, false);
    }
}

void ParallelRun::ShowProgress() {
    const std::int64_t now = MonotonicMicros();
    if (now - lastShown_ < kShowEveryUs) return;
    lastShown_ = now;
    std::int64_t bytes = 0, total = 0;
    bool known = true;
    for (const auto& slot : slots_) {
        if (slot->phase != Slot::Phase::Body) continue;
        bytes += slot->bytes;
        total += slot->head.length;
        known = known && slot->head.length > 0;
    }
    if (bytes == 0) return;
    const int percent = known && total > 0 ? static_cast<int>(bytes * 100 / total) : 0;
    host_.StatusBar().Percent(percent);
    host_.Status("reading url: " + std::to_string(bytes) + " bytes read (" +
                 (known ? std::to_string(percent) : std::string("??")) + "%) in " +
                 std::to_string(slots_.size()) + " transfers");
}

}  // namespace ravlet
