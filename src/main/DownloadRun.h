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
    // One try of a link. A failure that another try may mend leaves its log line in again;
    // restart asks for a new try at once, without continuing a part.
    bool Try(const std::string& address, long number, LinkOutcome& outcome, bool mayResume,
             std::string& again, bool& restart);
    // The phases of one link side by side with others (ParallelRun).
    // Before the open: false (logged and told) when the link fails already.
    bool LinkBefore(const std::string& address, long number, LinkOutcome& outcome);
    std::string RequestHeaders() const;
    bool LinkOpenFailed(const std::string& address, LinkOutcome& outcome, const std::string& error);
    // At the head: the status, the renaming, text pages, size and type. True to go on;
    // false with the link's result (a skip or a failure, told) in result.
    bool LinkAtHead(const std::string& address, long number, const LinkHead& head,
                    LinkOutcome& outcome, bool& result);
    // The existing-file rule (the question may be asked): true to read the body into
    // outcome.path; false with the link's result.
    bool LinkExisting(const LinkHead& head, LinkOutcome& outcome, bool& result);
    // The part file the body goes into; false (told) when it cannot be made.
    bool LinkCreatePart(const std::string& address, PartFile& part, LinkOutcome& outcome);
    // After the body: the part file becomes the target, or the failure is told.
    bool LinkAtEnd(const std::string& address, LinkOutcome& outcome, PartFile& part, bool ok,
                   bool overBound, const std::string& error);
    // Waits (serving events) until a request to the address's host may go out; false when
    // the run is asked to stop meanwhile.
    bool WaitForHost(const std::string& address);
    void SequentialLinks(std::size_t count);
    void InvalidUrl(const std::string& address, long number);
    std::string Prepare(const std::string& address, long number, bool cutFragment);
    bool Fail(LinkOutcome& outcome, const std::string& line);
    bool Skip(LinkOutcome& outcome, const std::string& line);
    bool CheckTarget(LinkOutcome& outcome, const std::string& address);
    bool Renamed(LinkOutcome& outcome, const std::string& address, long number);
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
