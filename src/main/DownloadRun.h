#pragma once
// The download run: every entry of the link list, in order, into the download folder, with
// the limits of the settings, the naming rules and the existing-file rule; pause, continue
// and stop between links; the error count and the automatic close at the end.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "main/frmOverwrite.h"

namespace ravlet {

struct Settings;
class DownloadHost;
class HostPacer;
class ParallelRun;
class PartFile;
class RateLimit;
struct LinkTry;

// How one link of a run ended.
enum class LinkVerdict { Downloaded, Skipped, Failed, WouldDownload, WouldAsk };

struct LinkOutcome {
    long row = 0;         // from 1
    std::string address;  // resolved
    std::string path;     // the target (empty when the address was not usable)
    LinkVerdict verdict = LinkVerdict::Failed;
    std::string reason;      // the log line of a skip or failure; empty otherwise
    std::int64_t bytes = 0;  // written, for a download
};

// What the checks of a link read of a response head.
struct LinkHead {
    std::string code;         // the status code in decimal
    std::string type;         // the content type up to its ";"
    std::int64_t length = 0;  // 0 when not given
    std::string requestName;  // the address the final request asked for
    std::string disposition;  // the Content-Disposition value
    std::string contentRange, etag, lastModified;
    std::int64_t retryAfter = -1;  // seconds; -1 without a Retry-After
};

class DownloadRun {
  public:
    DownloadRun(DownloadHost& host, Settings& settings);
    ~DownloadRun();
    DownloadRun(const DownloadRun&) = delete;
    DownloadRun& operator=(const DownloadRun&) = delete;

    // The three download buttons: 0 start / continue, 1 pause, 2 stop. With an empty list
    // they only say so.
    void DownloadButton(int index);
    // 0 starts a run when State is 0 or 2, else continues a paused run; 1 asks for a pause;
    // 2 asks whether to stop, then aborts the running transfer and asks the run to stop.
    void DownloadControl(int action);
    // Stops without the question (the command line's interrupt).
    void Stop();
    void doSuck();
    // True when the link was downloaded or skipped by a rule or the user, false when it
    // failed. number is the link's place in the run (from 1), for numbered names.
    bool DownloadLink(const std::string& address, long number = 0);

    bool Running() const { return running_; }
    int Errors() const { return errors_; }
    bool Stopped() const { return stopped_; }
    int RunRule() const { return runRule_; }

    // A dry run opens each link for its head only and writes nothing: no folder, no file.
    void DryRun(bool on) { dryRun_ = on; }
    // Hears how every link ended (also in a dry run).
    std::function<void(const LinkOutcome&)> OnLinkDone;
    // The clock (milliseconds) the wait before a retry is measured by.
    std::function<std::int64_t()> RetryClock;
    // Hears how far a link's body has come: row from 1 as in LinkOutcome, the bytes received
    // and the announced length (-1 when unknown); now and then, not for every byte.
    std::function<void(long row, std::int64_t bytes, std::int64_t total)> OnLinkProgress;
    // Hears the file a link goes into once the run decided it, before its body: row from 1
    // as in LinkOutcome.
    std::function<void(long row, const std::string& path)> OnLinkTarget;

  private:
    friend class ParallelRun;
    bool Link(const std::string& address, long number, LinkOutcome& outcome);
    bool Try(const std::string& address, long number, LinkOutcome& outcome, LinkTry& t);
    // The phases of one try, shared by the run one link at a time and the run side by side
    // (ParallelRun). Each returns false when the try ends there, with the link's result (a
    // skip or a failure, told) in result, or with t.again or t.restart set for another try.
    // Before the request: the target, and the request headers (a Range for the rest of a part
    // this link left).
    bool LinkBefore(const std::string& address, long number, LinkOutcome& outcome, LinkTry& t,
                    std::string& headers);
    // No answer: code is the platform's, error its text.
    bool LinkOpenFailed(const std::string& address, LinkOutcome& outcome, LinkTry& t, long code,
                        const std::string& error);
    // At the head: the status, a continued part, the renaming, text pages, size and type.
    bool LinkAtHead(const std::string& address, long number, const LinkHead& head,
                    LinkOutcome& outcome, LinkTry& t, bool& result);
    // The existing-file rule (the question may be asked): true to read the body into
    // outcome.path.
    bool LinkExisting(LinkOutcome& outcome, const LinkTry& t, bool& result);
    // The part file the body goes into (an earlier one continued) with its record; false
    // (told, or t.restart) when it cannot be had.
    bool LinkCreatePart(const std::string& address, const LinkHead& head, PartFile& part,
                        LinkOutcome& outcome, LinkTry& t);
    // The most bytes the body may bring under the size limit; -1 for no bound.
    std::int64_t LinkBound(const LinkTry& t) const;
    // After the body: the part file becomes the target, or the failure is told (or left for
    // another try).
    bool LinkAtEnd(const std::string& address, LinkOutcome& outcome, PartFile& part, LinkTry& t,
                   bool ok, bool overBound, long code, const std::string& error);
    // After a try that another may mend: false (the failure told) when the tries are spent;
    // else the retry's log line is written, retry counts it and delayMs is the wait before it.
    bool LinkRetry(LinkOutcome& outcome, const LinkTry& t, int& retry, int& delayMs);
    // Whether the link's part is kept for another try or run (never a local file's).
    bool Resumes(const std::string& address) const;
    // Waits (serving events) until a request to the address's host may go out; false when
    // the run is asked to stop meanwhile.
    bool WaitForHost(const std::string& address);
    void SequentialLinks(std::size_t count);
    void InvalidUrl(const std::string& address, long number);
    std::string Prepare(const std::string& address, long number, bool cutFragment,
                        bool& folderFound);
    bool Fail(LinkOutcome& outcome, const std::string& line);
    bool Skip(LinkOutcome& outcome, const std::string& line);
    bool CheckTarget(LinkOutcome& outcome, const std::string& address, bool folderFound);
    bool Renamed(LinkOutcome& outcome, const std::string& address, long number,
                 const LinkHead& head);
    void WaitWhilePaused();

    DownloadHost& host_;
    Settings& settings_;
    int runRule_ = 0;
    int errors_ = 0;
    bool stopped_ = false;
    bool running_ = false;
    bool dryRun_ = false;
    long progressRow_ = 0;
    std::unique_ptr<RateLimit> rate_;
    std::unique_ptr<HostPacer> pacer_;
};

}  // namespace ravlet
