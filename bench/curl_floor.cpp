// The least a run of small files can cost through libcurl: the addresses of a list fetched one
// at a time through one reused handle on the multi interface, with the options the download run
// sets (verbose head capture, header callback, cookie engine, buffer size, user agent, no proxy
// for the machine, redirects) and its file pattern (the folder, the target, the part and the
// part's record looked at before the request, the part created exclusively and written, the
// target looked at again, the part renamed to the target).
// Nothing else: no naming, no checks, no log. What ravlet-cli -j 1 costs above this is its own.
// usage: curl_floor LIST FOLDER
#include <curl/curl.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

struct EasyCleanup {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiCleanup {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct ShareCleanup {
    void operator()(CURLSH* share) const { curl_share_cleanup(share); }
};
struct FileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::size_t Body(char* data, std::size_t size, std::size_t count, void* file) {
    return std::fwrite(data, size, count, static_cast<std::FILE*>(file));
}
std::size_t Header(char*, std::size_t size, std::size_t count, void*) {
    return size * count;
}
int Debug(CURL*, curl_infotype, char*, std::size_t, void*) {
    return 0;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: curl_floor LIST FOLDER\n");
        return 2;
    }
    curl_global_init(CURL_GLOBAL_DEFAULT);
    const std::unique_ptr<CURL, EasyCleanup> easy(curl_easy_init());
    const std::unique_ptr<CURLM, MultiCleanup> multi(curl_multi_init());
    const std::unique_ptr<CURLSH, ShareCleanup> jar(curl_share_init());
    if (!easy || !multi || !jar) return 1;
    CURL* e = easy.get();
    curl_share_setopt(jar.get(), CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    curl_easy_setopt(e, CURLOPT_SHARE, jar.get());
    curl_easy_setopt(e, CURLOPT_COOKIEFILE, "");
    char errorText[CURL_ERROR_SIZE];
    std::ifstream list(argv[1]);
    const std::string folder = argv[2];
    int failed = 0;
    for (std::string address; std::getline(list, address);) {
        if (address.empty()) continue;
        const std::string target = folder + address.substr(address.rfind('/'));
        const std::string part = target + ".part";
        Exists(folder);
        Exists(target);
        Exists(part);
        Exists(part + ".resume");
        std::unique_ptr<std::FILE, FileClose> file(std::fopen(part.c_str(), "wbxe"));
        if (!file) return 1;
        // One write a file, as the run's gathered blocks make it.
        std::setvbuf(file.get(), nullptr, _IOFBF, 1 << 16);
        curl_easy_setopt(e, CURLOPT_URL, address.c_str());
        curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(e, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(e, CURLOPT_MAXREDIRS, 10L);
        curl_easy_setopt(e, CURLOPT_ERRORBUFFER, errorText);
        curl_easy_setopt(e, CURLOPT_BUFFERSIZE, 131072L);
        curl_easy_setopt(e, CURLOPT_USERAGENT, "ravlet");
        curl_easy_setopt(e, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_2TLS));
        curl_easy_setopt(e, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
        curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, Header);
        curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, Body);
        curl_easy_setopt(e, CURLOPT_WRITEDATA, file.get());
        curl_easy_setopt(e, CURLOPT_DEBUGFUNCTION, Debug);
        curl_easy_setopt(e, CURLOPT_VERBOSE, 1L);
        curl_multi_add_handle(multi.get(), e);
        for (int running = 1; running;) {
            curl_multi_perform(multi.get(), &running);
            if (running) curl_multi_poll(multi.get(), nullptr, 0, 1000, nullptr);
        }
        int left = 0;
        while (CURLMsg* message = curl_multi_info_read(multi.get(), &left))
            if (message->msg == CURLMSG_DONE && message->data.result != CURLE_OK) ++failed;
        curl_multi_remove_handle(multi.get(), e);
        if (std::fclose(file.release()) != 0) return 1;
        Exists(target);
        if (std::rename(part.c_str(), target.c_str()) != 0) return 1;
    }
    return failed == 0 ? 0 : 1;
}
