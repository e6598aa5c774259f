// Fetches one address into a file with RvNetGet, as the download task does, and prints the
// bytes and the time taken.
#include <chrono>
#include <cstdio>

#include "net/RvNetGet.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fetch_file ADDRESS FILE\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    ravlet::RvNetGet get;
    get.NetInit("ravlet-bench", 0, "");
    get.Timeout(30000);
    bool ok = false;
    get.NetUrlOpen(argv[1], "", ok);
    if (!ok) {
        std::fprintf(stderr, "open failed: %s\n", get.NetError().c_str());
        return 1;
    }
    get.DataFilename(argv[2]);
    get.NetUrlRead(true, -1, ok);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!ok) {
        std::fprintf(stderr, "read failed: %s\n", get.NetError().c_str());
        return 1;
    }
    std::printf("%lld bytes in %.3f s\n", static_cast<long long>(get.UrlContentLength()),
                seconds);
    return 0;
}
