#pragma once
// The download run with several transfers at once, still on the one thread: links start as
// places free up (netParallel, netParallelHost, netWait), each meets the checks of the run
// one at a time when its head arrives, and bodies go to their files as they come. The
// overwrite question is asked for one link at a time while the other transfers go on. A try
// that fails in a way another may mend waits for its turn again without holding a place.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ravlet {

class DownloadRun;
class DownloadHost;
class InetSession;

class ParallelRun {
  public:
    // parallel >= 2 transfers at once, perHost at once to one host (0: no cap of its own).
    ParallelRun(DownloadRun& run, int parallel, int perHost);
    ~ParallelRun();
    ParallelRun(const ParallelRun&) = delete;
    ParallelRun& operator=(const ParallelRun&) = delete;

    // The first count rows of the list; the run's error count and stopped flag follow.
    void Run(std::size_t count);

  private:
    struct Slot;
    void StartLinks();
    // The first waiting row that may start now (its host below the cap, its wait over);
    // false when none may.
    bool NextRow(std::size_t& index);
    bool HostFree(const std::string& key) const;
    int Active() const;
    // The longest the run may sleep while only tries wait for their time.
    int IdleMs() const;
    void Start(std::size_t row);
    // One try of the slot's link.
    void Launch(Slot& slot);
    // One pass over the transfers; mayAsk false while a question is open elsewhere: then
    // only bodies are served, and a failed write waits to be asked about.
    void Serve(bool mayAsk);
    void AtHead(Slot& slot, bool mayAsk);
    void AtTarget(Slot& slot, bool mayAsk);
    void Body(Slot& slot, bool mayAsk);
    void End(Slot& slot, bool ok, bool overBound, long code, const std::string& error);
    // A try has ended: the link is done, or waits for another try.
    void TryEnded(Slot& slot, bool result);
    void Finish(Slot& slot, bool result);
    bool TargetBusy(const Slot& slot) const;
    int OnHost(const std::string& key) const;
    void Hold(bool on);
    void StopAll();
    void ShowProgress();

    DownloadRun& run_;
    DownloadHost& host_;
    int parallel_;
    int perHost_;
    std::unique_ptr<InetSession> session_;
    std::vector<std::unique_ptr<Slot>> slots_;
    std::vector<std::string> addresses_, hosts_;
    std::size_t next_ = 0;  // every row before it has started
    std::vector<bool> started_;
    std::size_t finished_ = 0;
    bool asking_ = false;
    bool moved_ = false;  // something happened in the last pass
    std::int64_t lastShown_ = 0;
};

}  // namespace ravlet
