#pragma once
// The internet library the fetch engine stands on: a session with its options, and open
// addresses whose bodies are pulled as the library hands them over. One transfer waits for
// its server (Open, Read), or several run at once on the one thread (Start, Pump, Take). Errors are
// the platform's numeric codes (12002 time-out, 12007 name not resolved, 12029 cannot connect,
// ...), which RvNetGet translates into texts.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace ravlet {

// The wait was ended by the caller (the wait hook asked to stop).
constexpr long kInetCancelled = 12017;
// Failures that RvNetGet's table of texts does not know: three more of the platform's own
// codes, then codes of this layer beyond the platform's range of use.
constexpr long kInetCertificateNotTrusted = 12045;
constexpr long kInetBadReply = 12152;
constexpr long kInetSecureChannelFailed = 12157;
constexpr long kInetRedirectLoop = 12901;
constexpr long kInetTooManyRedirects = 12902;
constexpr long kInetHeadTooLarge = 12903;
constexpr long kInetNotHttp = 12904;
constexpr long kInetBadContentLength = 12905;

// Redirections followed before an open fails.
constexpr int kInetMaxRedirects = 20;
// The most bytes of response head an open takes (each response of a redirection chain
// counts alone): a server sending an endless head fails instead of filling the memory.
constexpr std::size_t kInetMaxHeadBytes = 256 * 1024;

// Certificates of the authorities trusted for https, a PEM file; empty: the system's store,
// or the file the environment variable CURL_CA_BUNDLE names.
void InetTrustedCertificates(const std::string& caFile);

// The longest rest of a body that closing a transfer reads to keep its connection (see
// InetRequest::DrainRest); RAVLET_DRAIN_BYTES sets another bound for measurements.
std::int64_t InetDrainBound();

// Empties the process's cookie jar, as a browser's "clear cookies" does: what answers set and
// cookie files gave is gone; the next SetCookies reads its file again.
void InetForgetCookies();

class InetRequest;

class InetSession {
  public:
    // proxyMode 0: the system's access (the environment's proxy settings); 1: proxy names
    // the proxy to use.
    InetSession(const std::string& userAgent, int proxyMode, const std::string& proxy);
    ~InetSession();
    InetSession(const InetSession&) = delete;
    InetSession& operator=(const InetSession&) = delete;

    // Applies to connecting and to every wait for data; 0 waits for ever.
    void SetTimeout(int ms) { timeoutMs_ = ms; }
    int TimeoutMs() const { return timeoutMs_; }
    // Opens from now on ask for compressed bodies and decode them (true), or take the bytes
    // as served (false).
    void SetCompressed(bool on) { compressed_ = on; }
    // The session's cookies: file (cookies.txt) is read into the session's jar before its
    // first request and every request sends what the jar holds; saveFile, when not empty,
    // receives the jar when the session ends. Empty file and saveFile: no cookies.
    void SetCookies(const std::string& file, const std::string& saveFile);

    // Runs again and again while an open or a read waits for the server (a few times a
    // second at least): it serves the user's events, and true ends the wait, which then
    // fails with kInetCancelled.
    void SetWaitHook(std::function<bool()> hook) { waitHook_ = std::move(hook); }

    // Opens address with the extra request headers (CR LF separated lines) and follows
    // redirections; returns nullptr with the platform code in error on failure.
    std::unique_ptr<InetRequest> Open(const std::string& address, const std::string& headers,
                                      long& error);

    // Starts a transfer without waiting for it: Pump moves it on, HeadArrived tells when its
    // head is in. nullptr with the platform code in error when it cannot start.
    std::unique_ptr<InetRequest> Start(const std::string& address, const std::string& headers,
                                       long& error);
    // One round for every started transfer: what the servers sent is taken in, and when
    // nothing came the wait for more lasts at most waitMs.
    void Pump(int waitMs);

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
    int timeoutMs_ = 0;
    bool compressed_ = false;
    std::function<bool()> waitHook_;
};

class InetRequest {
  public:
    ~InetRequest();
    InetRequest(const InetRequest&) = delete;
    InetRequest& operator=(const InetRequest&) = delete;

    // The head of the final response, CR LF line ends, ending with the empty line.
    const std::string& ResponseHead() const { return responseHead_; }
    // The head of the final request, its lines separated by NUL characters.
    const std::string& RequestHead() const { return requestHead_; }
    int StatusCode() const { return statusCode_; }
    // -1 when the response names no length.
    std::int64_t ContentLength() const { return contentLength_; }
    const std::string& ContentType() const { return contentType_; }
    // The address after every redirection.
    const std::string& EffectiveUrl() const { return effectiveUrl_; }
    // The seconds a Retry-After header asked for (a date counted from now); -1 without one.
    std::int64_t RetryAfter() const { return retryAfter_; }

    // Waits for body bytes and gives up to most of those held (valid until the next call);
    // got = 0 at the end of the body. False with the platform code in error when the
    // transfer failed.
    bool Read(std::size_t most, const char*& data, std::size_t& got, long& error);

    // Of a started transfer: true once its head is in (the head fields are then set).
    bool HeadArrived();
    // The transfer failed before its head came (the platform code in error): the open failed.
    bool Failed(long& error) const;
    // Without waiting: up to most of the body bytes held (valid until the next call); ended
    // at the end of the body; false with the code in error when the transfer failed.
    bool Take(std::size_t most, const char*& data, std::size_t& size, bool& ended, long& error);
    // Holds the transfer (no bytes are received) or lets it go on.
    void Hold(bool on);
    // Body bytes received so far.
    std::int64_t Received() const;
    // The transfer has ended (whole or failed); held bytes may remain to be taken.
    bool Ended() const;
    // The transfer has ended whole: every byte of the body is held or taken.
    bool EndedWhole() const;
    // Reads and drops the rest of the body when its length is known and at most bound bytes,
    // so that its connection serves the next request instead of being dropped and opened
    // again. True when the transfer ended whole; false, having read nothing more, when the
    // rest is longer or of unknown length (or the wait hook ended the wait).
    bool DrainRest(std::int64_t bound);

    struct Impl;
    explicit InetRequest(std::unique_ptr<Impl> impl);

  private:
    friend class InetSession;
    std::unique_ptr<Impl> impl_;
    std::string responseHead_, requestHead_, contentType_, effectiveUrl_;
    std::int64_t contentLength_ = -1;
    std::int64_t retryAfter_ = -1;
    int statusCode_ = 0;
};

}  // namespace ravlet
