#include "main/DownloadRun.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "links/LinkList.h"
#include "main/DownloadHost.h"
#include "main/ExistingTarget.h"
#include "main/HostPacer.h"
#include "main/LinkTry.h"
#include "main/MainControls.h"
#include "main/ParallelRun.h"
#include "main/PartFile.h"
#include "main/PrepareTarget.h"
#include "main/ResumeRecord.h"
#include "main/ServerName.h"
#include "net/CookieFile.h"
#include "net/RateLimit.h"
#include "net/RetryPolicy.h"
#include "net/RvNetGet.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"
#include "platform/Inet.h"
#include "platform/MonotonicClock.h"
#include "platform/UserInterface.h"
#include "tools/ctlStatusBar.h"

namespace ravlet {

namespace {

// The longest a paused run sleeps between two looks at State when no event comes.
constexpr int kPauseWaitMs = 250;
// However many retries the settings ask for, a link is given up after these.
constexpr int kMaxRetries = 100;

// A part whose record no longer matches the remote file goes, with its record.
void DiscardPart(const std::string& part) {
    std::remove(part.c_str());
    std::remove(ResumeRecordPath(part).c_str());
}

// error: the system's reason (an errno value), or 0 when there is none to say.
std::string FsLine(const std::string& path, const std::string& address, int error = 0) {
    const std::string reason = error != 0 ? "(" + std::string(std::strerror(error)) + ")" : "";
    return "Error: FS: Can't create File " + reason + " - File: " + path + " - Url: " + address;
}

// The dry run's question: it records that the run would ask, and asks nobody.
class NoQuestion : public OverwriteView {
  public:
    OverwriteAnswer Show(const OverwriteQuestion&, frmOverwrite&) override {
        asked = true;
        return OverwriteAnswer{};
    }
    bool asked = false;
};

// The content-type filter: the type begins with one of the ";"-separated items. Unlike the
// shared list helpers, an empty item counts here, so a list ending in ";" takes every type.
bool TypeAllowed(const std::string& type, const std::string& items) {
    for (const std::string& item : Split(items, ";"))
        if (IStartsWith(type, item)) return true;
    return false;
}

// A page fetched over the network must not make the run read local files; a local page, or
// a list without a page, may.
bool RemotePage(const std::string& page) {
    return UrlHasScheme(page) && !UrlIsFile(page);
}

// A dry run writes nothing: it only judges the path the run would prepare.
bool WouldBeUsable(const std::string& path) {
    return !path.empty() && path.back() != kPathSep && path.size() <= kMaxPathBytes &&
           !(DirExists(path) && FileSize(path) < 0);
}

// Listens to the transfer's progress for the length of a run, then restores the listeners
// the owner had. A read reports every chunk of 256 bytes: the status text (built on demand)
// follows every 64th report and the last one, the gauge every change of the percentage.
class ProgressListener {
  public:
    ProgressListener(RvNetGet& net, DownloadHost& host, std::function<void()> progress)
        : net_(net),
          oldText_(std::exchange(net.StatusChanged,
                                 [this, &host, progress = std::move(progress)] {
                                     if ((++reports_ & 63u) == 0 || net_.StatusPer() == 100) {
                                         host.Status(net_.Status());
                                         if (progress) progress();
                                     }
                                 })),
          oldPercent_(std::exchange(net.StatusChangedPer, [this, &host] {
              if (net_.StatusPer() == percent_) return;
              percent_ = net_.StatusPer();
              host.StatusBar().Percent(percent_);
          })) {}
    ~ProgressListener() {
        net_.StatusChanged = std::move(oldText_);
        net_.StatusChangedPer = std::move(oldPercent_);
    }
    ProgressListener(const ProgressListener&) = delete;
    ProgressListener& operator=(const ProgressListener&) = delete;

  private:
    RvNetGet& net_;
    unsigned reports_ = 0;
    int percent_ = -1;
    std::function<void()> oldText_, oldPercent_;
};

}  // namespace

DownloadRun::DownloadRun(DownloadHost& host, Settings& settings)
    : RetryClock(MonotonicMs), host_(host), settings_(settings), runRule_(settings.fileexistsdo) {}

DownloadRun::~DownloadRun() = default;

void DownloadRun::DownloadButton(int index) {
    if (host_.Links().Empty()) {
        MsgBox(
            "There are no links to be downloaded ! You first have to get an URL before "
            "downloading.");
        return;
    }
    DownloadControl(index);
}

void DownloadRun::DownloadControl(int action) {
    const int state = host_.State();
    static constexpr int kButtons[] = {Act_DownloadStart, Act_DownloadPause, Act_DownloadStop};
    if (action < 0 || action > 2 || !CommandAllowed(kButtons[action], state)) return;
    switch (action) {
        case 0:
            // Never a run inside a run, whatever State says.
            if (!running_ && (state == State_Idle || state == State_ListReady)) {
                doSuck();
            } else if (running_ && state == State_Paused) {
                host_.State(State_Downloading);
            }
            break;
        case 1:
            if (running_) host_.State(State_PauseRequested);
            break;
        case 2:
            // Without a run there is nothing to stop, and State 6 would wait for ever.
            if (!running_) break;
            if (MsgBox("Do you want to stop your current Download ?", MsgButtons::YesNoCancel,
                       MsgIcon::Question, "Stop pressed") == MsgAnswer::Yes)
                Stop();
            break;
        default:
            break;
    }
}

void DownloadRun::Stop() {
    if (!running_) return;
    host_.Net().NetUrlReadStop();
    host_.State(State_StopRequested);
}

void DownloadRun::WaitWhilePaused() {
    host_.State(State_Paused);
    while (host_.State() == State_Paused) Ui().WaitForEvents(kPauseWaitMs);
}

void DownloadRun::SequentialLinks(std::size_t count) {
    LinkList& list = host_.Links();
    ctlStatusBar& bar = host_.StatusBar();
    for (std::size_t i = 0; i < count && i < list.Count(); ++i) {
        const std::string address = host_.BaseSafe(list.At(i));
        host_.CurrentRow(static_cast<long>(i));
        bar.Step(static_cast<int>(i));
        const long number = static_cast<long>(i) + 1;
        if (UrlHasScheme(address)) {
            if (!DownloadLink(address, number)) ++errors_;
        } else {
            InvalidUrl(address, number);
        }
        Ui().ServeEvents();
        if (host_.State() != State_Downloading) {
            if (host_.State() == State_PauseRequested) WaitWhilePaused();
            if (host_.State() == State_StopRequested) {
                stopped_ = true;
                host_.State(State_Stopped);
                break;
            }
            if (host_.State() != State_Downloading) break;
        }
    }
}

void DownloadRun::InvalidUrl(const std::string& address, long number) {
    LinkOutcome outcome;
    outcome.row = number;
    outcome.address = address;
    Fail(outcome, "Error: Invalid Url (probably base is missing) Url: " + address);
    ++errors_;
}

void DownloadRun::doSuck() {
    const Settings& s = settings_;
    host_.WriteSettings();
    host_.State(State_Downloading);
    if (host_.RefinerOpen() && s.Refiner_AutoHide) host_.CloseRefiner();
    runRule_ = s.fileexistsdo;
    RvNetGet& net = host_.Net();
    UseCookies(net, s.netCookies, s.netCookiesSave);
    net.NetInit(s.user_agent, s.netProxyUse, s.netProxy);
    ProgressListener progress(net, host_, [this, &net] {
        if (OnLinkProgress)
            OnLinkProgress(progressRow_, net.ReadBytes(),
                           net.UrlContentLength() >= 1 ? net.UrlContentLength() : -1);
    });

    LinkList& list = host_.Links();
    const std::size_t count = list.Count();
    ctlStatusBar& bar = host_.StatusBar();
    bar.Steps(static_cast<int>(count));
    bar.Step(0);
    bar.Mode(1);
    errors_ = 0;
    stopped_ = false;
    running_ = true;
    const double rate = std::strtod(ParseUnitValue(s.netLimitRate, 0).c_str(), nullptr);
    if (rate >= 1) rate_ = std::make_unique<RateLimit>(static_cast<std::int64_t>(rate));
    if (s.netWait > 0) pacer_ = std::make_unique<HostPacer>(s.netWait);
    net.RateLimiter(rate_.get());
    if (s.netParallel > 1 && !dryRun_) {
        ParallelRun parallel(*this, s.netParallel, s.netParallelHost);
        parallel.Run(count);
    } else {
        SequentialLinks(count);
    }
    net.RateLimiter(nullptr);
    rate_.reset();
    pacer_.reset();
    running_ = false;
    host_.State(State_Idle);
    bar.Mode(0);
    host_.Status("download finished. " + std::to_string(errors_) + " error(s)");
    const bool closeAfter = (s.Auto_Close & 1) != 0;
    const bool despiteErrors = (s.Auto_Close & 2) != 0;
    if (closeAfter && !list.Empty() && !stopped_ && (errors_ == 0 || despiteErrors))
        host_.AutoClose();
}

bool DownloadRun::Fail(LinkOutcome& outcome, const std::string& line) {
    LogMessage(line);
    outcome.verdict = LinkVerdict::Failed;
    outcome.reason = line;
    if (OnLinkDone) OnLinkDone(outcome);
    return false;
}

bool DownloadRun::Skip(LinkOutcome& outcome, const std::string& line) {
    if (!line.empty()) LogMessage(line);
    outcome.verdict = LinkVerdict::Skipped;
    outcome.reason = line;
    if (OnLinkDone) OnLinkDone(outcome);
    return true;
}

std::string DownloadRun::Prepare(const std::string& address, long number, bool cutFragment,
                                 bool& folderFound) {
    const Settings& s = settings_;
    folderFound = false;
    if (dryRun_) {
        return TargetPath(s.savedir, cutFragment ? UrlStripFragment(address) : address,
                          s.filenaming, number);
    }
    return cutFragment
               ? PrepareTarget(s.savedir, address, s.filenaming, number, &folderFound)
               : PrepareRenamedTarget(s.savedir, address, s.filenaming, number, &folderFound);
}

bool DownloadRun::CheckTarget(LinkOutcome& outcome, const std::string& address, bool folderFound) {
    if (!InsideFolder(settings_.savedir, outcome.path)) {
        Fail(outcome, "Error: a link leads out of the download folder - File: " + outcome.path +
                          " - Url: " + address);
        return false;
    }
    if (dryRun_) {
        if (WouldBeUsable(outcome.path)) return true;
        Fail(outcome, FsLine(outcome.path, address));
        return false;
    }
    if (TargetUsable(outcome.path, folderFound)) return true;
    Fail(outcome, FsLine(outcome.path, address, errno));
    return false;
}

bool DownloadRun::DownloadLink(const std::string& address, long number) {
    LinkOutcome outcome;
    outcome.row = number;
    outcome.address = address;
    progressRow_ = number;
    RvNetGet& net = host_.Net();
    // Files are stored as the server sends them: never decoded.
    const bool compressed = net.AcceptCompressed();
    net.AcceptCompressed(false);
    const bool result = Link(address, number, outcome);
    net.NetUrlClose();
    net.AcceptCompressed(compressed);
    return result;
}

bool DownloadRun::Resumes(const std::string& address) const {
    return settings_.netResume && !dryRun_ && !UrlIsFile(address);
}

bool DownloadRun::Link(const std::string& U, long number, LinkOutcome& outcome) {
    RvNetGet& net = host_.Net();
    const bool resume = Resumes(U);
    LinkTry t;
    t.mayResume = resume;
    for (int retry = 0;;) {
        const bool result = Try(U, number, outcome, t);
        if (!t.restart && t.again.empty()) return result;
        net.NetUrlClose();
        if (!t.again.empty()) {
            int delay = 0;
            if (!LinkRetry(outcome, t, retry, delay)) return false;
            if (!WaitBeforeRetry(delay, RetryClock,
                                 [this] { return host_.State() == State_StopRequested; }))
                return Fail(outcome, t.again);
        }
        t = t.Next(resume);
    }
}

namespace {

LinkHead HeadOf(RvNetGet& net) {
    LinkHead head;
    head.code = net.NetUrlHeader(2);
    head.type = net.NetUrlHeader(3);
    head.length = net.UrlContentLength();
    head.requestName = net.NetUrlHeaderRequestName();
    head.disposition = net.NetUrlHeaderByName("Content-disposition");
    head.contentRange = net.NetUrlHeaderByName("Content-Range");
    head.etag = net.NetUrlHeaderByName("ETag");
    head.lastModified = net.NetUrlHeaderByName("Last-Modified");
    head.retryAfter = net.RetryAfter();
    return head;
}

}  // namespace

bool DownloadRun::Try(const std::string& U, long number, LinkOutcome& outcome, LinkTry& t) {
    RvNetGet& net = host_.Net();
    std::string headers;
    if (!LinkBefore(U, number, outcome, t, headers)) return false;
    if (!UrlIsFile(U) && !WaitForHost(U))
        return LinkOpenFailed(U, outcome, t, kInetCancelled,
                              RvNetGet::TranslateErrorCode(kInetCancelled));
    net.Timeout(settings_.nettimeout);
    bool ok = false;
    net.NetUrlOpen(U, headers, ok);
    if (!ok) return LinkOpenFailed(U, outcome, t, net.NetErrorCode(), net.NetError());
    const LinkHead head = HeadOf(net);
    bool result = true;
    if (!LinkAtHead(U, number, head, outcome, t, result)) return result;
    if (!LinkExisting(outcome, t, result)) return result;
    PartFile part(outcome.path, t.partHome);
    t.inHand = net.BodyInHand();
    if (!LinkCreatePart(U, head, part, outcome, t)) return false;
    net.DataFilename(part.Path());
    net.DataFileOpened(part.TakeOpened());
    net.DataAppend(t.rest);
    net.FileBound(LinkBound(t));
    net.NetUrlRead(true, -1, ok);
    net.FileBound(-1);
    return LinkAtEnd(U, outcome, part, t, ok, net.OverBound(), net.NetErrorCode(), net.NetError());
}

// The target named after the address the transfer really fetched, then after the name the
// server gave; false (logged) when a renamed target is not usable.
bool DownloadRun::Renamed(LinkOutcome& outcome, const std::string& address, long number,
                          const LinkHead& head) {
    const auto renameTo = [&](const std::string& renamed) {
        bool found = false;
        outcome.path = Prepare(renamed, number, false, found);
        return CheckTarget(outcome, address, found);
    };
    const std::string& final = head.requestName;
    if (!final.empty() && final != address && !renameTo(final)) return false;
    const std::string name = ContentDispositionName(head.disposition);
    if (!name.empty()) {
        const std::string named = ServerNamedAddress(address, name);
        if (named != address && !renameTo(named)) return false;
    }
    return true;
}

bool DownloadRun::LinkBefore(const std::string& U, long number, LinkOutcome& outcome, LinkTry& t,
                             std::string& headers) {
    const std::string page = host_.PageAddress();
    if (UrlIsFile(U) && RemotePage(page))
        return Fail(outcome, "Error: a local address in a remote page - Url: " + U);
    bool found = false;
    outcome.path = Prepare(U, number, true, found);
    host_.Status(U + " -> " + outcome.path);
    if (!CheckTarget(outcome, U, found)) return false;
    headers = page.empty() ? std::string() : "Referer: " + page + "\r\n";
    // The part an earlier try or run left of this link is continued when the server agrees.
    t.partHome = outcome.path;
    if (t.mayResume) t.ownPart = PartFile::OwnPart(t.partHome, U, t.record, t.freePart);
    t.offset = t.ownPart.empty() ? 0 : FileSize(t.ownPart);
    if (t.offset >= t.record.length) t.offset = 0;
    if (t.offset > 0) headers += RangeHeaders(t.record, t.offset);
    return true;
}

bool DownloadRun::LinkOpenFailed(const std::string& U, LinkOutcome& outcome, LinkTry& t, long code,
                                 const std::string& error) {
    host_.Status("Error downloading, see log.");
    const std::string line = "Error: " + error + " - Url: " + U;
    if (RetryableError(code)) return t.again = line, false;
    return Fail(outcome, line);
}

bool DownloadRun::LinkAtHead(const std::string& U, long number, const LinkHead& head,
                             LinkOutcome& outcome, LinkTry& t, bool& result) {
    const Settings& s = settings_;
    result = false;
    t.retryAfter = head.retryAfter;
    t.rest = t.offset > 0 && head.code == "206";
    if (head.code != "200" && head.code != "0" && !t.rest) {
        const std::string line = "Error: Http Code not OK (200):" + head.code + " - Url: " + U;
        if (RetryableStatus(std::atoi(head.code.c_str()))) return t.again = line, false;
        if (t.offset > 0 && head.code == "416") {
            // The part is longer than the file the server now has.
            DiscardPart(t.ownPart);
            return t.restart = true, false;
        }
        return Fail(outcome, line);
    }
    t.announced = head.length;
    if (t.rest) {
        if (!RestMatches(t.record, t.offset, head.contentRange, head.etag, head.lastModified)) {
            DiscardPart(t.ownPart);
            return t.restart = true, false;
        }
        t.announced = t.record.length;
    }
    if (!Renamed(outcome, U, number, head)) return false;
    result = true;
    const std::string& type = head.type;
    if (IEquals(type, "text/html") && s.netdownloadignoretext)
        return Skip(outcome, "skipping: is text/html - Url: " + U), false;
    if (s.netsizeforce) {
        const std::int64_t size = t.announced;
        if ((size == 0 && !s.netsizenull) || (size >= 1 && size < s.netsizemin) ||
            (s.netsizemax >= 1 && size > s.netsizemax))
            return Skip(outcome, "skipping: wrong size (" + std::to_string(size) + ") - Url: " + U),
                   false;
    }
    if (s.netmimetypeforce) {
        const std::string types = ReplaceAll(ReplaceAll(s.netsizemimetype, "*", ""), " ", "");
        if (!TypeAllowed(type, types))
            return Skip(outcome,
                        "skipping: is not " + s.netsizemimetype + ", is: " + type + " - Url: " + U),
                   false;
    }
    return true;
}

bool DownloadRun::LinkExisting(LinkOutcome& outcome, const LinkTry& t, bool& result) {
    result = true;
    NoQuestion noQuestion;
    frmOverwrite question(dryRun_ ? static_cast<OverwriteView&>(noQuestion)
                                  : host_.OverwriteWindow());
    question.OnChooseFolder = [this] { host_.ChooseDownloadFolder(); };
    question.OnNamingMenu = [this] { host_.ShowNamingMenu(); };
    int rule = runRule_;
    const std::string target = ExistingTarget(outcome.path, rule, t.announced, question);
    if (dryRun_) {
        outcome.verdict = noQuestion.asked ? LinkVerdict::WouldAsk
                          : target.empty() ? LinkVerdict::Skipped
                                           : LinkVerdict::WouldDownload;
        if (OnLinkDone) OnLinkDone(outcome);
        return false;
    }
    runRule_ = rule;
    if (target.empty()) return Skip(outcome, std::string()), false;
    outcome.path = target;
    if (OnLinkTarget) OnLinkTarget(outcome.row, target);
    return true;
}

bool DownloadRun::LinkCreatePart(const std::string& U, const LinkHead& head, PartFile& part,
                                 LinkOutcome& outcome, LinkTry& t) {
    // Another transfer of the same link may have finished the part meanwhile.
    if (t.rest && FileSize(t.ownPart) != t.offset) return t.restart = true, false;
    if (!t.ownPart.empty() && FileSize(t.ownPart) >= 0) {
        part.Adopt(t.ownPart);
    } else if (!part.Create(t.freePart)) {
        const int error = errno;
        host_.Status("Error downloading, see log.");
        return Fail(outcome, FsLine(outcome.path, U, error));
    }
    const ResumeRecord now{U, head.etag, head.lastModified, t.announced};
    t.resumable = t.mayResume && Resumable(now);
    // Written before the first byte, so that a part is never left without its record; a body
    // that came whole with its head cannot end short, and needs none.
    t.keep = t.resumable && !t.inHand && WriteResumeRecord(part.Path(), now);
    if (!t.keep) part.DropRecord();
    part.Keep(t.keep);
    return true;
}

std::int64_t DownloadRun::LinkBound(const LinkTry& t) const {
    // An answer without a true length is held to the size limit by the bytes it sends; a
    // continued part counts whole.
    const Settings& s = settings_;
    if (!s.netsizeforce || s.netsizemax < 1) return -1;
    return std::max<std::int64_t>(0, s.netsizemax - (t.rest ? t.offset : 0));
}

bool DownloadRun::LinkAtEnd(const std::string& U, LinkOutcome& outcome, PartFile& part, LinkTry& t,
                            bool ok, bool overBound, long code, const std::string& error) {
    if (!ok && overBound) {
        part.Keep(false);
        return Skip(outcome, "skipping: wrong size (more than " +
                                 std::to_string(settings_.netsizemax) +
                                 " bytes received) - Url: " + U);
    }
    if (!ok) return LinkOpenFailed(U, outcome, t, code, error);
    outcome.bytes = FileSize(part.Path());
    if (t.resumable && (t.keep || t.inHand) && outcome.bytes != t.announced) {
        // A body that ends before (or beyond) its length is no file to keep or continue.
        part.Keep(false);
        host_.Status("Error downloading, see log.");
        return Fail(outcome, "Error: the server sent " + std::to_string(outcome.bytes) +
                                 " bytes of " + std::to_string(t.announced) + " - Url: " + U);
    }
    if (!part.Commit()) {
        const int fsError = errno;
        host_.Status("Error downloading, see log.");
        return Fail(outcome, FsLine(outcome.path, U, fsError));
    }
    host_.Status("File downloaded.");
    outcome.verdict = LinkVerdict::Downloaded;
    if (OnLinkDone) OnLinkDone(outcome);
    return true;
}

bool DownloadRun::LinkRetry(LinkOutcome& outcome, const LinkTry& t, int& retry, int& delayMs) {
    host_.Status("Error downloading, see log.");
    const int retries = dryRun_ ? 0 : std::clamp(settings_.netRetries, 0, kMaxRetries);
    if (retry >= retries) return Fail(outcome, t.again);
    ++retry;
    delayMs = RetryDelayMs(retry, t.retryAfter);
    LogMessage(RetryLine(retry, retries, delayMs, t.again));
    return true;
}

bool DownloadRun::WaitForHost(const std::string& U) {
    if (!pacer_) return true;
    const std::string key = HostKey(U);
    for (int ms = pacer_->WaitMs(key); ms > 0; ms = pacer_->WaitMs(key)) {
        if (host_.State() == State_StopRequested) return false;
        Ui().WaitForEvents(std::min(ms, kPauseWaitMs));
    }
    pacer_->Started(key);
    return host_.State() != State_StopRequested;
}

}  // namespace ravlet
