#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <mutex>
#include <string_view>
#include <vector>

#include "platform/Inet.h"
#include "platform/LargeBuffer.h"

namespace ravlet {

namespace {

// Body bytes held ahead of the reader; the transfer pauses beyond this.
constexpr std::size_t kBufferCap = 256 * 1024;
// Reading a rest this short costs less than a new connection (bench/close_bench.sh).
constexpr std::int64_t kDrainBytes = 64 * 1024;
// The longest a wait goes without running the wait hook.
constexpr int kPollSliceMs = 20;
// What libcurl hands over at most in one delivery.
constexpr long kCurlBuffer = 128 * 1024;
// Room for a usual response head at its first line.
constexpr std::size_t kHeadReserve = 1024;

using Clock = std::chrono::steady_clock;

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string& TrustedCertificates() {
    static std::string caFile;
    return caFile;
}

struct EasyCleanup {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
using EasyHandle = std::unique_ptr<CURL, EasyCleanup>;

struct ShareCleanup {
    void operator()(CURLSH* share) const { curl_share_cleanup(share); }
};

// The cookie jar of the process, shared by every transfer of every session as a browser
// shares one: what an answer sets goes with the later requests to its site, and a cookie
// file adds to it. Null when libcurl cannot make one.
CURLSH* CookieJar() {
    static const std::unique_ptr<CURLSH, ShareCleanup> jar([] {
        GlobalInit();
        CURLSH* share = curl_share_init();
        if (share) curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
        return share;
    }());
    return jar.get();
}

// A handle of its own on the process's jar, to read a cookie file into it, write it out or
// empty it; null when there is no jar.
EasyHandle JarHandle() {
    CURLSH* jar = CookieJar();
    if (!jar) return nullptr;
    EasyHandle easy(curl_easy_init());
    if (easy) curl_easy_setopt(easy.get(), CURLOPT_SHARE, jar);
    return easy;
}

// The file of trusted authorities a transfer starting now uses; empty: libcurl's own.
std::string CaFile() {
    if (!TrustedCertificates().empty()) return TrustedCertificates();
    const char* caBundle = std::getenv("CURL_CA_BUNDLE");
    return caBundle ? caBundle : "";
}

bool Mentions(const char* text, const char* what) {
    return std::strstr(text, what) != nullptr;
}

// A Content-Length line must hold a length a file can have: libcurl takes a value beyond
// its range as no length at all.
bool ContentLengthValid(const char* line, std::size_t size) {
    static constexpr char kName[] = "content-length:";
    constexpr std::size_t kNameSize = sizeof kName - 1;
    if (size < kNameSize) return true;
    for (std::size_t i = 0; i < kNameSize; ++i)
        if (std::tolower(static_cast<unsigned char>(line[i])) != kName[i]) return true;
    std::size_t begin = kNameSize, end = size;
    while (begin < end && (line[begin] == ' ' || line[begin] == '\t')) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(line[end - 1]))) --end;
    // 18 digits stay below the largest length there is.
    if (begin == end || end - begin > 18) return false;
    for (std::size_t i = begin; i < end; ++i)
        if (!std::isdigit(static_cast<unsigned char>(line[i]))) return false;
    return true;
}

}  // namespace

std::int64_t InetDrainBound() {
    static const std::int64_t bound = [] {
        const char* given = std::getenv("RAVLET_DRAIN_BYTES");
        if (!given || !*given) return kDrainBytes;
        char* end = nullptr;
        const long long n = std::strtoll(given, &end, 10);
        return *end == '\0' && n >= 0 && n <= static_cast<long long>(kBufferCap / 2)
                   ? static_cast<std::int64_t>(n)
                   : kDrainBytes;
    }();
    return bound;
}

void InetForgetCookies() {
    if (const EasyHandle easy = JarHandle())
        curl_easy_setopt(easy.get(), CURLOPT_COOKIELIST, "ALL");
}

void InetTrustedCertificates(const std::string& caFile) {
    TrustedCertificates() = caFile;
}

struct InetSession::Impl {
    CURLM* multi = nullptr;
    std::string userAgent, proxy;
    int proxyMode = 0;
    std::string cookieSaveFile;
    // The transfers attached to the multi handle, for their completions and time-outs.
    std::vector<InetRequest::Impl*> attached;
    // Handles of transfers that ended whole, for the next ones: a handle made and dropped for
    // every file costs more than the request of a small one.
    struct Spare {
        EasyHandle easy;
        std::string caFile;  // what it was given; libcurl's own cannot be given back
    };
    std::vector<Spare> spare;
    static constexpr std::size_t kMaxSpare = 16;
    Impl() : multi(curl_multi_init()) { KeepTransferHeap(); }
    ~Impl() {
        spare.clear();
        SaveCookies();
        if (multi) curl_multi_cleanup(multi);
    }
    // A handle for a transfer that trusts caFile; fresh tells a new one from a spare.
    EasyHandle Handle(const std::string& caFile, bool& fresh) {
        fresh = false;
        for (auto it = spare.rbegin(); it != spare.rend(); ++it) {
            if (caFile.empty() && !it->caFile.empty()) continue;
            EasyHandle easy = std::move(it->easy);
            spare.erase(std::next(it).base());
            return easy;
        }
        fresh = true;
        return EasyHandle(curl_easy_init());
    }
    void Recycle(EasyHandle easy, std::string caFile) {
        if (spare.size() < kMaxSpare) spare.push_back({std::move(easy), std::move(caFile)});
    }
    // The jar of the process is given the cookie file at once: every transfer from now on
    // sends its cookies, whichever session it belongs to.
    static void LoadCookies(const std::string& file) {
        if (file.empty()) return;
        const EasyHandle easy = JarHandle();
        if (!easy) return;
        curl_easy_setopt(easy.get(), CURLOPT_COOKIEFILE, file.c_str());
        curl_easy_setopt(easy.get(), CURLOPT_COOKIELIST, "RELOAD");
    }
    // The jar is written by a handle that uses it: a last one made for that alone.
    void SaveCookies() {
        if (cookieSaveFile.empty()) return;
        if (const EasyHandle easy = JarHandle())
            curl_easy_setopt(easy.get(), CURLOPT_COOKIEJAR, cookieSaveFile.c_str());
    }
    // One round for every transfer: what the servers sent is taken in, finished transfers
    // are marked, stalled ones end with a time-out.
    void Perform();
};

struct InetRequest::Impl {
    InetSession::Impl* session = nullptr;
    CURLM* multi = nullptr;
    CURL* easy = nullptr;
    std::string caFile;
    bool attached = false;
    curl_slist* headers = nullptr;
    std::string buffer;
    std::size_t offset = 0;
    bool paused = false;
    bool held = false;  // paused by the caller (a paused run), not by a full buffer
    bool headTaken = false;
    bool bodyStarted = false;
    std::int64_t received = 0;  // body bytes taken from libcurl
    bool done = false;
    CURLcode result = CURLE_OK;
    std::string head, requestHead;
    int timeoutMs = 0;
    Clock::time_point lastProgress = Clock::now();
    std::function<bool()> waitHook;
    // Why the head callbacks ended the transfer, which libcurl reports as a write error.
    bool redirectLoop = false;
    bool headTooLarge = false;
    bool badContentLength = false;
    std::vector<std::string> visited;  // the addresses of the redirection chain
    char errorText[CURL_ERROR_SIZE] = {};

    ~Impl() {
        Detach();
        EasyHandle handle(easy);
        if (handle && done && result == CURLE_OK) {
            // Nothing of this transfer may reach the next one's callbacks.
            curl_easy_setopt(easy, CURLOPT_HTTPHEADER, nullptr);
            curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, nullptr);
            curl_easy_setopt(easy, CURLOPT_VERBOSE, 0L);
            curl_easy_setopt(easy, CURLOPT_DEBUGFUNCTION, nullptr);
            session->Recycle(std::move(handle), std::move(caFile));
        }
        handle.reset();
        if (headers) curl_slist_free_all(headers);
    }

    void Attach() {
        attached = true;
        session->attached.push_back(this);
    }

    void Detach() {
        if (!attached) return;
        curl_multi_remove_handle(multi, easy);
        attached = false;
        auto& list = session->attached;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }

    // Receiving goes on once the held bytes are taken and the caller does not hold it.
    void Continue() {
        if (!paused || held || done) return;
        paused = false;
        lastProgress = Clock::now();
        curl_easy_pause(easy, CURLPAUSE_CONT);
    }

    // Drops the bytes the reader has taken.
    void DropTaken() {
        if (offset == buffer.size()) {
            buffer.clear();
            offset = 0;
        }
    }

    std::size_t Pending() const { return buffer.size() - offset; }

    // The platform code of a failed transfer; libcurl's codes are coarse, so its own words
    // tell the kinds of a bad reply apart.
    long ErrorCode() const {
        switch (result) {
            case CURLE_OK:
                return 0;
            case CURLE_OPERATION_TIMEDOUT:
                return 12002;
            case CURLE_COULDNT_RESOLVE_HOST:
            case CURLE_COULDNT_RESOLVE_PROXY:
                return 12007;
            case CURLE_COULDNT_CONNECT:
                return 12029;
            case CURLE_RECV_ERROR:
            case CURLE_SEND_ERROR:
                return 12031;
            case CURLE_GOT_NOTHING:
            case CURLE_PARTIAL_FILE:
                return 12030;
            case CURLE_URL_MALFORMAT:
                return 12005;
            case CURLE_UNSUPPORTED_PROTOCOL:
                // An http address whose server answered without a status line.
                return Mentions(errorText, "HTTP/0.9") ? kInetNotHttp : 12006;
            case CURLE_ABORTED_BY_CALLBACK:
                return kInetCancelled;
            case CURLE_OUT_OF_MEMORY:
                // A header line beyond libcurl's own limit is reported as lack of memory,
                // mostly without a word: after the request went out and before the body.
                return !requestHead.empty() && !bodyStarted ? kInetHeadTooLarge : 12001;
            case CURLE_WRITE_ERROR:
                if (redirectLoop) return kInetRedirectLoop;
                if (headTooLarge) return kInetHeadTooLarge;
                if (badContentLength) return kInetBadContentLength;
                return 12004;
            case CURLE_TOO_MANY_REDIRECTS:
                return kInetTooManyRedirects;
            case CURLE_LOGIN_DENIED:
                return 12015;
            case CURLE_PEER_FAILED_VERIFICATION:
                return kInetCertificateNotTrusted;
            case CURLE_SSL_CONNECT_ERROR:
                return kInetSecureChannelFailed;
            case CURLE_WEIRD_SERVER_REPLY:
            case CURLE_BAD_CONTENT_ENCODING:
                if (Mentions(errorText, "Content-Length")) return kInetBadContentLength;
                if (Mentions(errorText, "HTTP version") || Mentions(errorText, "status line"))
                    return kInetNotHttp;
                return kInetBadReply;
            case CURLE_FILESIZE_EXCEEDED:
                return kInetBadContentLength;
#if LIBCURL_VERSION_NUM >= 0x080600
            case CURLE_TOO_LARGE:
                return kInetHeadTooLarge;
#endif
            default:
                return 12004;
        }
    }

    static std::size_t OnHeader(char* data, std::size_t size, std::size_t n, void* self) {
        auto* impl = static_cast<Impl*>(self);
        const std::size_t len = size * n;
        impl->lastProgress = Clock::now();
        // Every response of a redirection chain starts with its status line; only the
        // last one is kept.
        if (len >= 5 && std::memcmp(data, "HTTP/", 5) == 0) {
            impl->head.clear();
            // A head of a few lines, gathered without growing it line by line.
            impl->head.reserve(kHeadReserve);
            if (impl->RevisitsAnAddress(std::string_view(data, len))) {
                impl->redirectLoop = true;
                return 0;
            }
        }
        if (impl->head.size() + len > kInetMaxHeadBytes) {
            impl->headTooLarge = true;
            return 0;
        }
        if (!ContentLengthValid(data, len)) {
            impl->badContentLength = true;
            return 0;
        }
        impl->head.append(data, len);
        return len;
    }

    // A final answer (not 1xx) for an address the chain has already asked: a loop, which
    // would only end at the redirection limit.
    bool RevisitsAnAddress(std::string_view statusLine) {
        const std::size_t blank = statusLine.find(' ');
        if (blank != std::string_view::npos && statusLine.substr(blank + 1, 1) == "1") return false;
        const char* url = nullptr;
        curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &url);
        const std::string_view address = url ? url : "";
        if (std::find(visited.begin(), visited.end(), address) != visited.end()) return true;
        visited.emplace_back(address);
        return false;
    }

    static std::size_t OnBody(char* data, std::size_t size, std::size_t n, void* self) {
        auto* impl = static_cast<Impl*>(self);
        impl->bodyStarted = true;
        if (impl->Pending() >= kBufferCap) {
            impl->paused = true;
            return CURL_WRITEFUNC_PAUSE;
        }
        // Consumed bytes are dropped rarely, so the held bytes are seldom moved.
        if (impl->offset > 4 * kBufferCap) {
            impl->buffer.erase(0, impl->offset);
            impl->offset = 0;
        }
        impl->buffer.append(data, size * n);
        impl->received += static_cast<std::int64_t>(size * n);
        impl->lastProgress = Clock::now();
        return size * n;
    }

    static int OnDebug(CURL*, curl_infotype type, char* data, std::size_t size, void* self) {
        if (type == CURLINFO_HEADER_OUT) static_cast<Impl*>(self)->requestHead.assign(data, size);
        return 0;
    }

    // One round of the transfer: what the server sent is taken in, or a short wait for it.
    void Pump() {
        session->Perform();
        if (done) return;
        if (!paused) curl_multi_poll(multi, nullptr, 0, kPollSliceMs, nullptr);
    }

    // A transfer that waits for the server (not one paused by a full buffer or the caller)
    // and has heard nothing for the time-out ends.
    void CheckTimeout(Clock::time_point now) {
        if (done || paused || timeoutMs <= 0) return;
        if (now - lastProgress > std::chrono::milliseconds(timeoutMs))
            End(CURLE_OPERATION_TIMEDOUT);
    }

    // Rounds until ready() holds or the transfer ends; the wait hook runs between them and
    // may end the wait (false).
    template <class Ready>
    bool WaitFor(Ready ready) {
        while (!done && !ready()) {
            Pump();
            if (done || ready()) break;
            if (waitHook && waitHook()) {
                End(CURLE_ABORTED_BY_CALLBACK);
                return false;
            }
        }
        return true;
    }

    // Ends the transfer here: its connection is dropped at once, not left to the server.
    void End(CURLcode why) {
        done = true;
        result = why;
        Detach();
    }
};

void InetSession::Impl::Perform() {
    int running = 0;
    curl_multi_perform(multi, &running);
    int left = 0;
    while (CURLMsg* msg = curl_multi_info_read(multi, &left)) {
        if (msg->msg != CURLMSG_DONE) continue;
        InetRequest::Impl* owner = nullptr;
        curl_easy_getinfo(msg->easy_handle, CURLINFO_PRIVATE, &owner);
        if (!owner) continue;
        owner->done = true;
        owner->result = msg->data.result;
    }
    const Clock::time_point now = Clock::now();
    // A copy: a time-out detaches its transfer from the list.
    const std::vector<InetRequest::Impl*> transfers = attached;
    for (InetRequest::Impl* t : transfers) t->CheckTimeout(now);
}

InetSession::InetSession(const std::string& userAgent, int proxyMode, const std::string& proxy)
    : impl_(std::make_unique<Impl>()) {
    GlobalInit();
    impl_->userAgent = userAgent;
    impl_->proxyMode = proxyMode;
    impl_->proxy = proxy;
}

InetSession::~InetSession() = default;

void InetSession::SetCookies(const std::string& file, const std::string& saveFile) {
    impl_->cookieSaveFile = saveFile;
    Impl::LoadCookies(file);
}

std::unique_ptr<InetRequest> InetSession::Start(const std::string& address,
                                                const std::string& headers, long& error) {
    error = 0;
    if (impl_->proxyMode != 0 && impl_->proxyMode != 1) {
        error = 6;  // no session was opened
        return nullptr;
    }
    auto impl = std::make_unique<InetRequest::Impl>();
    impl->session = impl_.get();
    impl->multi = impl_->multi;
    impl->caFile = CaFile();
    bool fresh = false;
    impl->easy = impl_->Handle(impl->caFile, fresh).release();
    impl->timeoutMs = timeoutMs_;
    if (!impl->multi || !impl->easy) {
        error = 12001;
        return nullptr;
    }
    CURL* easy = impl->easy;
    curl_easy_setopt(easy, CURLOPT_URL, address.c_str());
    curl_easy_setopt(easy, CURLOPT_PRIVATE, impl.get());
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, long(kInetMaxRedirects));
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, impl->errorText);
    // Fewer, larger deliveries: the reader's work is per delivery.
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, long(kCurlBuffer));
    // A proxy's answer to CONNECT is no response of the chain (nor a visit of the address).
    curl_easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, impl_->userAgent.c_str());
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_2TLS));
    // A handle may come from an earlier transfer: every option that may differ is set, to
    // libcurl's default where this transfer needs none.
    curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, compressed_ ? "" : nullptr);
    curl_easy_setopt(easy, CURLOPT_HTTP_CONTENT_DECODING, compressed_ ? 1L : 0L);
    CURLSH* jar = fresh ? CookieJar() : nullptr;
    if (jar) {
        curl_easy_setopt(easy, CURLOPT_SHARE, jar);
        // No file: this only switches the cookie engine on for the handle. Once a handle:
        // libcurl keeps every name given in a list it walks again for each one.
        curl_easy_setopt(easy, CURLOPT_COOKIEFILE, "");
    }
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(std::max(timeoutMs_, 0)));
    if (!impl->caFile.empty()) curl_easy_setopt(easy, CURLOPT_CAINFO, impl->caFile.c_str());
    if (impl_->proxyMode == 1) {
        // The named proxy carries every request; the environment's exceptions are the
        // system's access, not this one.
        curl_easy_setopt(easy, CURLOPT_PROXY, impl_->proxy.c_str());
        curl_easy_setopt(easy, CURLOPT_NOPROXY, "");
    } else if (!std::getenv("no_proxy") && !std::getenv("NO_PROXY")) {
        // The machine itself is never reached through a proxy.
        curl_easy_setopt(easy, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    } else {
        curl_easy_setopt(easy, CURLOPT_NOPROXY, nullptr);
    }
    std::size_t pos = 0;
    while (pos < headers.size()) {
        std::size_t end = headers.find("\r\n", pos);
        if (end == std::string::npos) end = headers.size();
        const std::string line = headers.substr(pos, end - pos);
        if (!line.empty()) impl->headers = curl_slist_append(impl->headers, line.c_str());
        pos = end + 2;
    }
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, impl->headers);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &InetRequest::Impl::OnHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, impl.get());
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &InetRequest::Impl::OnBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, impl.get());
    curl_easy_setopt(easy, CURLOPT_DEBUGFUNCTION, &InetRequest::Impl::OnDebug);
    curl_easy_setopt(easy, CURLOPT_DEBUGDATA, impl.get());
    curl_easy_setopt(easy, CURLOPT_VERBOSE, 1L);
    impl->waitHook = waitHook_;
    if (curl_multi_add_handle(impl->multi, easy) != CURLM_OK) {
        error = 12004;
        return nullptr;
    }
    impl->Attach();
    impl->lastProgress = Clock::now();
    return std::make_unique<InetRequest>(std::move(impl));
}

void InetSession::Pump(int waitMs) {
    impl_->Perform();
    bool receiving = false;
    for (const InetRequest::Impl* t : impl_->attached) receiving = receiving || !t->paused;
    if (receiving && waitMs > 0) {
        curl_multi_poll(impl_->multi, nullptr, 0, waitMs, nullptr);
        impl_->Perform();
    }
}

std::unique_ptr<InetRequest> InetSession::Open(const std::string& address,
                                               const std::string& headers, long& error) {
    std::unique_ptr<InetRequest> request = Start(address, headers, error);
    if (!request) return nullptr;
    InetRequest::Impl& waiting = *request->impl_;
    if (!waiting.WaitFor([&waiting] { return waiting.bodyStarted; })) {
        error = kInetCancelled;
        return nullptr;
    }
    if (request->Failed(error)) return nullptr;
    request->HeadArrived();
    return request;
}

bool InetRequest::HeadArrived() {
    Impl& r = *impl_;
    if (r.headTaken) return true;
    if (!r.bodyStarted && !r.done) return false;
    r.headTaken = true;
    CURL* easy = r.easy;
    long code = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code);
    statusCode_ = static_cast<int>(code);
    curl_off_t length = -1;
    curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    contentLength_ = length;
    const char* type = nullptr;
    curl_easy_getinfo(easy, CURLINFO_CONTENT_TYPE, &type);
    if (type) contentType_ = type;
    const char* effective = nullptr;
    curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &effective);
    if (effective) effectiveUrl_ = effective;
    curl_off_t retryAfter = 0;
    if (curl_easy_getinfo(easy, CURLINFO_RETRY_AFTER, &retryAfter) == CURLE_OK && retryAfter > 0)
        retryAfter_ = retryAfter;
    responseHead_ = r.head;
    requestHead_ = r.requestHead;
    while (!requestHead_.empty() && (requestHead_.back() == '\n' || requestHead_.back() == '\r'))
        requestHead_.pop_back();
    std::string& head = requestHead_;
    for (std::size_t i = head.find("\r\n"); i != std::string::npos; i = head.find("\r\n", i))
        head.replace(i, 2, 1, '\0');
    return true;
}

bool InetRequest::Failed(long& error) const {
    const Impl& r = *impl_;
    error = 0;
    if (!r.done || r.result == CURLE_OK) return false;
    long answered = 0;
    curl_easy_getinfo(r.easy, CURLINFO_RESPONSE_CODE, &answered);
    // A transfer that failed after its head arrived fails in the read, with the bytes it got.
    if (answered != 0 && r.bodyStarted) return false;
    error = r.ErrorCode();
    return true;
}

bool InetRequest::Take(std::size_t most, const char*& data, std::size_t& size, bool& ended,
                       long& error) {
    Impl& r = *impl_;
    data = nullptr;
    size = 0;
    ended = false;
    error = 0;
    r.DropTaken();
    // Going on may hand over held bytes at once: never while the caller holds a view.
    if (r.Pending() < kBufferCap / 2) r.Continue();
    if (r.Pending() > 0) {
        size = std::min(most, r.Pending());
        data = r.buffer.data() + r.offset;
        r.offset += size;
        return true;
    }
    if (!r.done) return true;
    ended = true;
    if (r.result == CURLE_OK) return true;
    error = r.ErrorCode();
    return false;
}

void InetRequest::Hold(bool on) {
    Impl& r = *impl_;
    if (r.done || r.held == on) return;
    r.held = on;
    if (on) {
        r.paused = true;
        curl_easy_pause(r.easy, CURLPAUSE_ALL);
    } else {
        r.Continue();
    }
}

std::int64_t InetRequest::Received() const {
    return impl_->received;
}

bool InetRequest::Ended() const {
    return impl_->done;
}

bool InetRequest::EndedWhole() const {
    return impl_->done && impl_->result == CURLE_OK;
}

InetRequest::InetRequest(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
InetRequest::~InetRequest() = default;

bool InetRequest::Read(std::size_t most, const char*& data, std::size_t& got, long& error) {
    data = nullptr;
    got = 0;
    error = 0;
    Impl& r = *impl_;
    r.DropTaken();
    if (r.Pending() < kBufferCap / 2) r.Continue();
    if (!r.WaitFor([&r] { return r.Pending() > 0; })) {
        error = kInetCancelled;
        return false;
    }
    bool ended = false;
    return Take(most, data, got, ended, error);
}

bool InetRequest::DrainRest(std::int64_t bound) {
    Impl& r = *impl_;
    if (r.done) return r.result == CURLE_OK;
    if (contentLength_ < 0 || contentLength_ - r.received > bound) return false;
    r.buffer.clear();
    r.offset = 0;
    r.held = false;
    r.Continue();
    // The rest fits the buffer (bound is far below its cap), so the transfer never pauses. A
    // server that trickles it is given a second: then the connection is dropped after all.
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(1);
    const bool waited = r.WaitFor([deadline] { return Clock::now() >= deadline; });
    return waited && r.done && r.result == CURLE_OK;
}

}  // namespace ravlet
