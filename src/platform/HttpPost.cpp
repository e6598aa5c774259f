#include "platform/HttpPost.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "platform/DoEvents.h"

namespace ravlet {

namespace {

struct Reading {
    std::string body;
    std::size_t maxBody = 0;
    bool tooBig = false;
};

std::size_t Collect(char* data, std::size_t size, std::size_t count, void* user) {
    auto* r = static_cast<Reading*>(user);
    const std::size_t n = size * count;
    if (r->body.size() + n > r->maxBody) {
        r->tooBig = true;
        return 0;  // ends the transfer
    }
    r->body.append(data, n);
    return n;
}

int Progress(void*, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    DoEventsWaiting();
    return 0;
}

struct CurlEasyDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct CurlListDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

}  // namespace

HttpPostReply HttpPost(const std::string& address, const std::string& contentType,
                       const std::string& body, int timeoutMs, std::size_t maxBody) {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    HttpPostReply reply;
    std::unique_ptr<CURL, CurlEasyDeleter> curl(curl_easy_init());
    if (!curl) {
        reply.error = "the network library could not start";
        return reply;
    }
    const std::string typeLine = "Content-Type: " + contentType;
    std::unique_ptr<curl_slist, CurlListDeleter> headers(
        curl_slist_append(nullptr, typeLine.c_str()));
    Reading reading;
    reading.maxBody = maxBody;
    char errorText[CURL_ERROR_SIZE] = {};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, address.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_PROXY, "");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Collect);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &reading);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &Progress);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
    if (timeoutMs > 0) curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs));
    const CURLcode code = curl_easy_perform(c);
    if (reading.tooBig) {
        reply.error = "the answer is larger than " + std::to_string(maxBody) + " bytes";
        return reply;
    }
    if (code != CURLE_OK) {
        reply.error = errorText[0] ? errorText : curl_easy_strerror(code);
        return reply;
    }
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &reply.status);
    reply.answered = true;
    reply.body = std::move(reading.body);
    return reply;
}

}  // namespace ravlet
