#pragma once
// One transfer at a time over the internet library, or the built-in file:// handler.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/OpenedFile.h"

namespace ravlet {

class InetSession;
class InetRequest;
class RvPerfTimer;
class RateLimit;

class RvNetGet {
  public:
    RvNetGet();
    ~RvNetGet();
    RvNetGet(const RvNetGet&) = delete;
    RvNetGet& operator=(const RvNetGet&) = delete;

    const std::string& NetUrl() const { return url_; }
    bool NetUrlGetHeader(int infoLevel, std::string& out);
    std::string NetUrlHeader(int kind);
    std::string NetUrlHeaderByName(const std::string& name) const;
    std::string NetUrlHeaderRequestName() const;
    // Ends a running read, and an open still waiting for the server, within a round of the
    // wait (the open fails with the cancelled code 12017).
    void NetUrlReadStop() { stopRequest_ = true; }
    static std::string TranslateErrorCode(long code);
    int Timeout() const { return timeout_; }
    void Timeout(int ms);
    bool NetClose();
    const std::string& NetError() const { return error_; }
    // The platform code of the last failed open or read (0 when it did not fail).
    long NetErrorCode() const { return errorCode_; }
    const std::string& url() const { return url_; }
    void url(const std::string& v) { url_ = v; }
    std::int64_t UrlSize() const { return contentLength_; }
    std::int64_t UrlContentLength() const { return contentLength_; }
    bool NetUrlClose();
    void NetUrlRead(bool toFile, std::int64_t limit, bool& ok);
    const std::string& DataText() const { return dataText_; }
    void DataText(const std::string& v) { dataText_ = v; }
    std::string&& TakeDataText() { return std::move(dataText_); }
    const std::string& DataFilename() const { return dataFilename_; }
    // A new name drops a file handed over for the one before.
    void DataFilename(const std::string& v) {
        dataFilename_ = v;
        opened_.reset();
    }
    // The next read into the data file adds to its end instead of writing it anew (the rest
    // of a resumed download).
    void DataAppend(bool on) { dataAppend_ = on; }
    // The data file (the one named last) as its creator left it, open and empty: the next
    // read into it writes there instead of opening the name again.
    void DataFileOpened(OpenedFile file) { opened_ = std::move(file); }
    int StatusPer() const { return statusPer_; }
    // Bytes of the body the running (or last) read has taken.
    std::int64_t ReadBytes() const { return readBytes_; }
    // The open address's whole body has arrived (mostly with its head) and waits to be read:
    // a read now cannot end short for the network's sake.
    bool BodyInHand() const;
    const std::string& Status() const;
    void NetUrlOpen(const std::string& address, const std::string& headers, bool& ok);
    // 0: the system's access; 1: the named proxy; any other: no session.
    void NetInit(const std::string& userAgent, int proxyMode, const std::string& proxy);
    // Cookies for the sessions NetInit opens from now on: read from a cookies.txt file (empty:
    // none) for every request, and written to saveFile (empty: never) when a session ends.
    void Cookies(const std::string& file, const std::string& saveFile);
    // Opens from now on ask for compressed bodies, decoded as they are read (pages), or take
    // the bytes as served (files). On by default.
    void AcceptCompressed(bool on) { acceptCompressed_ = on; }
    bool AcceptCompressed() const { return acceptCompressed_; }
    // The seconds the last answer asked to wait before asking again; -1 when it named none.
    std::int64_t RetryAfter() const { return retryAfter_; }

    // A page read as text stops with an error beyond this many bytes: a page that never ends
    // must not fill the memory.
    static constexpr std::int64_t kMaxPageBytes = std::int64_t(256) * 1024 * 1024;
    void PageBound(std::int64_t bytes) { pageBound_ = bytes; }
    // A read into the data file stops with an error beyond this many bytes (-1: none), for
    // a size limit that an answer without a true length would pass.
    void FileBound(std::int64_t bytes) { fileBound_ = bytes; }
    // The last read ended at one of these bounds.
    bool OverBound() const { return overBound_; }
    // Remote reads take no more than this limit allows (not owned; nullptr: no limit).
    void RateLimiter(RateLimit* rate) { rate_ = rate; }

    const std::string& ResponseHead() const { return responseHead_; }
    const std::string& RequestHead() const { return requestHead_; }
    int StatusCode() const { return statusCode_; }
    const std::string& ContentType() const { return contentType_; }

    // Events; listeners read Status and StatusPer.
    std::function<void()> StatusChanged;
    std::function<void()> StatusChangedPer;

  private:
    void SetStatus(const std::string& text);
    void SetStatus(const std::string& text, int percent);
    // The progress of a read; the text is only built when someone listens or asks.
    void SetReadStatus(std::int64_t bytes, int percent, bool knownTotal);
    std::string ReadStatusText() const;
    // The progress after bytes of a read whose percentages count against total.
    void Report(std::int64_t bytes, std::int64_t total, float elapsedMs);
    // Calls that arrive from an event served inside a wait (a close, a new open) cannot pull
    // the transfer from under it: a close ends the wait and happens after it.
    bool RefuseWhileWaiting();
    void Waiting(bool on);
    void ReadBody(bool toFile, std::int64_t limit, bool& ok);
    // Waits, serving events, until the rate limit lets bytes through, and lowers most to
    // them; false when a stop request ends the wait.
    bool WaitForRate(std::size_t& most);
    // ... the implementation adds its own members
  public:
    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
    std::string url_, error_, dataText_, dataFilename_;
    mutable std::string status_;
    mutable bool statusStale_ = false;
    std::int64_t readBytes_ = 0;
    bool readKnownTotal_ = false;
    // The speed of the read so far, from its last report that had a time: worked out only
    // when the text is built, not for every chunk.
    std::int64_t speedBytes_ = 0;
    float speedMs_ = 0;
    std::string responseHead_, requestHead_, contentType_;
    std::int64_t contentLength_ = 0;
    std::int64_t retryAfter_ = -1;
    long errorCode_ = 0;
    std::string cookieFile_, cookieSaveFile_;
    bool acceptCompressed_ = true;
    bool dataAppend_ = false;
    OpenedFile opened_;
    int statusCode_ = 0;
    int statusPer_ = 0;
    int timeout_ = 0;
    bool stopRequest_ = false;
    bool waiting_ = false;
    int closeAfterWait_ = 0;  // 1 the address, 2 the session
    std::int64_t pageBound_ = kMaxPageBytes;
    std::int64_t fileBound_ = -1;
    bool overBound_ = false;
    RateLimit* rate_ = nullptr;
};

// The value of the first line of a response head (CR LF lines) named name, or empty.
std::string HeadLineValue(const std::string& responseHead, const std::string& name);
// The address a request head (NUL-separated lines) asked for; scheme ("http://") is that of
// the request.
std::string RequestedAddress(const std::string& requestHead, const std::string& scheme);

}  // namespace ravlet
