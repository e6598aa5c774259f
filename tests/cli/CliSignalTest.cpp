// A signal ends a running ravlet-cli as Ctrl-C does: the transfer is stopped at once, its part
// file removed, and the exit status is 1.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/RowName.h"
#include "support/RunCli.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

namespace fs = std::filesystem;
using test::TestResponse;
using Clock = std::chrono::steady_clock;

struct SignalRow {
    const char* what;
    std::string command;  // "get" or "download"
    int signal;
    // "slow.bin" sends some bytes and then stalls; "silent.bin" never answers. The page of
    // get links slow.bin first.
    std::string file;
};

class CliSignal : public testing::TestWithParam<SignalRow> {
  protected:
    CliSignal() {
        server.Route("/site/index.html",
                     test::Page("<a href=\"slow.bin\">slow</a> <a href=\"silent.bin\">silent</a>"));
        TestResponse slow = test::Typed("", "application/octet-stream");
        slow.generatedSize = 100 << 20;
        slow.stallAfter = 200000;
        server.Route("/site/slow.bin", slow);
        TestResponse silent;
        silent.neverAnswer = true;
        server.Route("/site/silent.bin", silent);
    }
    std::string Dir() const { return home.File("out"); }
    // Files under the download folder, part files included.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& e : fs::recursive_directory_iterator(Dir(), ec))
            if (e.is_regular_file()) names.push_back(e.path().filename().string());
        return names;
    }
    // Waits until the run is inside the transfer of the file.
    bool InTransfer(const std::string& file) const {
        const auto end = Clock::now() + std::chrono::seconds(30);
        while (Clock::now() < end) {
            std::error_code ec;
            if (file == "slow.bin" && fs::file_size(Dir() + "/slow.bin.part", ec) > 0 && !ec)
                return true;
            if (file == "silent.bin" && RequestsFor("/site/silent.bin") > 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    int RequestsFor(const std::string& path) const {
        int n = 0;
        for (const auto& r : server.Received()) n += r.path == path;
        return n;
    }

    test::TempHome home;
    test::TestHttpServer server;
};

TEST_P(CliSignal, StopsTheRunAndLeavesNothingUnderTheName) {
    const SignalRow& row = GetParam();
    // No time-out: only the signal ends the wait (a run that ignored it fails at Wait's bound).
    const std::string options = " --set nettimeout=0 -o '" + Dir() + "' ";
    std::string args, input;
    if (row.command == "get") {
        args = "get --links" + options + server.Url("/site/index.html");
    } else {
        args = "download" + options + "-";
        input = server.Url("/site/" + row.file) + "\n";
    }
    test::CliProcess cli(args, input);
    ASSERT_TRUE(InTransfer(row.file));
    const auto signalled = Clock::now();
    cli.Signal(row.signal);
    test::CliResult r;
    ASSERT_TRUE(cli.Wait(20000, r)) << "the run did not end";
    EXPECT_LT(Clock::now() - signalled, std::chrono::milliseconds(2000));
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    // Nothing under the name; a body begun stays as a part with its record for the next run.
    std::vector<std::string> files = Files();
    std::sort(files.begin(), files.end());
    const std::vector<std::string> kept{"slow.bin.part", "slow.bin.part.resume"};
    EXPECT_EQ(files, row.file == "slow.bin" ? kept : std::vector<std::string>{});
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "Error: " + std::string("The operation was canceled"),
                        r.out);
}

// Ctrl-C with eight transfers in flight, half in their bodies and half waiting for a head,
// ends them all at once: eight errors, nothing under a name, each body begun kept as a part.
TEST_F(CliSignal, EndsEightTransfersInFlight) {
    std::string input;
    for (int i = 0; i < 4; ++i) {
        TestResponse slow;
        slow.generatedSize = 100 << 20;
        slow.stallAfter = 200000;
        server.Route("/site/s" + std::to_string(i) + ".bin", slow);
        input += server.Url("/site/s" + std::to_string(i) + ".bin") + "\n";
        TestResponse silent;
        silent.neverAnswer = true;
        server.Route("/site/q" + std::to_string(i) + ".bin", silent);
        input += server.Url("/site/q" + std::to_string(i) + ".bin") + "\n";
    }
    test::CliProcess cli("download -j 8 --set nettimeout=0 -o '" + Dir() + "' -", input);
    const auto end = Clock::now() + std::chrono::seconds(30);
    const auto bodiesBegun = [this] {
        int n = 0;
        for (int i = 0; i < 4; ++i) {
            std::error_code ec;
            n += fs::file_size(Dir() + "/s" + std::to_string(i) + ".bin.part", ec) > 0 && !ec;
        }
        return n;
    };
    while ((server.Requests() < 8 || bodiesBegun() < 4) && Clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(server.Requests(), 8);
    const auto signalled = Clock::now();
    cli.Signal(SIGINT);
    test::CliResult r;
    ASSERT_TRUE(cli.Wait(20000, r)) << "the run did not end";
    EXPECT_LT(Clock::now() - signalled, std::chrono::milliseconds(1000));
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    std::vector<std::string> files = Files(), kept;
    std::sort(files.begin(), files.end());
    for (int i = 0; i < 4; ++i)
        for (const char* suffix : {".bin.part", ".bin.part.resume"})
            kept.push_back("s" + std::to_string(i) + suffix);
    EXPECT_EQ(files, kept);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "download finished. 8 error(s)", r.out);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliSignal,
    testing::Values(SignalRow{"download interrupted in the body", "download", SIGINT, "slow.bin"},
                    SignalRow{"download terminated in the body", "download", SIGTERM, "slow.bin"},
                    SignalRow{"download hung up in the body", "download", SIGHUP, "slow.bin"},
                    SignalRow{"download interrupted waiting for the head", "download", SIGINT,
                              "silent.bin"},
                    SignalRow{"get interrupted in the body", "get", SIGINT, "slow.bin"},
                    SignalRow{"get terminated in the body", "get", SIGTERM, "slow.bin"}),
    test::RowName{});

}  // namespace
}  // namespace ravlet
