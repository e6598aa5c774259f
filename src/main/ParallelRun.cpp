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
#include "main/PartFile.h"
#include "net/RateLimit.h"
#include "net/RvNetGet.h"
#include "net/WriteAsking.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"
#include "platform/DoEvents.h"
#include "platform/Inet.h"
#include "platform/MonotonicClock.h"
#include "platform/Timer.h"
#include "platform/UserInterface.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

namespace {

enum : int {
    kDownloading = 3,
    kPauseRequested = 4,
    kPaused = 5,
    kStopRequested = 6,
    kStopped = 7,
};

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
    enum class Phase { Head, Target, Body, Done };
    Phase phase = Phase::Head;
    std::string address, host;
    LinkOutcome outcome;
    std::unique_ptr<InetRequest> request;
    LinkHead head;
    std::unique_ptr<PartFile> part;
    std::FILE* file = nullptr;
    std::string unwritten;  // bytes a write refused while nobody could be asked
    std::int64_t bytes = 0;

    ~Slot() { CloseFile(); }
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
        if (host_.State() == kDownloading) StartLinks();
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
        if (!moved_) Ui().WaitForEvents(run_.rate_ ? std::min(run_.rate_->WaitMs(), kRoundMs) : 1);
        const int state = host_.State();
        if (state == kDownloading) continue;
        if (state == kPauseRequested) {
            Hold(true);
            host_.State(kPaused);
            while (host_.State() == kPaused) Ui().WaitForEvents(kPauseWaitMs);
            Hold(false);
        }
        if (host_.State() == kStopRequested) {
            StopAll();
            run_.stopped_ = true;
            host_.State(kStopped);
            break;
        }
        if (host_.State() != kDownloading) {
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
        if (slot->phase != Slot::Phase::Done && slot->host == key) ++n;
    return n;
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
        if (perHost_ > 0 && OnHost(hosts_[i]) >= perHost_) continue;
        if (run_.pacer_ && run_.pacer_->WaitMs(hosts_[i]) > 0) continue;
        index = i;
        return true;
    }
    return false;
}

void ParallelRun::StartLinks() {
    std::size_t row = 0;
    while (static_cast<int>(slots_.size()) < parallel_ && NextRow(row)) {
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
    if (!run_.LinkBefore(address, number, slot->outcome)) {
        ++run_.errors_;
        ++finished_;
        return;
    }
    long error = 0;
    slot->request = session_->Start(address, run_.RequestHeaders(), error);
    if (!slot->request) {
        run_.LinkOpenFailed(address, slot->outcome,
                            RvNetGet::TranslateErrorCode(error >= 1 ? error : 6));
        ++run_.errors_;
        ++finished_;
        return;
    }
    if (run_.pacer_) run_.pacer_->Started(slot->host);
    slots_.push_back(std::move(slot));
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
            case Slot::Phase::Done:
                break;
        }
    }
}

void ParallelRun::AtHead(Slot& slot, bool mayAsk) {
    long error = 0;
    if (slot.request->Failed(error)) {
        run_.LinkOpenFailed(slot.address, slot.outcome, RvNetGet::TranslateErrorCode(error));
        Finish(slot, false);
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
    bool result = true;
    if (!run_.LinkAtHead(slot.address, slot.outcome.row, head, slot.outcome, result)) {
        Finish(slot, result);
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
        go = run_.LinkExisting(slot.head, slot.outcome, result);
    } else {
        // The question waits for the user; the other transfers go on meanwhile.
        std::unique_ptr<Timer> others = MakeTimer();
        asking_ = true;
        others->Start(kQuestionTickMs, [this] {
            if (!asking_) return;
            session_->Pump(1);
            Serve(false);
        });
        go = run_.LinkExisting(slot.head, slot.outcome, result);
        others->Stop();
        asking_ = false;
    }
    if (!go) {
        Finish(slot, result);
        return;
    }
    slot.part = std::make_unique<PartFile>(slot.outcome.path);
    if (!run_.LinkCreatePart(slot.address, *slot.part, slot.outcome)) {
        Finish(slot, false);
        return;
    }
    slot.file = std::fopen(slot.part->Path().c_str(), "wb");
    slot.phase = Slot::Phase::Body;
    if (!slot.file) {
        End(slot, false, false, "Can't create File " + slot.part->Path() + ".");
        return;
    }
    Body(slot, mayAsk);
}

void ParallelRun::Body(Slot& slot, bool mayAsk) {
    const Settings& s = run_.settings_;
    const std::int64_t bound = s.netsizeforce && s.netsizemax >= 1 ? s.netsizemax : -1;
    if (!slot.unwritten.empty()) {
        if (!mayAsk) return;
        std::string error;
        const bool written =
            WriteAsking(slot.file, slot.unwritten.data(), slot.unwritten.size(), error);
        slot.bytes += static_cast<std::int64_t>(slot.unwritten.size());
        slot.unwritten.clear();
        if (!written) {
            End(slot, false, false, error);
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
            End(slot, false, false, RvNetGet::TranslateErrorCode(error >= 1 ? error : 12004));
            return;
        }
        if (size == 0) {
            if (ended) End(slot, true, false, std::string());
            return;
        }
        moved_ = true;
        if (run_.rate_) run_.rate_->Spend(static_cast<std::int64_t>(size));
        if (bound >= 0 && slot.bytes + static_cast<std::int64_t>(size) > bound) {
            End(slot, false, true,
                "The file is larger than " + std::to_string(bound) + " bytes; reading stopped.");
            return;
        }
        if (std::fwrite(data, 1, size, slot.file) != size) {
            std::clearerr(slot.file);
            if (!mayAsk) {
                slot.unwritten.assign(data, size);
                return;
            }
            std::string why;
            if (!WriteAsking(slot.file, data, size, why)) {
                End(slot, false, false, why);
                return;
            }
        }
        slot.bytes += static_cast<std::int64_t>(size);
        if (run_.OnLinkProgress)
            run_.OnLinkProgress(slot.outcome.row, slot.bytes,
                                slot.head.length > 0 ? slot.head.length : -1);
    }
}

void ParallelRun::End(Slot& slot, bool ok, bool overBound, const std::string& error) {
    std::string why = error;
    if (!slot.CloseFile() && ok) {
        ok = false;
        why = std::string("While saving the file, an error occured: ") + std::strerror(errno);
    }
    slot.request.reset();
    const bool result = run_.LinkAtEnd(slot.address, slot.outcome, *slot.part, ok, overBound, why);
    Finish(slot, result);
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
        run_.LinkOpenFailed(slot->address, slot->outcome, cancelled);
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
