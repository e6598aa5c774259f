#pragma once
// One transfer at a time over the internet library, or the built-in file:// handler.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace ravlet {

class InetSession;
class InetRequest;
class RvPerfTimer;

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
    void NetUrlReadStop() { stopRequest_ = true; }
    static std::string TranslateErrorCode(long code);
    int Timeout() const { return timeout_; }
    void Timeout(int ms);
    bool NetClose();
    const std::string& NetError() const { return error_; }
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
    void DataFilename(const std::string& v) { dataFilename_ = v; }
    int StatusPer() const { return statusPer_; }
    const std::string& Status() const;
    void NetUrlOpen(const std::string& address, const std::string& headers, bool& ok);
    // 0: the system's access; 1: the named proxy; any other: no session.
    void NetInit(const std::string& userAgent, int proxyMode, const std::string& proxy);

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
    double speed_ = 0;
    std::string responseHead_, requestHead_, contentType_;
    std::int64_t contentLength_ = 0;
    int statusCode_ = 0;
    int statusPer_ = 0;
    int timeout_ = 0;
    bool stopRequest_ = false;
};

}  // namespace ravlet
