#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "main/DownloadRun.h"
#include "main/ExistingTarget.h"
#include "main/frmOverwrite.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"
#include "platform/DoEvents.h"
#include "support/DownloadHostFake.h"
#include "support/FileSizeLimit.h"
#include "support/ManualClock.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {
namespace {

namespace fs = std::filesystem;
using test::TestResponse;
using Clock = std::chrono::steady_clock;
using NameSet = std::set<std::string>;

TestResponse Body(const std::string& body, const std::string& type = "application/zip") {
    return test::Typed(body, type);
}

TestResponse Big(std::int64_t size) {
    TestResponse r;
    r.generatedSize = size;
    r.headers.push_back({"Content-Type", "application/zip"});
    return r;
}

// An answer that comes after ms, so the transfers of a run overlap.
std::function<TestResponse(const test::TestRequest&)> Late(TestResponse r, int ms) {
    return [r, ms](const test::TestRequest&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return r;
    };
}

// Routes "/<stem>0.zip" to "/<stem><n-1>.zip" to one answer; their paths.
template <typename Answer>
std::vector<std::string> Many(test::TestHttpServer& server, const std::string& stem, int n,
                              const Answer& answer) {
    std::vector<std::string> paths;
    for (int i = 0; i < n; ++i) {
        paths.push_back("/" + stem + std::to_string(i) + ".zip");
        server.Route(paths.back(), answer);
    }
    return paths;
}

// One run over a list in a download folder of its own; what it logged, told and stored.
struct RunResult {
    NameSet log;
    std::map<long, std::string> outcomes;  // row: verdict and reason
    int errors = 0;
    std::string status;
    std::map<std::string, std::string> files;  // name below the folder: content
};

class Parallel : public ::testing::Test {
  protected:
    Parallel() {
        UrlSchemesInit();
        SettingsSetDefaults(settings);
        settings.filenaming = 1;
        settings.fileexistsdo = Exists_Skip;
    }
    ~Parallel() override { SetLogHandler({}); }

    std::string Folder(const std::string& name) const { return home.path() + "/" + name + "/"; }

    RunResult RunList(const std::vector<std::string>& paths, int parallel,
                      const std::string& folder) {
        RunResult result;
        test::DownloadHostFake host;
        for (const std::string& p : paths) host.list.Add(p.rfind('/', 0) == 0 ? server.Url(p) : p);
        settings.savedir = folder;
        settings.netParallel = parallel;
        SetLogHandler([&](const std::string& text, bool) {
            result.log.insert(ReplaceAll(text, folder, "DIR/"));
        });
        DownloadRun run(host, settings);
        run.OnLinkDone = [&](const LinkOutcome& o) {
            result.outcomes[o.row] = std::to_string(static_cast<int>(o.verdict)) + " " +
                                     ReplaceAll(o.reason, folder, "DIR/");
        };
        if (onRun) onRun(run, host);
        run.doSuck();
        result.errors = run.Errors();
        result.status = host.status;
        std::error_code ec;
        for (const auto& e : fs::recursive_directory_iterator(folder, ec))
            if (e.is_regular_file())
                result.files[e.path().lexically_relative(folder).string()] =
                    test::ReadFile(e.path().string());
        return result;
    }

    test::TempHome home;
    test::ScriptedUi ui;
    test::TestHttpServer server;
    Settings settings;
    std::function<void(DownloadRun&, test::DownloadHostFake&)> onRun;
};

// One list with every kind of answer: the run side by side ends as the run one at a time.
TEST_F(Parallel, EndsAsTheRunOneAtATime) {
    server.Route("/ok.zip", Late(Body("fine"), 30));
    server.Route("/big.zip", Big(300000));
    server.Route("/page.html", Body("<p>", "text/html"));
    server.Route("/small.zip", Body("x"));
    server.Route("/text.txt", Body("plain words", "text/plain"));
    server.Route("/files/moved.zip", Body("moved"));
    server.Redirect("/go", "/files/moved.zip");
    TestResponse stall = Big(5000);
    stall.stallAfter = 100;
    server.Route("/stall.zip", stall);
    TestResponse notFound = Body("no", "text/html");
    notFound.status = 404;
    server.Route("/gone.zip", notFound);
    server.Route("/kept.zip", Body("new content"));
    settings.netdownloadignoretext = true;
    settings.netsizeforce = true;
    settings.netsizemin = 2;
    settings.netmimetypeforce = true;
    settings.netsizemimetype = "application/";
    settings.nettimeout = 400;
    // The waits before retries pass by a clock that moves with every look.
    onRun = [](DownloadRun& run, test::DownloadHostFake&) {
        run.RetryClock = [t = std::int64_t{0}]() mutable { return t += 250; };
    };
    const std::vector<std::string> list = {"/ok.zip",   "/gone.zip", "/page.html", "/small.zip",
                                           "/text.txt", "/go",       "/stall.zip", "/big.zip",
                                           "/kept.zip", "relative",  "/ok.zip"};
    for (const char* folder : {"one", "side"}) {
        MakePathFor(Folder(folder) + "kept.zip");
        home.Write(std::string(folder) + "/kept.zip", "old");
    }
    const RunResult one = RunList(list, 1, Folder("one"));
    const RunResult side = RunList(list, 4, Folder("side"));
    EXPECT_EQ(one.errors, 3);  // the 404, the time-outs and the relative link
    EXPECT_EQ(side.errors, one.errors);
    EXPECT_EQ(side.status, one.status);
    EXPECT_EQ(side.outcomes, one.outcomes);
    EXPECT_EQ(side.files, one.files);
    EXPECT_EQ(side.log, one.log);
    EXPECT_EQ(one.log.size(), 8u);  // two of them retries of the time-out
    // The stalled link keeps what it got for the next run.
    EXPECT_EQ(one.files.at("stall.zip.part").size(), 100u);
    EXPECT_EQ(one.files.count("stall.zip.part.resume"), 1u);
    EXPECT_EQ(one.files.at("moved.zip"), "moved");
    EXPECT_EQ(one.files.at("kept.zip"), "old");
    EXPECT_EQ(one.files.at("big.zip").size(), 300000u);
}

// The overwrite question waits for the user while the other transfers go on: they finish
// while it is open.
TEST_F(Parallel, OtherTransfersGoOnWhileTheQuestionWaits) {
    test::ManualClock clock;
    server.Route("/exists.zip", Body("new"));
    std::vector<std::string> list = Many(server, "b", 3, Late(Big(400000), 50));
    list.insert(list.begin(), "/exists.zip");
    settings.fileexistsdo = Exists_Ask;
    MakePathFor(Folder("q") + "exists.zip");
    home.Write("q/exists.zip", "old");
    std::map<long, std::int64_t> progress;
    std::set<long> done;
    std::set<long> doneDuringQuestion;
    std::int64_t bytesDuringQuestion = 0;
    test::DownloadHostFake* seen = nullptr;
    onRun = [&](DownloadRun& run, test::DownloadHostFake& host) {
        seen = &host;
        run.OnLinkProgress = [&](long row, std::int64_t bytes, std::int64_t) {
            progress[row] = bytes;
        };
        auto told = run.OnLinkDone;
        run.OnLinkDone = [&, told](const LinkOutcome& o) {
            done.insert(o.row);
            told(o);
        };
        host.overwrite.answers.push_back(OverwriteAnswer{Ow_Overwrite, "exists.zip"});
        host.overwrite.during = [&](frmOverwrite&) {
            std::int64_t before = 0;
            for (const auto& [row, bytes] : progress) before += bytes;
            // The clock drives the timer that serves the transfers; bounded, never timed.
            for (int i = 0; i < 20000 && done.size() < 3; ++i) clock.Advance(10);
            doneDuringQuestion = done;
            std::int64_t after = 0;
            for (const auto& [row, bytes] : progress) after += bytes;
            bytesDuringQuestion = after - before;
        };
    };
    const RunResult r = RunList(list, 4, Folder("q"));
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(doneDuringQuestion, (std::set<long>{2, 3, 4}));
    EXPECT_GT(bytesDuringQuestion, 0);
    EXPECT_EQ(r.errors, 0);
    EXPECT_EQ(r.files.at("exists.zip"), "new");
    EXPECT_EQ(r.files.at("b2.zip").size(), 400000u);
}

// Two links with one target never write it at once: the second meets the existing-file
// rule once the first has finished, and finds the whole file there.
TEST_F(Parallel, TwoLinksOfOneTargetTakeTurns) {
    TestResponse slow = Big(200000);
    slow.stallAfter = 1000;
    slow.resumeAfterMs = 600;
    server.Route("/a/same.zip", slow);
    // The second head comes while the first body is still being written.
    server.Route("/b/same.zip", Late(Body("second"), 200));
    settings.fileexistsdo = Exists_Ask;
    std::string seenAtQuestion;
    onRun = [&](DownloadRun&, test::DownloadHostFake& host) {
        host.overwrite.answers.push_back(OverwriteAnswer{Ow_Skip, "same.zip"});
        host.overwrite.during = [&](frmOverwrite&) {
            seenAtQuestion = test::ReadFile(Folder("t") + "same.zip");
        };
    };
    const RunResult r = RunList({"/a/same.zip", "/b/same.zip"}, 2, Folder("t"));
    EXPECT_EQ(seenAtQuestion.size(), 200000u);
    EXPECT_EQ(r.files.size(), 1u);
    EXPECT_EQ(r.files.at("same.zip").size(), 200000u);
    EXPECT_EQ(r.errors, 0);
}

// The per-host cap: with connections kept alive, two at once to one host need two
// connections, eight need eight.
TEST_F(Parallel, PerHostCapBoundsTheConnections) {
    const std::vector<std::string> list = Many(server, "c", 8, Late(Body("c"), 100));
    settings.netParallelHost = 2;
    RunResult r = RunList(list, 8, Folder("cap"));
    EXPECT_EQ(r.files.size(), 8u);
    EXPECT_EQ(server.Connections(), 2);
    settings.netParallelHost = 0;
    r = RunList(list, 8, Folder("nocap"));
    EXPECT_EQ(r.files.size(), 8u);
    EXPECT_EQ(server.Connections(), 2 + 8);
}

// Stop with eight transfers in flight, each with bytes received, and a link waiting for its
// next try: all end at once as errors, each transfer keeps its part for the next run, no file
// is left under a final name, and the waiting link held no place of the eight.
TEST_F(Parallel, StopEndsEightTransfersAtOnceAndKeepsTheirParts) {
    TestResponse busy = Body("later", "text/html");
    busy.status = 503;
    busy.headers.push_back({"Retry-After", "30"});
    server.Route("/busy", busy);
    TestResponse stall = Big(100000);
    stall.headers.push_back({"ETag", "\"s\""});
    stall.stallAfter = 1000;
    std::vector<std::string> list = Many(server, "s", 9, stall);
    list.insert(list.begin(), "/busy");
    Clock::time_point stopped{};
    onRun = [&](DownloadRun& run, test::DownloadHostFake&) {
        auto got = std::make_shared<std::set<long>>();
        run.OnLinkProgress = [got](long row, std::int64_t, std::int64_t) { got->insert(row); };
        ui.onServeEvents = [&, got] {
            if (got->size() == 8 && stopped == Clock::time_point{}) {
                stopped = Clock::now();
                run.Stop();
            }
        };
    };
    const RunResult r = RunList(list, 8, Folder("stop"));
    const auto took = Clock::now() - stopped;
    ui.onServeEvents = {};
    ASSERT_NE(stopped, Clock::time_point{});
    EXPECT_LT(took, std::chrono::seconds(1));
    EXPECT_EQ(r.errors, 9);
    EXPECT_EQ(server.Requests(), 9);  // the busy link was not tried again
    EXPECT_EQ(r.status, "download finished. 9 error(s)");
    EXPECT_EQ(r.files.size(), 16u);
    for (const auto& [name, content] : r.files) {
        const bool part = name.size() > 5 && name.substr(name.size() - 5) == ".part";
        EXPECT_TRUE(part || name.find(".part.resume") != std::string::npos) << name;
        if (part) {
            EXPECT_EQ(content.size(), 1000u) << name;
        }
    }
    EXPECT_EQ(r.log.count("Error: Http Code not OK (200):503 - Url: " + server.Url("/busy")), 1u);
}

// The rate limit holds the whole run, one transfer at a time or several: 400 kB at
// 200 kB/s take at least well over a second (a busy machine only makes it slower).
TEST_F(Parallel, RateLimitHoldsTheWholeRun) {
    const std::vector<std::string> list = Many(server, "r", 4, Big(100000));
    settings.netLimitRate = "200k";
    for (int parallel : {1, 4}) {
        const Clock::time_point start = Clock::now();
        const RunResult r = RunList(list, parallel, Folder("rate" + std::to_string(parallel)));
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        std::int64_t bytes = 0;
        for (const auto& [name, content] : r.files) bytes += content.size();
        EXPECT_EQ(bytes, 400000);
        EXPECT_GT(seconds, 1.5) << parallel;
    }
}

// The wait between two requests to one host, one transfer at a time or several: three
// requests to one host take at least two waits; side by side, another host's link does not
// queue behind them.
TEST_F(Parallel, WaitSpacesTheRequestsToOneHost) {
    test::TestHttpServer other;
    for (int i = 0; i < 3; ++i) server.Route("/w" + std::to_string(i) + ".zip", Body("w"));
    other.Route("/o.zip", Body("o"));
    settings.netWait = 600;
    for (int parallel : {1, 4}) {
        const int before = server.Requests();
        int firstHostAtOther = -1;  // requests the first host had when the other was asked
        ui.onServeEvents = [&] {
            if (firstHostAtOther < 0 && other.Requests() > 0)
                firstHostAtOther = server.Requests() - before;
        };
        const Clock::time_point start = Clock::now();
        const RunResult r = RunList({"/w0.zip", "/w1.zip", other.Url("/o.zip"), "/w2.zip"},
                                    parallel, Folder("wait" + std::to_string(parallel)));
        const auto took = Clock::now() - start;
        ui.onServeEvents = {};
        EXPECT_EQ(r.files.size(), 4u) << parallel;
        EXPECT_EQ(server.Requests() - before, 3) << parallel;
        EXPECT_GE(took, std::chrono::milliseconds(1200)) << parallel;
        if (parallel == 1) {
            EXPECT_EQ(firstHostAtOther, 2);
        } else {
            EXPECT_GE(firstHostAtOther, 0);  // asked with the first, never after the second
            EXPECT_LE(firstHostAtOther, 1);
        }
    }
}

// A disk that fills up under eight transfers: each fails cleanly and nothing is left under a
// final name.
TEST_F(Parallel, AFullDiskFailsEachTransferCleanly) {
    const std::vector<std::string> list = Many(server, "d", 8, Big(300000));
    const RunResult r = [&] {
        const test::FileSizeLimit full(100000);
        return RunList(list, 8, Folder("full"));
    }();
    EXPECT_EQ(r.errors, 8);
    for (const auto& [name, content] : r.files)
        EXPECT_NE(name.find(".part"), std::string::npos) << "only parts kept for resuming";
    EXPECT_EQ(ui.messages.size(), 8u);  // the write question, answered Abort each time
    for (const auto& [row, outcome] : r.outcomes) EXPECT_EQ(outcome.rfind("2 Error: ", 0), 0u);
}

}  // namespace
}  // namespace ravlet
