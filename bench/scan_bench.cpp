// MB/s of ScanLinks over a corpus of pages, each page scanned as ravlet scans a fetched page.
// usage: scan_bench [--modes N] [--seconds S] [--loop scalar|sse2|avx2|avx512] FILE...
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "links/LinkScanner.h"
#include "links/TextFinder.h"

int main(int argc, char** argv) {
    int modes = 15;
    double seconds = 2.0;
    std::vector<std::string> pages;
    std::size_t bytes = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--modes" && i + 1 < argc) {
            modes = std::atoi(argv[++i]);
        } else if (a == "--seconds" && i + 1 < argc) {
            seconds = std::atof(argv[++i]);
        } else if (a == "--loop" && i + 1 < argc) {
            const std::string loop = argv[++i];
            const ravlet::FinderPath path = loop == "scalar" ? ravlet::FinderPath::Scalar
                                            : loop == "sse2" ? ravlet::FinderPath::Sse2
                                            : loop == "avx2" ? ravlet::FinderPath::Avx2
                                                             : ravlet::FinderPath::Avx512;
            if (!ravlet::ForceFinderPath(path)) {
                std::cerr << "this processor has no " << loop << " loop\n";
                return 2;
            }
        } else {
            std::ifstream in(a, std::ios::binary);
            pages.emplace_back(std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>());
            bytes += pages.back().size();
        }
    }
    if (pages.empty()) {
        std::cerr << "usage: scan_bench [--modes N] [--seconds S] [--loop L] FILE...\n";
        return 2;
    }
    using Clock = std::chrono::steady_clock;
    std::size_t links = 0;
    int rounds = 0;
    const auto start = Clock::now();
    double elapsed = 0;
    do {
        links = 0;
        for (const std::string& page : pages) {
            std::vector<std::string> found;
            ravlet::ScanLinks(page, found, modes, nullptr);
            links += found.size();
        }
        ++rounds;
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    } while (elapsed < seconds);
    const double mb = static_cast<double>(bytes) * rounds / 1e6;
    std::printf("ravlet modes=%d pages=%zu bytes=%zu links=%zu rounds=%d MBps=%.1f\n", modes,
                pages.size(), bytes, links, rounds, mb / elapsed);
    return 0;
}
