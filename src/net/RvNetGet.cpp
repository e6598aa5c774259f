#include "net/RvNetGet.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "net/RateLimit.h"
#include "net/RvNetGetImpl.h"
#include "net/RvPerfTimer.h"
#include "net/WriteAsking.h"
#include "net/ravlet_url.h"
#include "platform/DoEvents.h"
#include "platform/UserInterface.h"

namespace ravlet {

namespace {

constexpr std::size_t kChunk = 256;
// The most one round of a remote read takes of what the library holds.
constexpr std::size_t kMaxTake = 1024 * 1024;
// The info levels of the header queries.
constexpr int kQueryContentType = 1;
constexpr int kQueryContentLength = 5;
constexpr int kQueryStatusCode = 19;
constexpr int kQueryRawHeadersCrLf = 22;
constexpr int kQueryRequestHeaders = static_cast<int>(0x80000015u);

// Called while a transfer waits: the request is in the correct state for nothing else.
constexpr long kNotInThisState = 12019;

// "256 MB" for whole megabytes, else the bytes.
std::string BytesText(std::int64_t bytes) {
    constexpr std::int64_t kMb = 1024 * 1024;
    if (bytes > 0 && bytes % kMb == 0) return std::to_string(bytes / kMb) + " MB";
    return std::to_string(bytes) + " bytes";
}

// VB-style rounding to one decimal: "12" for a whole number, else "12.5".
std::string SpeedText(double speed) {
    // The speed is kept in whole tenths: those print without the formatter.
    if (speed >= 0 && speed < 1e15) {
        const long long tenths = std::llround(speed * 10);
        std::string text = std::to_string(tenths / 10);
        if (tenths % 10 != 0) {
            text += '.';
            text += static_cast<char>('0' + tenths % 10);
        }
        return text;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", speed);
    std::string text = buffer;
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0)
        text.resize(text.size() - 2);
    return text;
}

// The data file of a read: chunks are gathered and written in blocks, and the file is
// closed when the read ends, however it ends.
struct DataFile {
    static constexpr std::size_t kBlock = 64 * 1024;
    std::FILE* file = nullptr;
    std::string pending;
    ~DataFile() {
        if (file) std::fclose(file);
    }
    // last: the delivery completes the body (its length was announced).
    bool Write(const char* data, std::size_t size, bool last, std::string& error) {
        // A large delivery, or a whole small body, goes to the file as it is, without a copy.
        if (pending.empty() && (size >= kBlock || last))
            return WriteAsking(file, data, size, error);
        pending.append(data, size);
        return pending.size() < kBlock || Flush(error);
    }
    bool Flush(std::string& error) {
        const bool ok = pending.empty() || WriteAsking(file, pending.data(), pending.size(), error);
        pending.clear();
        return ok;
    }
    bool Close(std::string& error) {
        bool ok = Flush(error);
        if (std::fclose(file) != 0 && ok) {
            error = std::string("While saving the file, an error occured: ") + std::strerror(errno);
            ok = false;
        }
        file = nullptr;
        return ok;
    }
};

}  // namespace

RvNetGet::RvNetGet() : impl_(std::make_unique<Impl>()) {}
RvNetGet::~RvNetGet() = default;

void RvNetGet::SetStatus(const std::string& text) {
    statusStale_ = false;
    status_ = text;
    if (StatusChanged) StatusChanged();
}

void RvNetGet::SetStatus(const std::string& text, int percent) {
    SetStatus(text);
    statusPer_ = percent;
    if (StatusChangedPer) StatusChangedPer();
}

std::string RvNetGet::ReadStatusText() const {
    std::string text;
    text.reserve(64);
    text += "reading url: ";
    text += std::to_string(readBytes_);
    text += " bytes read (";
    text += readKnownTotal_ ? std::to_string(statusPer_) : "??";
    text += "%) ";
    const double speed =
        speedMs_ > 0 ? std::round(speedBytes_ / speedMs_ * 0.9765625 * 10) / 10 : 0;
    text += SpeedText(speed);
    text += 'k';
    return text;
}

void RvNetGet::SetReadStatus(std::int64_t bytes, int percent, bool knownTotal) {
    readBytes_ = bytes;
    readKnownTotal_ = knownTotal;
    statusPer_ = percent;
    // The text is built when someone asks for it: a read reports every chunk, and listeners
    // that show it look far less often.
    statusStale_ = true;
    if (StatusChanged) StatusChanged();
    if (StatusChangedPer) StatusChangedPer();
}

const std::string& RvNetGet::Status() const {
    if (statusStale_) {
        status_ = ReadStatusText();
        statusStale_ = false;
    }
    return status_;
}

bool RvNetGet::BodyInHand() const {
    return impl_->request && !impl_->local && impl_->request->EndedWhole();
}

void RvNetGet::Timeout(int ms) {
    timeout_ = ms;
    if (impl_->session) impl_->session->SetTimeout(ms);
}

bool RvNetGet::RefuseWhileWaiting() {
    if (!waiting_) return false;
    error_ = TranslateErrorCode(kNotInThisState);
    return true;
}

void RvNetGet::Waiting(bool on) {
    waiting_ = on;
    if (on) return;
    const int close = std::exchange(closeAfterWait_, 0);
    if (close == 2) NetClose();
    if (close == 1) NetUrlClose();
}

bool RvNetGet::NetClose() {
    if (waiting_) {
        stopRequest_ = true;
        closeAfterWait_ = 2;
        return !impl_->sessionClosed;
    }
    if (impl_->sessionClosed) {
        error_ = TranslateErrorCode(6);
        return false;
    }
    impl_->request.reset();
    impl_->session.reset();
    impl_->sessionClosed = true;
    error_.clear();
    dataText_.clear();
    SetStatus("Ready");
    return true;
}

void RvNetGet::NetInit(const std::string& userAgent, int proxyMode, const std::string& proxy) {
    if (RefuseWhileWaiting()) return;
    NetClose();
    if (proxyMode == 0 || proxyMode == 1) {
        impl_->session = std::make_unique<InetSession>(userAgent, proxyMode, proxy);
        impl_->session->SetTimeout(timeout_);
        impl_->session->SetCookies(cookieFile_, cookieSaveFile_);
        // The user's events are served while the server is awaited, and Stop ends the wait.
        impl_->session->SetWaitHook([this] {
            DoEventsWaiting();
            return stopRequest_;
        });
        impl_->sessionClosed = false;
    }
    SetStatus("ready");
}

void RvNetGet::Cookies(const std::string& file, const std::string& saveFile) {
    cookieFile_ = file;
    cookieSaveFile_ = saveFile;
}

void RvNetGet::NetUrlOpen(const std::string& address, const std::string& headers, bool& ok) {
    ok = false;
    if (RefuseWhileWaiting()) return;
    url_ = address;
    retryAfter_ = -1;
    errorCode_ = 0;
    stopRequest_ = false;
    impl_->localRead = 0;
    impl_->CloseLocal();
    impl_->local = UrlIsFile(address);
    if (impl_->local) {
        impl_->request.reset();
        OpenLocalAddress(*impl_, address, statusCode_, contentLength_, contentType_, responseHead_,
                         requestHead_);
        ok = true;
        return;
    }
    ok = false;
    impl_->request.reset();
    if (!impl_->session) {
        error_ = TranslateErrorCode(6);
        return;
    }
    long error = 0;
    impl_->session->SetCompressed(acceptCompressed_);
    Waiting(true);
    impl_->request = impl_->session->Open(address, headers, error);
    Waiting(false);
    if (!impl_->request) {
        // A close during the wait may have dropped an answer that had just come.
        errorCode_ = error >= 1 ? error : kInetCancelled;
        error_ = TranslateErrorCode(errorCode_);
        return;
    }
    const InetRequest& r = *impl_->request;
    responseHead_ = r.ResponseHead();
    requestHead_ = r.RequestHead();
    statusCode_ = r.StatusCode();
    contentLength_ = r.ContentLength() < 0 ? 0 : r.ContentLength();
    contentType_ = r.ContentType();
    retryAfter_ = r.RetryAfter();
    impl_->finalScheme = IStartsWith(r.EffectiveUrl(), "https://") ? "https://" : "http://";
    ok = true;
}

bool RvNetGet::NetUrlGetHeader(int infoLevel, std::string& out) {
    if (!impl_->request && !impl_->local) return false;
    switch (infoLevel) {
        case kQueryRawHeadersCrLf:
            out = responseHead_;
            return true;
        case kQueryRequestHeaders:
            out = requestHead_;
            return true;
        case kQueryStatusCode:
            out = std::to_string(statusCode_);
            return true;
        case kQueryContentType:
            if (contentType_.empty()) return false;
            out = contentType_;
            return true;
        case kQueryContentLength:
            if (NetUrlHeaderByName("Content-Length").empty()) return false;
            out = std::to_string(contentLength_);
            return true;
        default:
            return false;
    }
}

bool RvNetGet::NetUrlClose() {
    const bool open = impl_->request || impl_->localRead != 0;
    if (waiting_) {
        stopRequest_ = true;
        closeAfterWait_ = std::max(closeAfterWait_, 1);
        return open;
    }
    // A short rest is read so the connection stays open for the next address; a stop
    // request, or a close asked for by an event served meanwhile, ends that wait.
    if (impl_->request && !stopRequest_) {
        Waiting(true);
        impl_->request->DrainRest(InetDrainBound());
        waiting_ = false;
    }
    const int closeSession = std::exchange(closeAfterWait_, 0);
    impl_->request.reset();
    impl_->CloseLocal();
    impl_->localRead = 0;
    if (closeSession == 2) NetClose();
    return open;
}

void RvNetGet::NetUrlRead(bool toFile, std::int64_t limit, bool& ok) {
    ok = false;
    if (RefuseWhileWaiting()) return;
    Waiting(true);
    ReadBody(toFile, limit, ok);
    Waiting(false);
}

void RvNetGet::Report(std::int64_t bytes, std::int64_t total, float elapsedMs) {
    int percent = 0;
    if (total >= 1) percent = static_cast<int>(std::nearbyint(100.0 / total * bytes));
    if (elapsedMs > 0) {
        speedBytes_ = bytes;
        speedMs_ = elapsedMs;
    }
    SetReadStatus(bytes, percent, total >= 1);
}

bool RvNetGet::WaitForRate(std::size_t& most) {
    for (;;) {
        const std::int64_t allowed = rate_->Allowance();
        if (allowed > 0) {
            most = std::min(most, static_cast<std::size_t>(allowed));
            return true;
        }
        if (stopRequest_) return false;
        Ui().WaitForEvents(rate_->WaitMs());
    }
}

void RvNetGet::ReadBody(bool toFile, std::int64_t limit, bool& ok) {
    ok = false;
    overBound_ = false;
    errorCode_ = 0;
    DataFile out;
    if (toFile) {
        // Truncated first: new content is never followed by bytes of an older, longer file.
        out.file =
            OpenBodyFile(std::move(opened_), dataFilename_, std::exchange(dataAppend_, false))
                .release();
        if (!out.file) {
            error_ = "Can't create File " + dataFilename_ + ".";
            return;
        }
        // The blocks are gathered already: the stream's own buffer would only cut them up.
        std::setvbuf(out.file, nullptr, _IONBF, 0);
    }
    stopRequest_ = false;
    dataText_.clear();
    // A compressed page names the length of what travels, not of what it decodes to.
    const bool decoded = !toFile && !NetUrlHeaderByName("Content-Encoding").empty();
    const std::int64_t total = limit >= 0 ? limit : decoded ? 0 : contentLength_;
    speedMs_ = 0;
    RvPerfTimer timer;
    timer.Init();
    timer.Start();
    std::int64_t bytes = 0;
    char buffer[kChunk];
    Impl& impl = *impl_;
    bool first = true;
    for (;;) {
        const char* data = buffer;
        std::size_t got = 0;
        bool chunkOk = false;
        long error = 0;
        if (impl.local) {
            if (first) {
                if (impl.localKind == 2) {
                    impl.localRead = -1;
                    impl.folderPos = 0;
                } else if (impl.localKind == 1) {
                    impl.localFile = std::fopen(impl.localPath.c_str(), "rb");
                    impl.localRead = impl.localFile ? 1 : 0;
                }
            }
            if (impl.localRead == -1) {
                got = impl.folderPage.copy(buffer, kChunk, impl.folderPos);
                impl.folderPos += got;
                chunkOk = true;
            } else if (impl.localRead == 1) {
                got = std::fread(buffer, 1, kChunk, impl.localFile);
                chunkOk = !std::ferror(impl.localFile);
                if (!chunkOk) error = 12004;
            }
        } else if (impl.request) {
            // All the library holds is taken at once; a read with a limit still ends at the
            // first 256-byte step beyond it, and a rate limit lets through what it allows.
            std::size_t most = kMaxTake;
            if (limit >= 0) most = static_cast<std::size_t>((limit - bytes) / kChunk + 1) * kChunk;
            if (rate_ && !WaitForRate(most)) {
                error_ = TranslateErrorCode(12017);
                ok = false;
                break;
            }
            chunkOk = impl.request->Read(most, data, got, error);
            if (rate_) rate_->Spend(static_cast<std::int64_t>(got));
        }
        first = false;
        if (!chunkOk) {
            if (error >= 1) error_ = TranslateErrorCode(error);
            errorCode_ = error;
            ok = false;
            break;
        }
        const std::int64_t bound = toFile ? fileBound_ : pageBound_;
        if (bound >= 0 && bytes + static_cast<std::int64_t>(got) > bound) {
            overBound_ = true;
            error_ = std::string(toFile ? "The file" : "The page") + " is larger than " +
                     BytesText(bound) + "; reading stopped.";
            ok = false;
            break;
        }
        const float elapsed = timer.Elapsed();
        if (got == 0) {
            Report(bytes, total, elapsed);
            ok = true;
            break;
        }
        // Listeners hear of every 256 bytes, as they always have, and a stop asked for by one
        // of them keeps exactly the bytes reported; without listeners one report does.
        std::size_t used = got;
        if (StatusChanged || StatusChangedPer) {
            for (std::size_t done = 0; done < got;) {
                const std::size_t n = std::min(kChunk, got - done);
                done += n;
                Report(bytes + static_cast<std::int64_t>(done), total, elapsed);
                if (stopRequest_) {
                    used = done;
                    break;
                }
            }
        } else {
            Report(bytes + static_cast<std::int64_t>(got), total, elapsed);
        }
        bytes += static_cast<std::int64_t>(used);
        if (out.file) {
            const bool last = contentLength_ > 0 && bytes == contentLength_;
            if (!out.Write(data, used, last, error_)) {
                ok = false;
                out.pending.clear();
                break;
            }
        } else {
            dataText_.append(data, used);
        }
        DoEvents();
        if (limit >= 0 && bytes > limit) {
            ok = true;
            break;
        }
        if (stopRequest_) {
            // The error text says why, not what an earlier call left in it.
            error_ = TranslateErrorCode(12017);
            ok = false;
            break;
        }
    }
    timer.Finish();
    impl.CloseLocal();
    // The last gathered bytes reach the disk only now: a failure here is a failed read.
    if (out.file && !out.Close(error_)) ok = false;
}

}  // namespace ravlet
