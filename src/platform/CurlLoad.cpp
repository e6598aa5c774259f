// libcurl is loaded when the first transfer starts, not when a program starts: it brings some
// thirty libraries whose loading and relocation cost more than a whole local job (a page read
// from a file, a filter, the settings). The functions the internet layer calls are defined here
// under libcurl's own names and hand each call to the library once it is loaded; when it cannot
// be loaded they fail as libcurl fails when it cannot start.
#include <curl/curl.h>
#include <dlfcn.h>

#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace {

struct CurlApi {
    CURLcode (*global_init)(long);
    CURL* (*easy_init)();
    void (*easy_cleanup)(CURL*);
    CURLcode (*easy_setopt)(CURL*, CURLoption, ...);
    CURLcode (*easy_getinfo)(CURL*, CURLINFO, ...);
    CURLcode (*easy_pause)(CURL*, int);
    CURLcode (*easy_perform)(CURL*);
    const char* (*easy_strerror)(CURLcode);
    CURLM* (*multi_init)();
    CURLMcode (*multi_add_handle)(CURLM*, CURL*);
    CURLMcode (*multi_remove_handle)(CURLM*, CURL*);
    CURLMcode (*multi_cleanup)(CURLM*);
    CURLMsg* (*multi_info_read)(CURLM*, int*);
    CURLMcode (*multi_perform)(CURLM*, int*);
    CURLMcode (*multi_poll)(CURLM*, curl_waitfd*, unsigned, int, int*);
    CURLSH* (*share_init)();
    CURLSHcode (*share_cleanup)(CURLSH*);
    CURLSHcode (*share_setopt)(CURLSH*, CURLSHoption, ...);
    curl_slist* (*slist_append)(curl_slist*, const char*);
    void (*slist_free_all)(curl_slist*);
};

template <typename F>
bool Bind(void* library, F& f, const char* name) {
    f = reinterpret_cast<F>(dlsym(library, name));
    return f != nullptr;
}

// Null when the library or one of its functions is missing (said once on standard error).
const CurlApi* Api() {
    static CurlApi api{};
    static bool loaded = false;
    static std::once_flag once;
    std::call_once(once, [] {
        // The handle stays open for the life of the process, as a linked library would.
        void* library = dlopen("libcurl.so.4", RTLD_LAZY | RTLD_LOCAL);
        if (!library) library = dlopen("libcurl.so", RTLD_LAZY | RTLD_LOCAL);
        loaded = library && Bind(library, api.global_init, "curl_global_init") &&
                 Bind(library, api.easy_init, "curl_easy_init") &&
                 Bind(library, api.easy_cleanup, "curl_easy_cleanup") &&
                 Bind(library, api.easy_setopt, "curl_easy_setopt") &&
                 Bind(library, api.easy_getinfo, "curl_easy_getinfo") &&
                 Bind(library, api.easy_pause, "curl_easy_pause") &&
                 Bind(library, api.easy_perform, "curl_easy_perform") &&
                 Bind(library, api.easy_strerror, "curl_easy_strerror") &&
                 Bind(library, api.multi_init, "curl_multi_init") &&
                 Bind(library, api.multi_add_handle, "curl_multi_add_handle") &&
                 Bind(library, api.multi_remove_handle, "curl_multi_remove_handle") &&
                 Bind(library, api.multi_cleanup, "curl_multi_cleanup") &&
                 Bind(library, api.multi_info_read, "curl_multi_info_read") &&
                 Bind(library, api.multi_perform, "curl_multi_perform") &&
                 Bind(library, api.multi_poll, "curl_multi_poll") &&
                 Bind(library, api.share_init, "curl_share_init") &&
                 Bind(library, api.share_cleanup, "curl_share_cleanup") &&
                 Bind(library, api.share_setopt, "curl_share_setopt") &&
                 Bind(library, api.slist_append, "curl_slist_append") &&
                 Bind(library, api.slist_free_all, "curl_slist_free_all");
        if (!loaded) {
            const char* why = dlerror();
            std::fprintf(stderr,
                         "ravlet: the network library libcurl.so.4 could not be loaded: %s\n",
                         why ? why : "a function is missing");
        }
    });
    return loaded ? &api : nullptr;
}

}  // namespace

// The parentheses keep curl.h's forwarding macros off the names.
extern "C" {

CURLcode(curl_global_init)(long flags) {
    const CurlApi* a = Api();
    return a ? a->global_init(flags) : CURLE_FAILED_INIT;
}

CURL*(curl_easy_init)() {
    const CurlApi* a = Api();
    return a ? a->easy_init() : nullptr;
}

void(curl_easy_cleanup)(CURL* h) {
    if (const CurlApi* a = Api(); a && h) a->easy_cleanup(h);
}

// The one variable argument is a long, an object or function pointer, or a curl_off_t, as the
// option's number range says; it is passed on as the type it was given.
CURLcode(curl_easy_setopt)(CURL* h, CURLoption option, ...) {
    const CurlApi* a = Api();
    if (!a) return CURLE_FAILED_INIT;
    va_list ap;
    va_start(ap, option);
    CURLcode result;
    const int kind = static_cast<int>(option) / 10000 * 10000;
    if (kind == CURLOPTTYPE_LONG) {
        result = a->easy_setopt(h, option, va_arg(ap, long));
    } else if (kind == CURLOPTTYPE_OFF_T) {
        result = a->easy_setopt(h, option, va_arg(ap, curl_off_t));
    } else if (kind == CURLOPTTYPE_FUNCTIONPOINT) {
        result = a->easy_setopt(h, option, va_arg(ap, void (*)()));
    } else {
        result = a->easy_setopt(h, option, va_arg(ap, void*));
    }
    va_end(ap);
    return result;
}

// Every piece of information is written through a pointer.
CURLcode(curl_easy_getinfo)(CURL* h, CURLINFO info, ...) {
    const CurlApi* a = Api();
    if (!a) return CURLE_FAILED_INIT;
    va_list ap;
    va_start(ap, info);
    const CURLcode result = a->easy_getinfo(h, info, va_arg(ap, void*));
    va_end(ap);
    return result;
}

CURLcode(curl_easy_pause)(CURL* h, int bitmask) {
    const CurlApi* a = Api();
    return a ? a->easy_pause(h, bitmask) : CURLE_FAILED_INIT;
}

CURLcode(curl_easy_perform)(CURL* h) {
    const CurlApi* a = Api();
    return a ? a->easy_perform(h) : CURLE_FAILED_INIT;
}

const char*(curl_easy_strerror)(CURLcode code) {
    const CurlApi* a = Api();
    return a ? a->easy_strerror(code) : "the network library libcurl.so.4 could not be loaded";
}

CURLM*(curl_multi_init)() {
    const CurlApi* a = Api();
    return a ? a->multi_init() : nullptr;
}

CURLMcode(curl_multi_add_handle)(CURLM* m, CURL* h) {
    const CurlApi* a = Api();
    return a ? a->multi_add_handle(m, h) : CURLM_INTERNAL_ERROR;
}

CURLMcode(curl_multi_remove_handle)(CURLM* m, CURL* h) {
    const CurlApi* a = Api();
    return a ? a->multi_remove_handle(m, h) : CURLM_INTERNAL_ERROR;
}

CURLMcode(curl_multi_cleanup)(CURLM* m) {
    const CurlApi* a = Api();
    return a ? a->multi_cleanup(m) : CURLM_INTERNAL_ERROR;
}

CURLMsg*(curl_multi_info_read)(CURLM* m, int* left) {
    const CurlApi* a = Api();
    if (!a) {
        if (left) *left = 0;
        return nullptr;
    }
    return a->multi_info_read(m, left);
}

CURLMcode(curl_multi_perform)(CURLM* m, int* running) {
    const CurlApi* a = Api();
    return a ? a->multi_perform(m, running) : CURLM_INTERNAL_ERROR;
}

CURLMcode(curl_multi_poll)(CURLM* m, curl_waitfd* extra, unsigned count, int timeoutMs,
                           int* ready) {
    const CurlApi* a = Api();
    return a ? a->multi_poll(m, extra, count, timeoutMs, ready) : CURLM_INTERNAL_ERROR;
}

CURLSH*(curl_share_init)() {
    const CurlApi* a = Api();
    return a ? a->share_init() : nullptr;
}

CURLSHcode(curl_share_cleanup)(CURLSH* s) {
    const CurlApi* a = Api();
    return a ? a->share_cleanup(s) : CURLSHE_NOT_BUILT_IN;
}

// CURLSHOPT_SHARE and CURLSHOPT_UNSHARE take a number; the lock functions and user data are
// pointers.
CURLSHcode(curl_share_setopt)(CURLSH* s, CURLSHoption option, ...) {
    const CurlApi* a = Api();
    if (!a) return CURLSHE_NOT_BUILT_IN;
    va_list ap;
    va_start(ap, option);
    CURLSHcode result;
    if (option == CURLSHOPT_SHARE || option == CURLSHOPT_UNSHARE) {
        result = a->share_setopt(s, option, va_arg(ap, int));
    } else if (option == CURLSHOPT_USERDATA) {
        result = a->share_setopt(s, option, va_arg(ap, void*));
    } else {
        result = a->share_setopt(s, option, va_arg(ap, void (*)()));
    }
    va_end(ap);
    return result;
}

curl_slist*(curl_slist_append)(curl_slist* list, const char* text) {
    const CurlApi* a = Api();
    return a ? a->slist_append(list, text) : nullptr;
}

void(curl_slist_free_all)(curl_slist* list) {
    if (const CurlApi* a = Api(); a && list) a->slist_free_all(list);
}

}  // extern "C"
