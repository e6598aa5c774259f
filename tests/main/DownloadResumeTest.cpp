#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "main/ResumeRecord.h"
#include "net/RvNetGet.h"
#include "support/RowName.h"
#include "support/RunFixture.h"
#include "support/TempHome.h"

namespace ravlet {
namespace {

using test::TestRequest;
using test::TestResponse;
using Names = std::vector<std::string>;

constexpr std::int64_t kSize = 100000;
constexpr std::int64_t kHave = 40000;  // bytes of the part an earlier run left

std::string Bytes(std::int64_t size, int seed) {
    std::string s(static_cast<std::size_t>(size), '\0');
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<char>((i * 7 + seed) % 251);
    return s;
}
const std::string Remote = Bytes(kSize, 1);  // the remote file
const std::string G = Bytes(kSize, 2);       // the same address after a change
const std::string G2 = Bytes(30000, 3);      // a change that made it shorter than the part

TestResponse Whole(const std::string& body, const std::string& etag) {
    TestResponse r = test::Typed(body, "application/octet-stream");
    if (!etag.empty()) r.headers.push_back({"ETag", etag});
    return r;
}

TestResponse Rest(const std::string& body, std::int64_t first, std::int64_t total,
                  const std::string& etag) {
    TestResponse r = Whole(body, etag);
    r.status = 206;
    r.reason = "Partial Content";
    r.headers.push_back(
        {"Content-Range", "bytes " + std::to_string(first) + "-" +
                              std::to_string(first + std::int64_t(body.size()) - 1) + "/" +
                              std::to_string(total)});
    return r;
}

TestResponse Answer(int status,
                    const std::vector<std::pair<std::string, std::string>>& headers = {}) {
    TestResponse r = test::Typed("<h1>later</h1>", "text/html");
    r.status = status;
    r.reason = "Whatever";
    r.headers.insert(r.headers.end(), headers.begin(), headers.end());
    return r;
}

class Resume : public test::RunFixture {
  protected:
    Resume() {
        // Time moves a quarter second with every wait for events: retries never sleep.
        run.RetryClock = [this] { return now; };
        ui.onServeEvents = [this] {
            now += 250;
            if (onEvents) onEvents();
        };
        MakePathFor(Part());
    }

    std::string U() const { return server.Url("/a.bin"); }
    std::string Part() const { return Saved("a.bin.part"); }
    bool Get() {
        settings.netParallel = parallel;
        host.list.Clear();
        host.list.Add(U());
        run.doSuck();
        return run.Errors() == 0;
    }

    std::int64_t now = 0;
    std::function<void()> onEvents;
    int parallel = 1;  // 4: the run side by side, with its own transfers
};

// Tables run one link at a time and side by side: both runs must end alike.
template <typename Row>
class BothRuns : public Resume, public ::testing::WithParamInterface<std::tuple<Row, int>> {
  protected:
    BothRuns() { parallel = std::get<1>(this->GetParam()); }
    const Row& row() const { return std::get<0>(this->GetParam()); }
};

struct BothRunsName {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return test::NameFromText(std::get<0>(info.param).what) +
               (std::get<1>(info.param) > 1 ? "_side_by_side" : "");
    }
};

template <typename Row>
auto InBothRuns(std::initializer_list<Row> rows) {
    return ::testing::Combine(::testing::ValuesIn(std::vector<Row>(rows)), ::testing::Values(1, 4));
}

// How the link's answer names the file: after the link, after a redirect, after the server.
struct NamedRow {
    const char* what;
    std::string name;
    std::function<void(test::TestHttpServer&, std::function<TestResponse(const TestRequest&)>)>
        serve;
};

class BrokenRows : public BothRuns<NamedRow> {};

TEST_P(BrokenRows, KeepItsPartAndTheNextRunAsksOnlyForTheRest) {
    TestResponse cut = Whole(Remote, "\"v1\"");
    cut.closeAfter = kHave;
    row().serve(server, [cut](const TestRequest&) { return cut; });
    EXPECT_FALSE(Get());
    EXPECT_EQ(Files(), (Names{"a.bin.part", "a.bin.part.resume"})) << "nothing under the name";
    EXPECT_EQ(Content("a.bin.part"), Remote.substr(0, kHave));
    ResumeRecord record;
    ASSERT_TRUE(ReadResumeRecord(Part(), record));
    EXPECT_EQ(record.address, U());
    EXPECT_EQ(record.etag, "\"v1\"");
    EXPECT_EQ(record.length, kSize);

    row().serve(server, [](const TestRequest& r) {
        if (HeaderOf(r, "Range") == "bytes=40000-" && HeaderOf(r, "If-Range") == "\"v1\"")
            return Rest(Remote.substr(kHave), kHave, kSize, "\"v1\"");
        return Whole(Remote, "\"v1\"");
    });
    EXPECT_TRUE(Get());
    EXPECT_EQ(Content(row().name), Remote);
    EXPECT_EQ(Files(), Names{row().name}) << "part and record gone";
    EXPECT_EQ(server.BodyBytes(), kSize) << "no byte sent twice";
}

INSTANTIATE_TEST_SUITE_P(
    Names, BrokenRows,
    InBothRuns<NamedRow>({{"named after the link", "a.bin",
                           [](test::TestHttpServer& s, auto answer) { s.Route("/a.bin", answer); }},
                          {"named after a redirect", "b.bin",
                           [](test::TestHttpServer& s, auto answer) {
                               s.Redirect("/a.bin", "/files/b.bin");
                               s.Route("/files/b.bin", answer);
                           }},
                          {"named by the server", "c.bin",
                           [](test::TestHttpServer& s, auto answer) {
                               s.Route("/a.bin", [answer](const TestRequest& r) {
                                   TestResponse named = answer(r);
                                   named.headers.push_back(
                                       {"Content-Disposition", "attachment; filename=\"c.bin\""});
                                   return named;
                               });
                           }}}),
    BothRunsName());

// A part of 40000 bytes with a record; what the server answers the next run.
struct ResumeRow {
    const char* what;
    // The record beside the part; "{U}" is the link.
    std::string record;
    std::function<TestResponse(const TestRequest&)> server;
    bool rangeAsked;
    std::string stored;  // the file's content afterwards; empty: no file
    Names files;
    int errors = 0;
    std::function<void(Settings&)> settings = nullptr;
};

std::string Record(const std::string& address, const std::string& etag, std::int64_t length) {
    return ResumeRecordText(ResumeRecord{address, etag, "", length});
}

// The server's answers to a request with a Range and to one without.
std::function<TestResponse(const TestRequest&)> Ranged(TestResponse ranged, TestResponse whole) {
    return [=](const TestRequest& r) { return HeaderOf(r, "Range").empty() ? whole : ranged; };
}
const auto Continues =
    Ranged(Rest(Remote.substr(kHave), kHave, kSize, "\"v1\""), Whole(Remote, "\"v1\""));

class ResumeRows : public BothRuns<ResumeRow> {};

TEST_P(ResumeRows, ContinueOnlyWhatMatchesElseStartOver) {
    const ResumeRow& row = this->row();
    if (row.settings) row.settings(settings);
    home.Write("dl/a.bin.part", Remote.substr(0, kHave));
    std::string record = row.record;
    const std::size_t u = record.find("{U}");
    if (u != std::string::npos) record.replace(u, 3, U());
    home.Write("dl/a.bin.part.resume", record);
    server.Route("/a.bin", row.server);
    Get();
    const std::vector<TestRequest> asked = server.Received();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(!HeaderOf(asked.front(), "Range").empty(), row.rangeAsked);
    EXPECT_EQ(Content("a.bin"), row.stored);
    EXPECT_EQ(run.Errors(), row.errors);
    EXPECT_EQ(Files(), row.files);
    for (const std::string& line : log) EXPECT_EQ(line.find("Retry"), std::string::npos) << line;
}

const Names kDone{"a.bin"};
const Names kUntouched{"a.bin", "a.bin.part", "a.bin.part.resume"};

INSTANTIATE_TEST_SUITE_P(
    Answers, ResumeRows,
    InBothRuns<ResumeRow>(
        {{"matching validators continue", Record("{U}", "\"v1\"", kSize), Continues, true, Remote,
          kDone},
         {"changed ETag sends the new file whole", Record("{U}", "\"v1\"", kSize),
          [](const TestRequest& r) {
              // The server compares If-Range and answers the whole new file.
              EXPECT_EQ(HeaderOf(r, "If-Range"), "\"v1\"");
              return Whole(G, "\"v2\"");
          },
          true, G, kDone},
         {"200 to a Range starts over", Record("{U}", "\"v1\"", kSize),
          Ranged(Whole(Remote, "\"v1\""), Whole(Remote, "\"v1\"")), true, Remote, kDone},
         {"wrong Content-Range starts over", Record("{U}", "\"v1\"", kSize),
          Ranged(Rest(Remote.substr(30000), 30000, kSize, "\"v1\""), Whole(Remote, "\"v1\"")), true,
          Remote, kDone},
         {"206 of a changed ETag starts over", Record("{U}", "\"v1\"", kSize),
          Ranged(Rest(G.substr(kHave), kHave, kSize, "\"v2\""), Whole(G, "\"v2\"")), true, G,
          kDone},
         {"shorter body fails and leaves no part", Record("{U}", "\"v1\"", kSize),
          [](const TestRequest&) {
              TestResponse r = Rest(Remote.substr(kHave, 10000), kHave, kSize, "\"v1\"");
              // The range names the whole rest, the body holds a sixth of it.
              r.headers.back().second = "bytes 40000-99999/100000";
              return r;
          },
          true, "", Names{}, 1},
         {"part larger than the remote file starts over", Record("{U}", "\"v1\"", kSize),
          Ranged(Answer(416), Whole(G2, "\"v1\"")), true, G2, kDone},
         {"garbage record is not this link's", "\x01\x02garbage\n", Continues, false, Remote,
          kUntouched},
         {"truncated record is not this link's", Record("{U}", "\"v1\"", kSize).substr(0, 40),
          Continues, false, Remote, kUntouched},
         {"record of another link is not this link's",
          Record("http://127.0.0.1:1/other.bin", "\"v1\"", kSize), Continues, false, Remote,
          kUntouched},
         {"size limit counts the whole file", Record("{U}", "\"v1\"", kSize), Continues, true, "",
          Names{"a.bin.part", "a.bin.part.resume"}, 0,
          [](Settings& s) {
              s.netsizeforce = true;
              s.netsizemax = 70000;  // the rest alone is below it
          }}}),
    BothRunsName());

// A link whose server fails a number of times before it answers; two retries allowed.
struct RetryRow {
    const char* what;
    TestResponse failure;
    int failures;
    int requests;
    bool downloaded;
    int waitedMs;  // by the run's clock, over all waits
    std::function<void(Settings&)> settings = nullptr;
};

class RetryRows : public BothRuns<RetryRow> {};

// The total of the waits the retry lines announce ("Retry 1 of 2 in 4 s: ...").
int AnnouncedWaitMs(const Names& log) {
    int ms = 0;
    for (const std::string& line : log) {
        int retry = 0, retries = 0, seconds = 0;
        if (std::sscanf(line.c_str(), "Retry %d of %d in %d s:", &retry, &retries, &seconds) == 3)
            ms += seconds * 1000;
    }
    return ms;
}

TEST_P(RetryRows, TransientFailuresAreTriedAgainUpToTheCap) {
    const RetryRow& row = this->row();
    settings.netRetries = 2;
    if (row.settings) row.settings(settings);
    int answered = 0;
    server.Route("/a.bin", [&row, &answered](const TestRequest&) {
        return ++answered <= row.failures ? row.failure : Whole(Remote, "\"v1\"");
    });
    EXPECT_EQ(Get(), row.downloaded);
    EXPECT_EQ(server.Requests(), row.requests);
    EXPECT_EQ(Content("a.bin"), row.downloaded ? Remote : std::string());
    EXPECT_EQ(run.Errors(), row.downloaded ? 0 : 1);
    EXPECT_EQ(AnnouncedWaitMs(log), row.waitedMs);
    // By the run's clock: one at a time waits exactly, side by side no try comes early.
    if (parallel == 1) {
        EXPECT_EQ(ui.waitCount * 250, row.waitedMs);
    }
    EXPECT_GE(now, row.waitedMs);
    // A retry line for every try but the first, the error line only when the last one failed.
    const auto retries = std::count_if(log.begin(), log.end(), [](const std::string& line) {
        return line.rfind("Retry ", 0) == 0 && line.find(" - Url: ") != std::string::npos;
    });
    EXPECT_EQ(retries, row.requests - 1);
    EXPECT_EQ(log.size(), std::size_t(row.requests - 1 + (row.downloaded ? 0 : 1)));
}

TestResponse Silent() {
    TestResponse r;
    r.neverAnswer = true;
    return r;
}

TestResponse Broken() {
    TestResponse r = Whole(Remote, "\"v1\"");
    r.closeAfter = 1000;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, RetryRows,
    InBothRuns<RetryRow>(
        {{"time-out", Silent(), 1, 2, true, 1000, [](Settings& s) { s.nettimeout = 1000; }},
         {"connection reset", Broken(), 2, 3, true, 3000},
         {"500", Answer(500), 1, 2, true, 1000},
         {"408", Answer(408), 1, 2, true, 1000},
         {"429 with Retry-After", Answer(429, {{"Retry-After", "5"}}), 1, 2, true, 5000},
         {"Retry-After of a year is capped", Answer(503, {{"Retry-After", "31536000"}}), 1, 2, true,
          60000},
         {"429 on every try ends at the cap", Answer(429), 99, 3, false, 3000},
         {"doubling stops at 30 s", Answer(500), 99, 8, false,
          1000 + 2000 + 4000 + 8000 + 16000 + 30000 + 30000, [](Settings& s) { s.netRetries = 7; }},
         {"404 is not retried", Answer(404), 99, 1, false, 0}}),
    BothRunsName());

class EachRun : public Resume, public ::testing::WithParamInterface<int> {
  protected:
    EachRun() { parallel = GetParam(); }
};

TEST_P(EachRun, ARetryContinuesWhereTheBytesStopped) {
    settings.netRetries = 1;
    int answered = 0;
    server.Route("/a.bin", [&answered](const TestRequest& r) {
        if (++answered == 1) return Broken();
        if (HeaderOf(r, "Range") == "bytes=1000-")
            return Rest(Remote.substr(1000), 1000, kSize, "\"v1\"");
        return Whole(Remote, "\"v1\"");
    });
    EXPECT_TRUE(Get());
    EXPECT_EQ(Content("a.bin"), Remote);
    EXPECT_EQ(server.BodyBytes(), kSize) << "the retry asked for the rest only";
}

INSTANTIATE_TEST_SUITE_P(Runs, EachRun, ::testing::Values(1, 4), [](const auto& info) {
    return std::string(info.param > 1 ? "side_by_side" : "one_at_a_time");
});

TEST_F(Resume, StopEndsTheWaitBeforeARetryAtOnce) {
    settings.netRetries = 2;
    server.Route("/a.bin", Answer(503, {{"Retry-After", "30"}}));
    onEvents = [this] {
        if (ui.waitCount == 2) run.Stop();
    };
    host.state = 2;
    EXPECT_FALSE(Get());
    EXPECT_TRUE(run.Stopped());
    EXPECT_EQ(ui.waitCount, 2) << "no wait after the stop";
    EXPECT_EQ(server.Requests(), 1);
    EXPECT_EQ(run.Errors(), 1);
}

// The cookie file of the settings: sent with every request, or left out with a log line while
// the run goes on.
struct CookieRow {
    const char* what;
    std::function<void(const test::TempHome&)> file;  // writes "cookies.txt" (or not)
    std::string sent;                                 // the Cookie header; empty: none
};

class CookieRows : public Resume, public ::testing::WithParamInterface<CookieRow> {};

TEST_P(CookieRows, AreSentOrLeftOutWithAWarning) {
    GetParam().file(home);
    settings.netCookies = home.File("cookies.txt");
    server.Route("/a.bin", Whole("x", ""));
    EXPECT_TRUE(Get());
    EXPECT_EQ(Content("a.bin"), "x");
    ASSERT_EQ(server.Received().size(), 1u);
    EXPECT_EQ(HeaderOf(server.Received()[0], "Cookie"), GetParam().sent);
    if (GetParam().sent.empty()) {
        ASSERT_EQ(log.size(), 1u);
        EXPECT_EQ(log[0].rfind("Warning: cookie file not used (", 0), 0u) << log[0];
    } else {
        EXPECT_EQ(log, Names{});
    }
}

auto CookieText(const std::string& text) {
    return [text](const test::TempHome& home) { home.Write("cookies.txt", text); };
}

INSTANTIATE_TEST_SUITE_P(
    Files, CookieRows,
    ::testing::Values(
        CookieRow{"a browser export",
                  CookieText("# Netscape HTTP Cookie File\n\n127.0.0.1\tFALSE\t/\tFALSE\t0\tsid\t"
                             "abc123\n"),
                  "sid=abc123"},
        CookieRow{"garbage", CookieText("<html>no cookies here</html>\n"), ""},
        CookieRow{"binary", CookieText(std::string("127.0.0.1\tFALSE\t/\tFALSE\t0\ta\tb\0", 30)),
                  ""},
        // Written by the row, not held by it: the table stays small in every test process.
        CookieRow{"huge",
                  [](const test::TempHome& home) {
                      home.Write("cookies.txt", std::string((4 << 20) + 1, '#'));
                  },
                  ""},
        CookieRow{"missing", [](const test::TempHome&) {}, ""}),
    test::RowName());

// As in a browser, a cookie an answer sets goes with every later request to its site: of the
// same run, and of another transfer's session (the page the links came from).
TEST_F(Resume, CookiesThatAnswersSetAreSentWithLaterRequests) {
    TestResponse page = test::Page("<a href=a.bin>");
    page.headers.push_back({"Set-Cookie", "sid=abc123; Path=/"});
    server.Route("/page", page);
    TestResponse first = Whole("x", "");
    first.headers.push_back({"Set-Cookie", "step=2; Path=/"});
    server.Route("/a.bin", first);
    server.Route("/b.bin", Whole("y", ""));
    RvNetGet pageNet;
    pageNet.NetInit("ravlet-test", 0, "");
    bool ok = false;
    pageNet.NetUrlOpen(server.Url("/page"), "", ok);
    ASSERT_TRUE(ok) << pageNet.NetError();
    pageNet.NetUrlClose();

    host.list.Clear();
    host.list.Add(U());
    host.list.Add(server.Url("/b.bin"));
    run.doSuck();
    EXPECT_EQ(run.Errors(), 0);
    const std::vector<TestRequest> got = server.Received();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(HeaderOf(got[0], "Cookie"), "");
    EXPECT_EQ(HeaderOf(got[1], "Cookie"), "sid=abc123");
    const std::string both = HeaderOf(got[2], "Cookie");
    EXPECT_NE(both.find("sid=abc123"), std::string::npos) << both;
    EXPECT_NE(both.find("step=2"), std::string::npos) << both;
}

// gzip of a small page, sent as it is with its Content-Encoding.
const std::string kGzip(
    "\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\xff\xb3\x49\x54\xc8\x28\x4a\x4d\xb3\x55\xca\xcf\x4b"
    "\xd5\x4b\xca\xcc\x53\xb2\x33\xb4\xd1\x4f\xb4\x03\x00\x41\x21\x3b\x66\x17\x00\x00\x00",
    43);

TEST_F(Resume, ACompressedDownloadIsStoredAsServed) {
    TestResponse gzipped = test::Typed(kGzip, "text/html");
    gzipped.headers.push_back({"Content-Encoding", "gzip"});
    server.Route("/a.bin", gzipped);
    EXPECT_TRUE(Get());
    EXPECT_EQ(Content("a.bin"), kGzip);
    EXPECT_EQ(HeaderOf(server.Received()[0], "Accept-Encoding"), "");
    // The main window's transfer asks for compressed pages again after the run.
    EXPECT_TRUE(host.net.AcceptCompressed());
}

// A field with a line break would cut the record's lines: such a record is never written and
// its transfer is not resumable, whichever field holds it.
TEST(ResumeRecordFields, ALineBreakInAnyFieldIsNeverWritten) {
    const test::TempHome home;
    const std::string part = home.File("a.bin.part");
    const ResumeRecord good{"http://h/a.bin", "\"v1\"", "Mon, 07 Dec 2026 10:00:00 GMT", 10};
    ASSERT_TRUE(Resumable(good));
    for (const char* breaker : {"\n", "\r"}) {
        for (std::string ResumeRecord::*field :
             {&ResumeRecord::address, &ResumeRecord::etag, &ResumeRecord::lastModified}) {
            ResumeRecord broken = good;
            (broken.*field).insert(2, breaker);
            EXPECT_FALSE(Resumable(broken)) << broken.*field;
            EXPECT_FALSE(WriteResumeRecord(part, broken)) << broken.*field;
            EXPECT_EQ(test::ReadFile(ResumeRecordPath(part)), "") << broken.*field;
        }
    }
    EXPECT_TRUE(WriteResumeRecord(part, good));
    ResumeRecord read;
    ASSERT_TRUE(ReadResumeRecord(part, read));
    EXPECT_EQ(read.lastModified, good.lastModified);
}

}  // namespace
}  // namespace ravlet
