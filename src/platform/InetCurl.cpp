#include <curl/curl.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "platform/Inet.h"

namespace ravlet {

namespace {

// Body bytes held ahead of the reader; the transfer pauses beyond this.
constexpr std::size_t kBufferCap = 256 * 1024;
constexpr int kPollSliceMs = 50;

using Clock = std::chrono::steady_clock;

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

long MapCurlError(CURLcode code) {
    switch (code) {
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
            return 12006;
        case CURLE_ABORTED_BY_CALLBACK:
            return 12017;
        case CURLE_OUT_OF_MEMORY:
            return 12001;
        case CURLE_TOO_MANY_REDIRECTS:
            return 12156;
        case CURLE_LOGIN_DENIED:
            return 12015;
        case CURLE_PEER_FAILED_VERIFICATION:
            return 12045;
        case CURLE_SSL_CONNECT_ERROR:
            return 12157;
        case CURLE_WEIRD_SERVER_REPLY:
            return 12152;
        default:
            return 12004;
    }
}

}  // namespace

struct InetSession::Impl {
    CURLM* multi = nullptr;
    std::string userAgent, proxy;
    int proxyMode = 0;
    Impl() : multi(curl_multi_init()) {}
    ~Impl() {
        if (multi) curl_multi_cleanup(multi);
    }
};

struct InetRequest::Impl {
    CURLM* multi = nullptr;
    CURL* easy = nullptr;
    curl_slist* headers = nullptr;
    std::string buffer;
    std::size_t offset = 0;
    bool paused = false;
    bool bodyStarted = false;
    bool done = false;
    CURLcode result = CURLE_OK;
    std::string head, requestHead;
    int timeoutMs = 0;
    Clock::time_point lastProgress = Clock::now();

    ~Impl() {
        if (easy) {
            curl_multi_remove_handle(multi, easy);
            curl_easy_cleanup(easy);
        }
        if (headers) curl_slist_free_all(headers);
    }

    std::size_t Pending() const { return buffer.size() - offset; }

    static std::size_t OnHeader(char* data, std::size_t size, std::size_t n, void* self) {
        auto* impl = static_cast<Impl*>(self);
        const std::size_t len = size * n;
        impl->lastProgress = Clock::now();
        // Every response of a redirection chain starts with its status line; only the
        // last one is kept.
        if (len >= 5 && std::memcmp(data, "HTTP/", 5) == 0) impl->head.clear();
        impl->head.append(data, len);
        return len;
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
        impl->lastProgress = Clock::now();
        return size * n;
    }

    static int OnDebug(CURL*, curl_infotype type, char* data, std::size_t size, void* self) {
        if (type == CURLINFO_HEADER_OUT) static_cast<Impl*>(self)->requestHead.assign(data, size);
        return 0;
    }

    // One round of the transfer; false when the wait for data ran out.
    bool Pump() {
        int running = 0;
        curl_multi_perform(multi, &running);
        int left = 0;
        while (CURLMsg* msg = curl_multi_info_read(multi, &left)) {
            if (msg->msg == CURLMSG_DONE && msg->easy_handle == easy) {
                done = true;
                result = msg->data.result;
            }
        }
        if (done) return true;
        if (timeoutMs > 0 && Clock::now() - lastProgress > std::chrono::milliseconds(timeoutMs)) {
            done = true;
            result = CURLE_OPERATION_TIMEDOUT;
            return false;
        }
        if (!paused) curl_multi_poll(multi, nullptr, 0, kPollSliceMs, nullptr);
        return true;
    }
};

InetSession::InetSession(const std::string& userAgent, int proxyMode, const std::string& proxy)
    : impl_(std::make_unique<Impl>()) {
    GlobalInit();
    impl_->userAgent = userAgent;
    impl_->proxyMode = proxyMode;
    impl_->proxy = proxy;
}

InetSession::~InetSession() = default;

std::unique_ptr<InetRequest> InetSession::Open(const std::string& address,
                                               const std::string& headers, long& error) {
    error = 0;
    if (impl_->proxyMode != 0 && impl_->proxyMode != 1) {
        error = 6;  // no session was opened
        return nullptr;
    }
    auto impl = std::make_unique<InetRequest::Impl>();
    impl->multi = impl_->multi;
    impl->easy = curl_easy_init();
    impl->timeoutMs = timeoutMs_;
    if (!impl->multi || !impl->easy) {
        error = 12001;
        return nullptr;
    }
    CURL* easy = impl->easy;
    curl_easy_setopt(easy, CURLOPT_URL, address.c_str());
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 20L);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, impl_->userAgent.c_str());
    if (timeoutMs_ > 0) curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, long(timeoutMs_));
    if (impl_->proxyMode == 1) {
        curl_easy_setopt(easy, CURLOPT_PROXY, impl_->proxy.c_str());
    } else if (!std::getenv("no_proxy") && !std::getenv("NO_PROXY")) {
        // The machine itself is never reached through a proxy.
        curl_easy_setopt(easy, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    }
    std::size_t pos = 0;
    while (pos < headers.size()) {
        std::size_t end = headers.find("\r\n", pos);
        if (end == std::string::npos) end = headers.size();
        const std::string line = headers.substr(pos, end - pos);
        if (!line.empty()) impl->headers = curl_slist_append(impl->headers, line.c_str());
        pos = end + 2;
    }
    if (impl->headers) curl_easy_setopt(easy, CURLOPT_HTTPHEADER, impl->headers);
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &InetRequest::Impl::OnHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, impl.get());
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &InetRequest::Impl::OnBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, impl.get());
    curl_easy_setopt(easy, CURLOPT_DEBUGFUNCTION, &InetRequest::Impl::OnDebug);
    curl_easy_setopt(easy, CURLOPT_DEBUGDATA, impl.get());
    curl_easy_setopt(easy, CURLOPT_VERBOSE, 1L);
    if (curl_multi_add_handle(impl->multi, easy) != CURLM_OK) {
        error = 12004;
        return nullptr;
    }
    impl->lastProgress = Clock::now();
    while (!impl->bodyStarted && !impl->done) impl->Pump();
    long answered = 0;
    curl_easy_getinfo(impl->easy, CURLINFO_RESPONSE_CODE, &answered);
    // A transfer that failed after its head arrived fails in the read, with the bytes it got.
    if (impl->done && impl->result != CURLE_OK && (answered == 0 || !impl->bodyStarted)) {
        error = MapCurlError(impl->result);
        return nullptr;
    }
    auto request = std::make_unique<InetRequest>(std::move(impl));
    InetRequest::Impl& r = *request->impl_;
    long code = 0;
    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code);
    request->statusCode_ = static_cast<int>(code);
    curl_off_t length = -1;
    curl_easy_getinfo(easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    request->contentLength_ = length;
    const char* type = nullptr;
    curl_easy_getinfo(easy, CURLINFO_CONTENT_TYPE, &type);
    if (type) request->contentType_ = type;
    const char* effective = nullptr;
    curl_easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &effective);
    if (effective) request->effectiveUrl_ = effective;
    request->responseHead_ = r.head;
    request->requestHead_ = r.requestHead;
    while (!request->requestHead_.empty() &&
           (request->requestHead_.back() == '\n' || request->requestHead_.back() == '\r'))
        request->requestHead_.pop_back();
    std::string& head = request->requestHead_;
    for (std::size_t i = head.find("\r\n"); i != std::string::npos; i = head.find("\r\n", i))
        head.replace(i, 2, 1, '\0');
    return request;
}

InetRequest::InetRequest(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
InetRequest::~InetRequest() = default;

bool InetRequest::Read(char* buffer, std::size_t size, std::size_t& got, long& error) {
    got = 0;
    error = 0;
    Impl& r = *impl_;
    while (r.Pending() == 0 && !r.done) {
        if (r.paused) {
            r.paused = false;
            r.lastProgress = Clock::now();
            curl_easy_pause(r.easy, CURLPAUSE_CONT);
        }
        r.Pump();
    }
    if (r.Pending() > 0) {
        got = std::min(size, r.Pending());
        std::memcpy(buffer, r.buffer.data() + r.offset, got);
        r.offset += got;
        if (r.offset == r.buffer.size()) {
            r.buffer.clear();
            r.offset = 0;
        }
        if (r.paused && r.Pending() < kBufferCap / 2) {
            r.paused = false;
            r.lastProgress = Clock::now();
            curl_easy_pause(r.easy, CURLPAUSE_CONT);
        }
        return true;
    }
    if (r.result != CURLE_OK) {
        error = MapCurlError(r.result);
        return false;
    }
    return true;
}

}  // namespace ravlet
