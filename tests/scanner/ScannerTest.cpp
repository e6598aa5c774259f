#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <tuple>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "main/MainScannerHost.h"
#include "scanner/frmScanner.h"
#include "support/Joined.h"
#include "support/MainFixture.h"
#include "support/RowName.h"
#include "support/TestHttpServer.h"

namespace ravlet {

namespace {

using Rows = std::vector<std::string>;

using test::Page;

bool Has(const Rows& rows, const std::string& row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

// A main window, its scanner and a local server.
struct Scan {
    Scan() {
        f.main->ShowMainWindow();
        // The main window's log took the messages over; the test records them again.
        SetLogHandler([this](const std::string& text, bool show) {
            f.log.push_back(text);
            shown = shown && show;
        });
        scanner.SetView(&view);
        scanner.Form_Load();
        AppSettings().Scanner_ListTake = false;
    }
    // The site of the link graph: index -> a, sub/b, pic.jpg and a foreign address;
    // a -> index, /sub/c; sub/b -> ../a, c#top; sub/c -> d; sub/d -> nothing.
    void Site() {
        server.Route("/index.html", Page("<a href=\"a.html\">A</a> <a href='sub/b.html'>B</a> "
                                         "<a href=pic.jpg>P</a> "
                                         "<a href=\"http://elsewhere.invalid/x.html\">X</a>"));
        server.Route("/a.html", Page("<a href=index.html>I</a><a href=\"/sub/c.html\">C</a>"));
        server.Route("/sub/b.html", Page("<A HREF=\"../a.html\">A</A> <a href=\"c.html#top\">"));
        server.Route("/sub/c.html", Page("<a href=d.html>D</a>"));
        server.Route("/sub/d.html", Page("no links here"));
        server.Route("/pic.jpg", Page("JFIF", "image/jpeg"));
    }
    // A null base leaves the base empty: every address passes the base test.
    void Run(const std::string& startPath, const char* basePath = "/") {
        scanner.txtInStart = server.Url(startPath);
        scanner.txtInBase = basePath ? server.Url(basePath) : "";
        scanner.zcAny_Click(0);
    }
    // The paths the server was asked for, in order.
    Rows Fetched() const {
        Rows paths;
        for (const auto& r : server.Received()) paths.push_back(r.path);
        return paths;
    }
    // The addresses given as paths of the server ("/..."), others as they are.
    Rows Urls(const Rows& paths) const {
        Rows urls;
        for (const std::string& p : paths) urls.push_back(p.rfind("/", 0) == 0 ? server.Url(p) : p);
        return urls;
    }
    bool Logged(const std::string& line) const { return Has(f.log, line); }
    // A page that never answers.
    void StallAt(const std::string& path) {
        test::TestResponse stall;
        stall.neverAnswer = true;
        server.Route(path, stall);
    }

    // Events served between two addresses, after the start page was parsed (events are also
    // served while a page is read and scanned).
    bool AfterStartPage() const {
        return scanner.lstLnkDone.Count() == 1 && scanner.StatusLbl.Caption() == "done.";
    }
    bool shown = true;  // every message asked to show the log
    struct View : ScannerView {
        int focusStart = 0;
        void FocusStart() override { ++focusStart; }
    } view;
    test::MainFixture f;
    test::TestHttpServer server;
    MainScannerHost host{*f.main};
    frmScanner scanner{host};
};

// The paths fetched and the addresses collected, as "|"-joined paths of the server.
struct LevelCase {
    const char* name;
    int mode;
    int depth;
    const char* fetched;
    const char* collected;
};

const LevelCase kLevels[] = {
    {"NoLimit", 0, 0, "/index.html|/pic.jpg|/a.html|/sub/b.html|/sub/c.html|/sub/d.html",
     "/index.html|http://elsewhere.invalid/x.html|/pic.jpg|/a.html|/sub/b.html|/sub/c.html|"
     "/sub/d.html"},
    {"StartPagesOnly", 1, 0, "/index.html",
     "/index.html|http://elsewhere.invalid/x.html|/pic.jpg|/a.html|/sub/b.html"},
    {"DepthZero", 2, 0, "/index.html",
     "/index.html|http://elsewhere.invalid/x.html|/pic.jpg|/a.html|/sub/b.html"},
    {"DepthOne", 2, 1, "/index.html|/pic.jpg|/a.html|/sub/b.html",
     "/index.html|http://elsewhere.invalid/x.html|/pic.jpg|/a.html|/sub/b.html|/sub/c.html"},
    {"DepthTwo", 2, 2, "/index.html|/pic.jpg|/a.html|/sub/b.html|/sub/c.html",
     "/index.html|http://elsewhere.invalid/x.html|/pic.jpg|/a.html|/sub/b.html|/sub/c.html|"
     "/sub/d.html"},
    {"NegativeDepthParsesNothing", 2, -3, "", "/index.html"},
};

class ScannerLevels : public ::testing::TestWithParam<LevelCase> {};

}  // namespace

TEST_P(ScannerLevels, FetchesAndCollects) {
    const LevelCase& c = GetParam();
    Scan s;
    s.Site();
    AppSettings().Scanner_LevelMode = c.mode;
    AppSettings().Scanner_LevelDepth = c.depth;
    s.Run("/index.html");
    EXPECT_EQ(s.Fetched(), test::Split(c.fetched));
    EXPECT_EQ(s.f.Rows(), s.Urls(test::Split(c.collected)));
    EXPECT_EQ(s.scanner.StatusLbl.Caption(), "Scan finished.");
    EXPECT_EQ(s.scanner.State(), Scan_Idle);
    EXPECT_EQ(s.scanner.Caption(), "scanner");
    EXPECT_TRUE(s.scanner.lstLnkDo.Empty());
    EXPECT_EQ(s.scanner.objRvGet(), nullptr) << "the fetch object lives as long as the scan";
    EXPECT_EQ(s.f.main->State(), 2);
    EXPECT_EQ(s.f.refiner.ResetList(), s.f.Rows());
    EXPECT_TRUE(s.f.log.empty()) << s.f.log.front();
    for (const auto& r : s.server.Received())
        EXPECT_EQ(HeaderOf(r, "Referer"), s.server.Url("/index.html"))
            << "the start is the referrer";
}

INSTANTIATE_TEST_SUITE_P(Modes, ScannerLevels, ::testing::ValuesIn(kLevels),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Scanner, ProgressShowsQueueAndVisitedCounts) {
    Scan s;
    s.Site();
    Rows infos, captions;
    s.f.ui.onServeEvents = [&] {
        infos.push_back(s.scanner.StatusInfoLbl());
        captions.push_back(s.scanner.Caption());
    };
    s.Run("/index.html");
    // pic.jpg is taken from the queue after the start page: two to go, one done, 33 %; then
    // a.html with one to go and two done, 67 %; sub/c.html is the last row, "scanner".
    EXPECT_TRUE(Has(infos, "2 to go (1 done) :" + s.server.Url("/pic.jpg")));
    EXPECT_TRUE(Has(infos, "0 to go (5 done) :" + s.server.Url("/sub/d.html")));
    EXPECT_TRUE(Has(captions, "33% scanner") && Has(captions, "67% scanner"));
    EXPECT_EQ(s.scanner.StatusLbl.Mode(), 0);
    EXPECT_EQ(s.scanner.StatusLbl.Steps(), 5);
    EXPECT_EQ(s.scanner.StatusLbl.Step(), 5);
}

TEST(Scanner, ProgressRoundsHalvesToEven) {
    // Nine addresses: with the start page done and seven to go, 1 of 8 is 12.5 %, shown as 12;
    // 3 of 8 is 37.5 %: 38.
    Scan s;
    std::string body;
    for (int i = 0; i < 8; ++i) body += "<a href=p" + std::to_string(i) + ".png>";
    s.server.Route("/index.html", Page(body));
    Rows captions;
    s.f.ui.onServeEvents = [&] { captions.push_back(s.scanner.Caption()); };
    s.Run("/index.html");
    EXPECT_TRUE(Has(captions, "12% scanner") && !Has(captions, "13% scanner"));
    EXPECT_TRUE(Has(captions, "38% scanner"));
}

// The main list's rows as start pages: relative rows resolve against the base box, or
// without one against the page address; the start address only serves as referrer.
TEST(Scanner, TakesTheMainListAsStartPages) {
    struct Row {
        const char* what;
        Rows rows;  // "{S}" is the server's address
        const char* base;
        const char* page;
        const char* fetched;
    } rows[] = {
        {"relative rows",
         {"a.html", "{S}/sub/c.html", "sub/d.html"},
         "/",
         "",
         "/a.html|/sub/c.html|/sub/d.html"},
        {"no base", {"c.html"}, nullptr, "/sub/b.html", "/sub/c.html"},
        {"an empty list finishes at once", {}, "/", "", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Scan s;
        s.Site();
        AppSettings().Scanner_ListTake = true;
        AppSettings().Scanner_LevelMode = 1;  // every taken row is a start page
        Rows list = r.rows;
        for (std::string& row : list)
            if (row.rfind("{S}", 0) == 0) row = s.server.Url(row.substr(3));
        s.f.Rows(list);
        s.f.main->txtUrlBase = r.base ? s.server.Url(r.base) : "";
        s.f.main->txtUrl.text = *r.page ? s.server.Url(r.page) : "";
        s.Run("/index.html");
        EXPECT_EQ(s.Fetched(), test::Split(r.fetched));
        EXPECT_EQ(s.scanner.StatusLbl.Caption(), "Scan finished.");
        EXPECT_EQ(s.f.main->State(), 2);
        if (list.size() == 3) {
            // New rows are added behind the taken ones, the start page last.
            Rows expected = list;
            for (const char* p : {"/a.html", "/sub/d.html", "/index.html"})
                expected.push_back(s.server.Url(p));
            EXPECT_EQ(s.f.Rows(), expected);
        }
    }
}

TEST(Scanner, AStartWithoutAKnownSchemeChangesNothing) {
    for (const std::string start : {"", "   ", "www.example.com/", "data:text/html,x"}) {
        Scan s;
        s.f.Rows({"kept"});
        s.scanner.lstLnkDone.Add("from before");
        s.f.main->State(0);
        s.scanner.txtInStart = start;
        s.scanner.zcAny_Click(0);
        EXPECT_EQ(s.f.MessageTexts(),
                  (Rows{"Please supply an URL to start. If you're using ravlets' list, supply "
                        "this as Referrer."}));
        EXPECT_EQ(s.view.focusStart, 1);
        EXPECT_EQ(s.scanner.State(), Scan_Idle);
        EXPECT_EQ(s.f.main->State(), 0);
        EXPECT_EQ(s.scanner.lstLnkDone.Items(), (Rows{"from before"}));
        EXPECT_EQ(s.f.Rows(), (Rows{"kept"}));
    }
}

// A redirect of /old.html inside the base is followed and logged; when it leads to a page
// visited before, that page adds no second row and no links.
TEST(Scanner, RedirectsInsideTheBase) {
    // Where /old.html leads, the start page; the addresses collected (nullptr: not looked at)
    // and visited.
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"/sub/d.html", "<a href=old.html>", "/start.html|/sub/d.html",
         "/start.html|/old.html|/sub/d.html"},
        {"/a.html", "<a href=a.html> <a href=old.html>", nullptr,
         "/start.html|/a.html|/old.html|/index.html|/pic.jpg|/sub/c.html|/sub/b.html|/sub/d.html"},
    };
    for (const auto& [target, page, collected, visited] : rows) {
        Scan s;
        s.Site();
        s.server.Redirect("/old.html", target);
        s.server.Route("/start.html", Page(page));
        s.Run("/start.html");
        EXPECT_TRUE(s.Logged("Scanner: Redirected to: " + s.server.Url(target) +
                             " from: " + s.server.Url("/old.html")));
        if (collected) {
            EXPECT_EQ(s.f.Rows(), s.Urls(test::Split(collected)));
        }
        EXPECT_EQ(s.scanner.lstLnkDone.Items(), s.Urls(test::Split(visited)));
    }
}

// A redirect out of the base ends there, unless foreign redirects are scanned too.
TEST(Scanner, ARedirectOutsideTheBaseEndsOrIsScanned) {
    // Whether foreign redirects are scanned; the paths fetched and the addresses collected.
    const std::tuple<bool, const char*, const char*> rows[] = {
        {false, "/in/start.html|/in/go.html|/out/page.html", "/in/start.html"},
        {true, "/in/start.html|/in/go.html|/out/page.html|/in/found.html",
         "/in/start.html|/out/other.html|/in/found.html"},
    };
    for (const auto& [scanForeign, fetched, collected] : rows) {
        Scan s;
        s.server.Route("/in/start.html", Page("<a href=go.html>"));
        s.server.Redirect("/in/go.html", "/out/page.html");
        s.server.Route("/out/page.html", Page("<a href=/in/found.html> <a href=other.html>"));
        s.server.Route("/in/found.html", Page("found"));
        AppSettings().Scanner_ForeignRedirectScan = scanForeign;
        s.Run("/in/start.html", "/in/");
        EXPECT_EQ(s.Fetched(), test::Split(fetched));
        EXPECT_EQ(s.f.Rows(), s.Urls(test::Split(collected)));
        EXPECT_TRUE(s.Logged("Scanner: Redirected to: " + s.server.Url("/out/page.html") +
                             " from: " + s.server.Url("/in/go.html")));
    }
}

TEST(Scanner, PagesThatAreNotThereAreLogged) {
    Scan s;
    test::TestResponse failed = Page("<a href=never.html>");
    failed.status = 500;
    failed.reason = "Server Error";
    s.server.Route("/broken.html", failed);
    s.server.Route("/start.html", Page("<a href=missing.html> <a href=broken.html>"));
    s.Run("/start.html");
    EXPECT_EQ(s.f.log, (Rows{"Scanner: Not Found: " + s.server.Url("/missing.html") +
                                 " [General: URL could have been redirected]",
                             "Scanner: Not Found: " + s.server.Url("/broken.html") +
                                 " [General: URL could have been redirected]"}));
    EXPECT_TRUE(s.shown) << "scanner messages show the log";
    EXPECT_EQ(s.f.Rows(), s.Urls({"/start.html"}));
}

TEST(Scanner, AServerThatStallsIsBoundedByTheTimeout) {
    Scan s;
    s.StallAt("/stall.html");
    s.server.Route("/start.html", Page("<a href=stall.html> <a href=after.png>"));
    s.server.Route("/after.png", Page("png", "image/png"));
    AppSettings().nettimeout = 300;
    s.Run("/start.html");
    ASSERT_EQ(s.f.log.size(), 1u);
    EXPECT_EQ(s.f.log[0].rfind("Scanner: Error: ", 0), 0u) << s.f.log[0];
    EXPECT_NE(s.f.log[0].find(" Url(Scan): " + s.server.Url("/stall.html")), std::string::npos);
    EXPECT_EQ(s.f.Rows(), s.Urls({"/start.html", "/after.png"})) << "the scan went on";
}

// The open of a page that never answers is ended by Stop, not by the time-out.
TEST(Scanner, StopEndsAStalledOpenAtOnce) {
    Scan s;
    s.StallAt("/stall.html");
    s.server.Route("/start.html", Page("<a href=stall.html> <a href=after.html>"));
    AppSettings().nettimeout = 10000;
    std::chrono::steady_clock::time_point pressedAt;
    bool pressed = false;
    s.f.ui.onServeEvents = [&] {
        if (pressed || s.Fetched().empty() || s.Fetched().back() != "/stall.html") return;
        pressed = true;
        pressedAt = std::chrono::steady_clock::now();
        s.f.ui.answers.push_back(MsgAnswer::Yes);
        s.scanner.zcAny_Click(2);
    };
    s.Run("/start.html");
    ASSERT_TRUE(pressed);
    EXPECT_LT(std::chrono::steady_clock::now() - pressedAt, std::chrono::seconds(1));
    EXPECT_EQ(s.scanner.StatusLbl.Caption(), "Stopped.");
    EXPECT_EQ(s.scanner.State(), Scan_Idle);
    EXPECT_EQ(s.Fetched(), (Rows{"/start.html", "/stall.html"})) << "nothing after the stop";
    EXPECT_EQ(s.f.Rows().front(), s.server.Url("/start.html"));
}

// One start page "/start.html" and what the server answers besides: the paths fetched and
// the addresses collected ("|" between them; nullptr: not looked at). Every scan finishes.
struct PageCase {
    const char* what;
    std::function<void(Scan&)> serve;
    const char* fetched;
    const char* collected;
    std::function<void(Settings&)> settings = nullptr;
    bool anyBase = false;  // no base: every address passes the base test
};

class ScannerPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(ScannerPages, FetchAndCollect) {
    const PageCase& c = GetParam();
    Scan s;
    c.serve(s);
    if (c.settings) c.settings(AppSettings());
    s.Run("/start.html", c.anyBase ? nullptr : "/");
    if (c.fetched) {
        EXPECT_EQ(s.Fetched(), test::Split(c.fetched));
    }
    if (c.collected) {
        EXPECT_EQ(s.f.Rows(), s.Urls(test::Split(c.collected)));
    }
    EXPECT_EQ(s.scanner.StatusLbl.Caption(), "Scan finished.");
    EXPECT_EQ(s.f.main->State(), 2);
}

// The start page with this body and type; "/in.png" and "/x.html" answer as well.
std::function<void(Scan&)> Start(const std::string& body, const std::string& type = "text/html") {
    return [=](Scan& s) {
        s.server.Route("/start.html", Page(body, type));
        s.server.Route("/in.png", Page("png", "image/png"));
        s.server.Route("/x.html", Page("x"));
    };
}

auto StartPagesOnly = [](Settings& st) { st.Scanner_LevelMode = 1; };

// Only text pages are parsed, by their content type.
PageCase Typed(const char* what, const char* type, bool parsed) {
    return {what, Start("<a href=x.html>", type), nullptr,
            parsed ? "/start.html|/x.html" : "/start.html", StartPagesOnly};
}

std::string Noise() {
    std::string noise;
    for (int i = 0; i < 4096; ++i) noise += static_cast<char>((i * 131) % 256);
    return noise;
}

INSTANTIATE_TEST_SUITE_P(
    Scanner, ScannerPages,
    ::testing::Values(
        Typed("html", "text/html", true), Typed("charset", "text/html; charset=utf-8", true),
        Typed("plain text", "text/plain", true), Typed("capitals", "TEXT/HTML", false),
        Typed("no type", "", false), Typed("image", "image/png", false),
        Typed("xhtml", "application/xhtml+xml", false),
        PageCase{"pages go to the end of the queue and other files to the front",
                 Start("<a href=x.jpg> <a href=y/> <a href=z.html> <a href=w.PNG> <a href=v.HTM>"),
                 "/start.html|/w.PNG|/x.jpg|/y/|/z.html|/v.HTM", nullptr},
        PageCase{
            "foreign links collected only when all are asked",
            Start("<a href=http://f.invalid/1> <a href=in.png> <a href=\"data:text/plain,x\">"),
            nullptr, "/start.html|/in.png",
            [](Settings& st) { st.Scanner_LinkCollectAll = false; }},
        PageCase{"unknown schemes are collected but never fetched",
                 Start("<a href=\"tel:+4930\"> <a href=\"about:blank\"> <a href=/x.html>"),
                 "/start.html|/x.html", "/start.html|tel:+4930|about:blank|/x.html", nullptr, true},
        PageCase{"protocol-relative links take the page's scheme",
                 [](Scan& s) {
                     const std::string host = "127.0.0.1:" + std::to_string(s.server.Port());
                     s.server.Route("/start.html", Page("<a href=\"//" + host + "/x.html\">"));
                     s.server.Route("/x.html", Page("x"));
                 },
                 "/start.html|/x.html", nullptr},
        PageCase{"a page is read up to its limit",
                 Start("<a href=in.png>" + std::string(300000, ' ') + "<a href=late.png>"), nullptr,
                 "/start.html|/in.png", StartPagesOnly},
        PageCase{"binary and malformed pages end cleanly",
                 Start(Noise() + "<a href=\"unclosed <a href=' <img src=<a href=in.png>" + Noise()),
                 nullptr, nullptr},
        PageCase{"link loops end",
                 [](Scan& s) {
                     s.server.Route("/a.html", Page("<a href=b.html>"));
                     s.server.Route("/b.html", Page("<a href=a.html> <a href=B.HTML>"));
                     s.server.Redirect("/loop1.html", "/loop2.html");
                     s.server.Redirect("/loop2.html", "/loop1.html");
                     s.server.Route("/start.html", Page("<a href=a.html> <a href=loop1.html>"));
                 },
                 nullptr, "/start.html|/a.html|/b.html"}),
    test::RowName());
TEST(Scanner, TheCacheHoldsTheLatestCollectedAddresses) {
    Scan s;
    AppSettings().Scanner_Cache = 2;
    s.server.Route("/start.html", Page("<a href=http://f.invalid/1> <a href=http://f.invalid/2> "
                                       "<a href=http://f.invalid/3> <a href=HTTP://F.INVALID/1>"));
    std::size_t most = 0;
    s.f.ui.onServeEvents = [&] { most = std::max(most, s.scanner.lstLnkCache.Count()); };
    s.Run("/start.html");
    EXPECT_EQ(s.scanner.lstLnkCache.Items(), (Rows{"http://f.invalid/3", "HTTP://F.INVALID/1"}));
    EXPECT_LE(most, 2u);
    EXPECT_EQ(s.f.Rows(), (Rows{s.server.Url("/start.html"), "http://f.invalid/1",
                                "http://f.invalid/2", "http://f.invalid/3"}))
        << "an address that left the cache meets the list's own duplicate test";
}

TEST(Scanner, LongAddressesAreQueuedAndCollected) {
    Scan s;
    const std::string path = "/" + std::string(1994, 'a') + ".html";
    ASSERT_EQ(path.size(), 2000u);
    s.server.Route("/start.html", Page("<a href=\"" + path + "\">"));
    s.server.Route(path, Page("long"));
    s.Run("/start.html");
    EXPECT_EQ(s.Fetched(), (Rows{"/start.html", path}));
    EXPECT_EQ(s.f.Rows(), s.Urls({"/start.html", path}));
}

TEST(Scanner, PauseWaitsForEventsUntilContinue) {
    Scan s;
    s.Site();
    int waits = 0;
    Rows pausedStatus;
    s.f.ui.onServeEvents = [&] {
        if (s.AfterStartPage() && s.scanner.State() == Scan_Running && waits == 0) {
            EXPECT_TRUE(s.scanner.Controls().pause);
            s.scanner.zcAny_Click(1);
            EXPECT_EQ(s.scanner.State(), Scan_PauseAsked);
            return;
        }
        if (s.scanner.State() != Scan_Paused) return;
        pausedStatus.push_back(s.scanner.StatusLbl.Caption());
        EXPECT_TRUE(s.scanner.Controls().start);
        EXPECT_FALSE(s.scanner.Controls().pause);
        EXPECT_TRUE(s.scanner.Controls().stop);
        EXPECT_EQ(s.server.Requests(), 1) << "nothing is fetched while paused";
        if (++waits == 5) s.scanner.zcAny_Click(0);
    };
    s.Run("/index.html");
    EXPECT_EQ(waits, 5);
    EXPECT_EQ(pausedStatus.front(), "-*- paused -*-");
    EXPECT_EQ(s.Fetched().size(), 6u) << "the scan went on after Continue";
    EXPECT_EQ(s.scanner.StatusLbl.Caption(), "Scan finished.");
}

struct StopCase {
    const char* name;
    MsgAnswer answer;
    bool whilePaused;
    bool stops;
};

class ScannerStop : public ::testing::TestWithParam<StopCase> {};

TEST_P(ScannerStop, AsksAndStopsAfterTheCurrentAddress) {
    const StopCase& c = GetParam();
    Scan s;
    s.Site();
    bool pressed = false;
    s.f.ui.onServeEvents = [&] {
        if (pressed) return;
        if (c.whilePaused && s.scanner.State() == Scan_Paused) {
            pressed = true;
            s.f.ui.answers.push_back(c.answer);
            s.scanner.zcAny_Click(2);
            return;
        }
        if (!s.AfterStartPage()) return;
        if (c.whilePaused) {
            s.scanner.zcAny_Click(1);
            return;
        }
        pressed = true;
        s.f.ui.answers.push_back(c.answer);
        s.scanner.zcAny_Click(2);
    };
    s.Run("/index.html");
    ASSERT_TRUE(pressed);
    EXPECT_EQ(s.f.MessageTexts(), (Rows{"Do you want to stop scanning ?"}));
    EXPECT_EQ(s.f.ui.messages[0].buttons, MsgButtons::YesNoCancel);
    if (c.stops) {
        EXPECT_EQ(s.scanner.StatusLbl.Caption(), "Stopped.");
        EXPECT_EQ(s.Fetched(), (Rows{"/index.html"}));
        EXPECT_TRUE(s.scanner.lstLnkDo.Empty());
        EXPECT_TRUE(s.scanner.Stopped());
    } else {
        EXPECT_EQ(s.scanner.StatusLbl.Caption(), "Scan finished.");
        EXPECT_EQ(s.Fetched().size(), 6u);
    }
    EXPECT_EQ(s.scanner.State(), Scan_Idle);
    EXPECT_EQ(s.f.main->State(), 2);
    EXPECT_EQ(s.f.Rows().front(), s.server.Url("/index.html")) << "what was collected stays";
}

INSTANTIATE_TEST_SUITE_P(Answers, ScannerStop,
                         ::testing::Values(StopCase{"Yes", MsgAnswer::Yes, false, true},
                                           StopCase{"No", MsgAnswer::No, false, false},
                                           StopCase{"Cancel", MsgAnswer::Cancel, false, false},
                                           StopCase{"YesWhilePaused", MsgAnswer::Yes, true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Scanner, StopWithAnEmptyQueueEndsAsFinished) {
    Scan s;
    s.server.Route("/start.html", Page("no links"));
    s.f.ui.onServeEvents = [&] {
        if (s.scanner.State() != Scan_Running) return;
        s.f.ui.answers.push_back(MsgAnswer::Yes);
        s.scanner.zcAny_Click(2);
    };
    s.Run("/start.html");
    EXPECT_EQ(s.scanner.StatusLbl.Caption(), "Scan finished.");
    EXPECT_FALSE(s.scanner.Stopped());
}

TEST(Scanner, CommandsOfAnIdleScannerChangeNothing) {
    Scan s;
    s.scanner.zcAny_Click(1);
    s.scanner.zcAny_Click(2);
    EXPECT_EQ(s.scanner.State(), Scan_Idle);
    EXPECT_TRUE(s.f.ui.messages.empty());
}

TEST(Scanner, StateSetsTheButtons) {
    // state: start, pause, stop
    const std::tuple<int, bool, bool, bool> rows[] = {{0, true, false, false},
                                                      {1, false, true, true},
                                                      {2, false, false, false},
                                                      {3, true, false, true},
                                                      {4, false, false, false}};
    for (const auto& [state, start, pause, stop] : rows) {
        const ScannerControls c = ScannerControlsFor(state);
        EXPECT_EQ(std::tie(c.start, c.pause, c.stop), std::tie(start, pause, stop)) << state;
    }
}

TEST(Scanner, DoesNotStartWhileTheMainWindowIsBusy) {
    Scan s;
    s.Site();
    s.f.main->State(3);
    s.Run("/index.html");
    EXPECT_TRUE(s.Fetched().empty());
    EXPECT_EQ(s.f.main->State(), 3);
    EXPECT_EQ(s.scanner.State(), Scan_Idle);
}

TEST(Scanner, OpeningTakesTheMainWindowsAddresses) {
    test::MainFixture f;
    f.main->txtUrl.text = "http://h/dir/page.html";
    f.main->txtUrlBase = "http://h/dir/";
    MainScannerHost host(*f.main);
    {
        frmScanner scanner(host);
        EXPECT_FALSE(frmScanner::ScannerOpen());
        scanner.Form_Load();
        EXPECT_TRUE(frmScanner::ScannerOpen());
        EXPECT_EQ(scanner.txtInStart, "http://h/dir/page.html");
        EXPECT_EQ(scanner.txtInBase, "http://h/dir/");
        EXPECT_EQ(scanner.Caption(), "scanner");
    }
    EXPECT_FALSE(frmScanner::ScannerOpen());
}

TEST(Scanner, CloseAsksAndAScanningScannerStaysOpen) {
    Scan s;
    s.f.ui.answers = {MsgAnswer::No, MsgAnswer::Yes};
    EXPECT_FALSE(s.scanner.Form_QueryUnload());
    EXPECT_TRUE(s.scanner.Form_QueryUnload());
    EXPECT_EQ(s.f.MessageTexts(),
              (Rows{"Do you want to close the Scanner ?", "Do you want to close the Scanner ?"}));
    EXPECT_EQ(s.f.ui.messages[0].buttons, MsgButtons::YesNo);

    s.Site();
    s.f.ui.messages.clear();
    bool closed = true;
    s.f.ui.onServeEvents = [&] {
        if (!s.AfterStartPage() || !s.f.ui.messages.empty()) return;
        s.f.ui.answers.push_back(MsgAnswer::Yes);
        closed = s.scanner.Form_QueryUnload();
    };
    s.Run("/index.html");
    EXPECT_FALSE(closed);
    EXPECT_EQ(s.f.MessageTexts(), (Rows{"Do you want to stop scanning ?"}));
    EXPECT_EQ(s.scanner.StatusLbl.Caption(), "Stopped.");
}

TEST(Scanner, BaseButtons) {
    Scan s;
    s.scanner.txtInStart = "http://h/a/b/c.html";
    // The button pressed, then the base and its level count.
    const std::tuple<int, const char*, int> steps[] = {
        {2, "", 0},  // down with nothing to go down to
        {0, "http://h/a/b/c.html", 0},
        {1, "http://h/a/b/", 1},
        {1, "http://h/a/", 2},
        {1, "http://h/", 3},
        {2, "http://h/a/", 2},
        {2, "http://h/a/b/", 1},
        {2, "http://h/a/b/c.html", 0},
        {2, "http://h/a/b/c.html", 0},
        {1, "http://h/a/b/", 1},
        {1, "http://h/a/", 2},
        {1, "http://h/", 3},
        {1, "http://h/", 4},  // the site's level counts once
        {1, "http://h/", 4},  // no level above it
    };
    for (const auto& [button, base, count] : steps) {
        s.scanner.txtInBaseCmd_Click(button);
        EXPECT_EQ(s.scanner.txtInBase, base) << "button " << button;
        EXPECT_EQ(s.scanner.BaseLevelCount(), count) << "button " << button;
    }
}

TEST(Scanner, BaseUpWithoutAReferenceGivesAnEmptyBase) {
    Scan s;
    s.scanner.txtInBase = "http://h/x/";
    s.scanner.txtInBaseCmd_Click(1);
    EXPECT_EQ(s.scanner.txtInBase, "");
    EXPECT_EQ(s.scanner.BaseLevelCount(), 1);
    EXPECT_TRUE(s.scanner.BeginsWithBase("anything at all"));
    // The base test ignores letter case.
    s.scanner.txtInBase = "http://H/Dir/";
    EXPECT_TRUE(s.scanner.BeginsWithBase("http://h/dir/x.html"));
    EXPECT_TRUE(s.scanner.BeginsWithBase("HTTP://H/DIR/"));
    EXPECT_FALSE(s.scanner.BeginsWithBase("http://h/dir"));
    EXPECT_FALSE(s.scanner.BeginsWithBase("http://h/other/"));
}

}  // namespace ravlet
