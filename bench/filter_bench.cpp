// Applies a pad of filters of every kind to 100,000 links and prints the time it took.
// usage: filter_bench [LINKS] [FILTERS_PER_KIND] [FOLDER]   (defaults 100000 and 2: a pad of 10)
// With FOLDER, the pad and the links are also written there as "pad.rvp" and "links.txt", for
// timing "ravlet-cli filter" on them.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "filters/PadFile.h"
#include "filters/Refiner.h"

namespace {

class BenchHost : public ravlet::RefinerHost {
  public:
    ravlet::LinkList& ListLinks() override { return list; }
    int State() const override { return state; }
    void State(int s) override { state = s; }
    ravlet::ctlStatusBar& StatusBar() override { return status; }
    void ListLinksEnabled(bool) override {}
    void ListLinksVisible(bool) override {}
    void SetResetList() override {}
    void RvCommand(int) override {}
    int MainHeight() const override { return 0; }
    ravlet::LinkList list;
    int state = 2;
    ravlet::ctlStatusBar status;
};

std::vector<std::string> Links(int n) {
    static const char* const exts[] = {"jpg", "html", "zip", "png", "php", "exe", "gif", "mp3"};
    std::vector<std::string> links;
    links.reserve(n);
    for (int i = 0; i < n; ++i) {
        // Every tenth link repeats an earlier one in other letter case.
        const int k = (i % 10 == 9) ? i / 2 : i;
        std::string link = "http://host" + std::to_string(k % 50) + ".example.com/Old/dir" +
                           std::to_string(k % 100) + "/img" + std::to_string(k) + "." +
                           exts[k % 8] + "#a" + std::to_string(k % 3);
        if (i % 10 == 9)
            for (char& c : link) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        links.push_back(link);
    }
    return links;
}

void AddPad(ravlet::FilterPad& pad, int perKind) {
    for (int round = 0; round < perKind; ++round) {
        auto* f = pad.FilterAt(pad.AddFilter("Cleanup"));
        f->cleanup.opts = round == 0 ? 1 | 2 | 4 : 16;
        f = pad.FilterAt(pad.AddFilter("File Type"));
        f->fileType.SetOpts(round == 0 ? 0xff : 0x7f);
        f = pad.FilterAt(pad.AddFilter("Find (and Replace)"));
        f->findReplace = {0, "/old/", false, 2, false, "/new/"};
        if (round > 0) f->findReplace = {2, ".EXE", false, 0, true, ""};
        f = pad.FilterAt(pad.AddFilter("OneWildcard*"));
        f->oneWildcard = round == 0 ? ravlet::OneWildcardFilter{3, "http*/"}
                                    : ravlet::OneWildcardFilter{4, "/icons*.gif"};
        f = pad.FilterAt(pad.AddFilter("Pre- and Suf-fix"));
        f->preSuffix = round == 0 ? ravlet::PreSuffixFilter{"", "http://", false, false}
                                  : ravlet::PreSuffixFilter{".php", "", false, true};
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int perKind = argc > 2 ? std::atoi(argv[2]) : 2;
    ravlet::SettingsSetDefaults(ravlet::AppSettings());
    BenchHost host;
    ravlet::Refiner refiner(host);
    AddPad(refiner.Pad(), perKind);
    if (argc > 3) {
        const std::string folder = argv[3];
        std::ofstream pad(folder + "/pad.rvp", std::ios::binary);
        pad << ravlet::PadWrite(refiner.Pad()) << "\r\n";
        std::ofstream links(folder + "/links.txt", std::ios::binary);
        for (const std::string& link : Links(n)) links << link << '\n';
        if (!pad || !links) {
            std::fprintf(stderr, "cannot write into %s\n", argv[3]);
            return 1;
        }
    }
    host.list.Assign(Links(n));
    const auto start = std::chrono::steady_clock::now();
    refiner.ApplyAll();
    const auto end = std::chrono::steady_clock::now();
    const double ms = std::chrono::duration<double, std::milli>(end - start).count();
    std::printf("%d filters on %d links: %.1f ms, %zu links left\n", 5 * perKind, n, ms,
                host.list.Count());
    return 0;
}
