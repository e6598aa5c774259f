#include "main/LinkOutcomes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "app/Settings.h"
#include "main/MainDownloads.h"
#include "main/RunProgress.h"
#include "platform/DesktopNotify.h"
#include "support/Joined.h"
#include "support/MainFixture.h"
#include "support/TestHttpServer.h"

namespace ravlet {

namespace {

// Each row as "text=status", in list order ("text=" for a row without an outcome).
std::vector<std::string> Shown(frmMain& main) {
    std::vector<std::string> rows;
    const LinkList& list = main.ListLinks();
    for (std::size_t i = 0; i < list.Count(); ++i) {
        const RowOutcome* o = main.Downloads().Outcomes().Of(i);
        rows.push_back(list.At(i) + "=" + (o ? StatusText(*o) : ""));
    }
    return rows;
}

RowOutcome Outcome(RowState state, const std::string& reason = "") {
    RowOutcome o;
    o.state = state;
    o.reason = reason;
    return o;
}

// Rows "c.bin" (done), "a.bin" (failed, selected), "b.bin"; an edit of the list; each row
// afterwards as "text=status", "|" between them.
TEST(OutcomesFollowTheRows, Case) {
    const char* const failed = "a.bin=Error: Http Code not OK (200):404";
    const struct {
        const char* what;
        std::function<void(frmMain&)> edit;
        std::string shown;
    } rows[] = {
        {"untouched", [](frmMain&) {}, "c.bin=done|" + std::string(failed) + "|b.bin="},
        {"sort carries them", [](frmMain& m) { m.RvCommand(Cmd_Sort); },
         std::string(failed) + "|b.bin=|c.bin=done"},
        {"a dragged row carries its own",
         [](frmMain& m) {
             m.ListLinks_MouseDown(0);
             m.ListLinks_MouseMove(2);
             m.ListLinks_MouseUp();
         },
         std::string(failed) + "|b.bin=|c.bin=done"},
        {"delete takes it away", [](frmMain& m) { m.RvCommand(Cmd_DeleteSelected); },
         "c.bin=done|b.bin="},
        {"an edited row starts fresh", [](frmMain& m) { m.ListLinks().Set(0, "c2.bin"); },
         "c2.bin=|" + std::string(failed) + "|b.bin="},
        {"a new get clears them",
         [](frmMain& m) { m.doTextParse("<a href=c.bin>c</a><a href=a.bin>a</a>"); },
         "c.bin=|a.bin="},
        {"a deleted row put back has its outcome again",
         [](frmMain& m) {
             m.RvCommand(Cmd_Clear);
             m.ListLinks().Assign({"a.bin"});
         },
         failed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        test::MainFixture f;
        f.main->State(State_ListReady);
        f.Rows({"c.bin", "a.bin", "b.bin"}, {1});
        LinkOutcomes& outcomes = f.main->Downloads().Outcomes();
        outcomes.Set(0, Outcome(RowState::Done));
        outcomes.Set(1,
                     Outcome(RowState::Failed, "Error: Http Code not OK (200):404 - Url: x/a.bin"));
        row.edit(*f.main);
        EXPECT_EQ(Shown(*f.main), test::Split(row.shown));
    }
}

// The main window with its own download run against a loopback server: one link of each
// outcome, written relative to the base box. The view records the titles (each moves the clock
// on by stepMs), the notifications and the window's closes.
struct RunWindow : MainView {
    explicit RunWindow(long stepMs = 0) : stepMs(stepMs) {
        f.main->SetDownload(nullptr);
        f.main->SetView(this);
        std::filesystem::create_directories(f.home.File("dl"));
        AppSettings().savedir = f.home.File("dl") + "/";
        AppSettings().filenaming = 1;
        AppSettings().netdownloadignoretext = true;
        f.main->ShowMainWindow();
        server.Route("/a.bin", [this](const test::TestRequest&) {
            ++requests["a"];
            return test::Typed("0123456789", "application/octet-stream");
        });
        server.Route("/page.html", test::Page("<p>"));
        server.Route("/b.bin", [this](const test::TestRequest&) {
            ++requests["b"];
            test::TestResponse r;
            if (bMissing) {
                r.status = 404;
                r.reason = "Not Found";
            } else {
                r = test::Typed("late", "application/octet-stream");
            }
            return r;
        });
        f.Rows({"a.bin", "page.html", "b.bin"});
        f.main->txtUrlBase = server.Url("/");
        SetDesktopNotifier([this](const std::string& title, const std::string& text) {
            notes.push_back(title + ": " + text);
            return desktop;
        });
    }
    ~RunWindow() override {
        SetDesktopNotifier(nullptr);
        f.main->SetView(nullptr);
    }
    void Title(const std::string& title) override {
        titles.push_back(title);
        f.clock.Advance(stepMs);
    }
    bool Active() const override { return active; }
    void CloseWindow() override { ++closes; }
    bool TrayMessage(const std::string& title, const std::string& text) override {
        notes.push_back("tray " + title + ": " + text);
        return true;
    }
    std::vector<std::string> Column(std::string (*text)(const RowOutcome&)) {
        std::vector<std::string> cells;
        for (std::size_t i = 0; i < f.main->ListLinks().Count(); ++i) {
            const RowOutcome* o = f.main->Downloads().Outcomes().Of(i);
            cells.push_back(o ? text(*o) : "-");
        }
        return cells;
    }

    test::MainFixture f;
    test::TestHttpServer server;
    long stepMs;
    bool active = false;
    bool bMissing = true;
    bool desktop = true;  // the desktop has a notification tool
    int closes = 0;
    std::map<std::string, int> requests;
    std::vector<std::string> titles, notes;
};

std::string Target(const RowOutcome& o) {
    return std::filesystem::path(o.target).filename().string();
}

}  // namespace

TEST(LinkOutcomes, TheRunDecidesEachRowsOutcome) {
    for (const int parallel : {1, 2}) {
        SCOPED_TRACE(parallel);
        RunWindow r;
        AppSettings().netParallel = parallel;
        // Row 0 at each change: its state, and its target's name.
        std::vector<std::pair<RowState, std::string>> seen;
        r.f.main->Downloads().Outcomes().OnChanged = [&](long row) {
            const RowOutcome* o = r.f.main->Downloads().Outcomes().Of(0);
            if (row == 0 && o) seen.emplace_back(o->state, Target(*o));
        };
        r.f.main->Download().DownloadButton(0);
        EXPECT_EQ(r.Column(StatusText),
                  (std::vector<std::string>{"done", "skipping: is text/html",
                                            "Error: Http Code not OK (200):404"}));
        EXPECT_EQ(r.Column(SizeText), (std::vector<std::string>{"10 B", "", ""}));
        EXPECT_EQ(r.Column(Target), (std::vector<std::string>{"a.bin", "page.html", "b.bin"}));
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(seen.front(), std::make_pair(RowState::Downloading, std::string("a.bin")))
            << "the target shows from the body's start";
        EXPECT_EQ(seen.back().first, RowState::Done);
        if (parallel == 1) {
            EXPECT_EQ(r.titles, (std::vector<std::string>{"0% ravlet", "33% ravlet", "66% ravlet",
                                                          "100% ravlet", "ravlet"}));
            EXPECT_EQ(r.f.main->ListLinks().Current(), 2);
        }
        EXPECT_TRUE(r.notes.empty()) << "a short run ends without a notification";
        // The rows went against the base; the failure went to the window's log, the list
        // followed the run, the settings were written first.
        EXPECT_EQ(r.f.home.Read("dl/a.bin"), "0123456789");
        EXPECT_EQ(r.f.main->State(), 0);
        EXPECT_EQ(r.f.main->StatusBar.Caption(), "download finished. 1 error(s)");
        EXPECT_TRUE(r.f.main->LogLoaded() && r.f.main->LogPaneVisible());
        EXPECT_NE(r.f.main->Log().txtLog().find("Error: Http Code not OK (200):404 - Url: " +
                                                r.server.Url("/b.bin")),
                  std::string::npos);
        EXPECT_NE(r.f.home.Read("ravlet.ini"), "");
    }
}

TEST(LinkOutcomes, RetryFailedRunsOnlyTheFailedRows) {
    RunWindow r;
    r.f.main->Download().DownloadButton(0);
    r.f.main->Downloads().SelectFailed();
    EXPECT_EQ(r.f.main->ListLinks().SelectedCount(), 1u);
    EXPECT_TRUE(r.f.main->ListLinks().Selected(2));

    r.bMissing = false;
    r.f.main->Downloads().RetryFailed();
    EXPECT_EQ(r.requests["a"], 1) << "a done row is not fetched again";
    EXPECT_EQ(r.requests["b"], 2);
    EXPECT_EQ(r.Column(StatusText),
              (std::vector<std::string>{"done", "skipping: is text/html", "done"}));
    EXPECT_EQ(r.f.home.Read("dl/b.bin"), "late");
    EXPECT_EQ(r.f.main->ListLinks().Current(), 2) << "the list follows the retried row";

    r.f.main->Downloads().RetryFailed();
    EXPECT_EQ(r.requests["b"], 2) << "nothing failed, nothing runs";
    EXPECT_EQ(r.f.main->StatusBar.Caption(), "No failed links to retry.");
}

TEST(MainDownloads, AnExistingFileIsKeptWithoutAWindowToAsk) {
    RunWindow r;
    r.f.home.Write("dl/a.bin", "old content");
    r.f.main->Download().DownloadButton(0);
    EXPECT_EQ(r.f.home.Read("dl/a.bin"), "old content");
    EXPECT_EQ(r.f.main->StatusBar.Caption(), "download finished. 1 error(s)");
}

TEST(MainDownloads, TheAutomaticCloseClosesTheWindowWithoutTheQuestion) {
    RunWindow r;
    r.bMissing = false;
    AppSettings().Auto_Close = 1;
    r.f.main->Download().DownloadButton(0);
    EXPECT_EQ(r.closes, 1);
    EXPECT_TRUE(r.f.main->Closed());
    EXPECT_TRUE(r.f.ui.messages.empty()) << "no closing question";
}

// A run with one error, titles stepping the clock by stepMs: the notifications it leaves.
TEST(EndOfALongRun, Case) {
    const struct {
        const char* what;
        long stepMs;
        bool active, desktop;
        const char* notes;
    } rows[] = {
        {"long run, window elsewhere", 3000, false, true, "ravlet: download finished. 1 error(s)"},
        {"no notification tool: the tray tells", 3000, false, false,
         "ravlet: download finished. 1 error(s)|tray ravlet: download finished. 1 error(s)"},
        {"long run, window active", 3000, true, true, ""},
        {"under ten seconds", 1500, false, true, ""},
    };
    for (const auto& row : rows) {
        RunWindow r(row.stepMs);
        r.active = row.active;
        r.desktop = row.desktop;
        r.f.main->Download().DownloadButton(0);
        EXPECT_EQ(r.notes, test::Split(row.notes)) << row.what;
    }
}

TEST(RunProgress, FilesBytesSpeedAndTimeLeft) {
    RunProgress p;
    p.Start(4, 1000);
    p.Finished(1, 1024);
    p.Transfer(2, 512, 2048);
    EXPECT_EQ(p.Percent(), 31);
    // Left: 1.5 KB of the running file, and two files of the average size known (1.5 KB).
    EXPECT_EQ(p.Text(3000), "1 of 4 files, 1.5 KB of 2.0 KB, 768 B/s, 0:06 left");
    EXPECT_EQ(ProgressTitle(p.Percent(), "ravlet"), "31% ravlet");
    EXPECT_EQ(p.Text(1500), "1 of 4 files, 1.5 KB of 2.0 KB") << "no speed before a second";

    // Before any file is done, the first announced length gives the time left.
    p.Start(3, 0);
    p.Transfer(1, 1000, -1);
    EXPECT_EQ(p.Text(2000), "0 of 3 files, 1000 B, 500 B/s") << "no length, no time left";
    p.Transfer(1, 1000, 4000);
    EXPECT_EQ(p.Text(2000), "0 of 3 files, 1000 B of 3.9 KB, 500 B/s, 0:22 left");
}

}  // namespace ravlet
