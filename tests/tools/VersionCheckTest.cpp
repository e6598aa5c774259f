// The version check against a loopback web site: the verdicts, the answer's format, the
// moves to a new address and their bound, and answers that must not reach the shell.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "support/RowName.h"
#include "support/RunCli.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"
#include "tools/VersionCheck.h"

namespace ravlet {
namespace {

const ProgramVersionParts kMine{1, 2, 3};

struct VersionSite {
    VersionSite() {
        SettingsSetDefaults(AppSettings());
        AppSettings().webserver = Server();
        AppSettings().weburlver = "/ver";
        AppSettings().webhomepage = "http://old.example/";
    }
    std::string Server() const { return "127.0.0.1:" + std::to_string(server.Port()); }
    // An answer at path whose key lines keep the site where it is, then lines.
    void Answer(const std::string& path, const std::string& keys,
                const std::string& freeText = "Free text.") {
        server.Route(
            path, test::Page("junk before\r\n%versionstrings%\r\nwebserver=" + Server() +
                             "\r\nweburlver=" + path + "\r\n" + keys +
                             "\r\n%versionstrings end%\r\n" + freeText + "\r\n%eof%\r\nignored"));
    }
    bool Check(std::string& text) { return DoXtraCheckVer(AppSettings(), text, kMine); }
    test::TempHome home;
    test::ScriptedUi ui;
    test::TestHttpServer server;
};

struct VerdictRow {
    std::string what;
    std::string keys;
    std::string text;  // the whole result
};

class VersionVerdicts : public testing::TestWithParam<VerdictRow> {};

TEST_P(VersionVerdicts, TheResultTextThenTheFreeText) {
    VersionSite site;
    site.Answer("/ver", GetParam().keys);
    std::string text;
    EXPECT_TRUE(site.Check(text));
    EXPECT_EQ(text, GetParam().text + "\r\n\r\nFree text.");
    EXPECT_NE(site.home.Read("ravlet.ini").find("weburlver=/ver\r\n"), std::string::npos)
        << "the settings file is written after a verdict";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, VersionVerdicts,
    testing::Values(
        VerdictRow{"up to date", "version=1.2.3", "Your version (1.2.3) is up-to-date !"},
        VerdictRow{"newer", "version=1.10.0",
                   "A new version (1.10.0) is available. Your Version is 1.2.3."},
        VerdictRow{"pre release", "version=1.2.2",
                   "You got pre-release 1.2.3. Latest version for Download is 1.2.2."},
        VerdictRow{"two parts", "version=0.54",
                   "Cannot verify Version number (yours:1.2.3, available:0.54). Sorry."},
        VerdictRow{"not a number", "version=1.x.3",
                   "Cannot verify Version number (yours:1.2.3, available:1.x.3). Sorry."},
        VerdictRow{"no version line", "",
                   "Cannot verify Version number (yours:1.2.3, available:). Sorry."},
        VerdictRow{"repeated key lines the last wins", "version=9.9.9\r\nversion=1.2.3",
                   "Your version (1.2.3) is up-to-date !"},
        VerdictRow{"comments blanks and other keys",
                   "// version=9.9.9\r\n   version=1.2.3   \r\nother=1\r\nversion =9.9.9",
                   "Your version (1.2.3) is up-to-date !"}),
    test::RowName());

struct FailRow {
    std::string what;
    test::TestResponse answer;
    std::string text;
};

class VersionFailures : public testing::TestWithParam<FailRow> {};

TEST_P(VersionFailures, OnlyTheTextChanges) {
    VersionSite site;
    site.server.Route("/ver", GetParam().answer);
    std::string text;
    EXPECT_FALSE(site.Check(text));
    EXPECT_EQ(text, GetParam().text);
    EXPECT_EQ(site.home.Read("ravlet.ini"), "") << "nothing stored";
    EXPECT_EQ(AppSettings().weburlver, "/ver");
}

// Ten megabytes, or bytes sent as they are.
test::TestResponse Reply(std::int64_t size, const std::string& raw = "") {
    test::TestResponse r;
    r.generatedSize = size;
    r.raw = raw;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Answers, VersionFailures,
    testing::Values(FailRow{"empty", test::Page(""), kVersionNotParsable},
                    FailRow{"no eof", test::Page("%versionstrings%\r\nversion=1.2.3\r\n"),
                            kVersionNotParsable},
                    FailRow{"binary", test::Page(std::string("\0\x01\xff%versionstrings%\n", 21)),
                            kVersionNotParsable},
                    FailRow{"ten megabytes", Reply(10 << 20), kVersionNotParsable},
                    FailRow{"refused", Reply(-1, "garbage\r\n\r\n"), kVersionNoConnect}),
    test::RowName());

TEST(VersionCheck, NoServerAndARedirectLoopCannotConnect) {
    VersionSite site;
    site.server.Redirect("/ver", "/ver");
    std::string text;
    EXPECT_FALSE(site.Check(text));
    EXPECT_EQ(text, kVersionNoConnect);
    EXPECT_LE(site.server.Requests(), 3 * 60) << "the redirects are bounded";
    auto gone = std::make_unique<test::TestHttpServer>();
    AppSettings().webserver = "127.0.0.1:" + std::to_string(gone->Port());
    gone.reset();
    EXPECT_FALSE(site.Check(text));
    EXPECT_EQ(text, kVersionNoConnect);
}

TEST(VersionCheck, AMoveRestartsAtTheNewAddress) {
    VersionSite site;
    site.server.Route("/ver", test::Page("%versionstrings%\r\nwebserver=" + site.Server() +
                                         "\r\nweburlver=/ver2\r\n%eof%\r\n"));
    site.Answer("/ver2", "version=1.2.3");
    std::string text;
    EXPECT_TRUE(site.Check(text));
    EXPECT_EQ(text, "Your version (1.2.3) is up-to-date !\r\n\r\nFree text.");
    EXPECT_EQ(AppSettings().weburlver, "/ver2");
    const auto received = site.server.Received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[1].path, "/ver2");
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "accept: */html", received[0].head);
}

TEST(VersionCheck, ASiteThatKeepsMovingIsGivenUpAfterThreeMoves) {
    VersionSite site;
    for (const char* p : {"/m", "/mm", "/mmm", "/mmmm", "/mmmmm"}) {
        site.server.Route(p, [&site](const test::TestRequest& r) {
            return test::Page("%versionstrings%\r\nwebserver=" + site.Server() +
                              "\r\nweburlver=" + r.path + "m\r\n%eof%\r\n");
        });
    }
    AppSettings().weburlver = "/m";
    std::string text;
    EXPECT_FALSE(site.Check(text));
    EXPECT_EQ(text, kVersionNotParsable);
    EXPECT_EQ(site.server.Requests(), 4);
    EXPECT_EQ(AppSettings().weburlver, "/mmmm");
}

TEST(VersionCheck, AnAnswerWithoutAWebserverLineEmptiesItAndThenCannotConnect) {
    VersionSite site;
    site.server.Route("/ver", test::Page("%versionstrings%\r\nweburlver=/ver\r\nversion=1.2.3\r\n"
                                         "%versionstrings end%\r\n%eof%\r\n"));
    std::string text;
    EXPECT_FALSE(site.Check(text));
    EXPECT_EQ(text, kVersionNoConnect);
    EXPECT_EQ(AppSettings().webserver, "");
}

// An answer's key lines; an empty server or path leaves the stored one as it is.
struct HostileRow {
    std::string what;
    std::string webserver, weburlver, webhomepage;
    std::string note;  // empty: taken
};

class VersionHostile : public testing::TestWithParam<HostileRow> {};

TEST_P(VersionHostile, AddressesTheShellCouldMisuseAreKept) {
    const HostileRow& row = GetParam();
    SettingsSetDefaults(AppSettings());
    Settings& s = AppSettings();
    s.webserver = "site.example:80/";
    s.weburlver = "files/ver.php";
    s.webhomepage = "http://old.example/";
    test::TempHome home;
    std::string text;
    const int result = DoXtraCheckVer_Parse(
        "%versionstrings%\r\nversion=1.2.3\r\nwebserver=" +
            (row.webserver.empty() ? s.webserver : row.webserver) +
            "\r\nweburlver=" + (row.weburlver.empty() ? s.weburlver : row.weburlver) +
            "\r\nwebhomepage=" + row.webhomepage + "\r\n%versionstrings end%\r\nfree\r\n%eof%\r\n",
        s, text, kMine);
    const bool serverTaken = !row.webserver.empty() || !row.weburlver.empty();
    if (row.note.empty()) {
        EXPECT_EQ(result, serverTaken ? 2 : 1);
        if (!serverTaken) {
            EXPECT_EQ(s.webhomepage, row.webhomepage);
        }
        return;
    }
    EXPECT_EQ(result, 1);
    EXPECT_EQ(s.webserver, "site.example:80/");
    EXPECT_EQ(s.weburlver, "files/ver.php");
    if (row.note == "home") {
        EXPECT_EQ(s.webhomepage, "http://old.example/");
    }
    EXPECT_EQ(text.rfind("Your version (1.2.3) is up-to-date !\r\n\r\nfree\r\n\r\nThe ", 0), 0u);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, row.note == "home" ? "home page" : "version page",
                        text);
}

const char kOld[] = "http://old.example/";

INSTANTIATE_TEST_SUITE_P(
    Answers, VersionHostile,
    testing::Values(
        HostileRow{"https home page", "", "", "https://new.example/a?b=1", ""},
        HostileRow{"new host and path", "new.example/", "v/ver.php", "http://x/", ""},
        HostileRow{"file home page", "", "", "file:///etc/passwd", "home"},
        HostileRow{"javascript home page", "", "", "javascript:alert(1)", "home"},
        HostileRow{"program as home page", "", "", "/usr/bin/xterm", "home"},
        HostileRow{"home page with a blank", "", "", "http://a.example/ -e xterm", "home"},
        HostileRow{"server with a scheme", "file:///etc/", "", kOld, "server"},
        HostileRow{"server with a blank", "evil.example /", "", kOld, "server"},
        HostileRow{"server with a control byte", "evil.example\x01/", "", kOld, "server"},
        HostileRow{"server with user info", "site.example@evil.example/", "", kOld, "server"},
        HostileRow{"path with a scheme", "", "javascript:alert(1)", kOld, "server"},
        HostileRow{"path with a tab", "", "a\tb", kOld, "server"}),
    test::RowName());

TEST(CliVersionCheck, PrintsTheVerdictAndTheVersion) {
    VersionSite site;
    site.Answer("/ver", "version=0.0.1", "Line one\x1b[2J.");
    std::string error;
    ASSERT_TRUE(SettingsWriteFile(AppSettings(), std::string(), &error)) << error;
    test::CliResult r = test::RunCli("version-check");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_PRED_FORMAT2(testing::IsSubstring,
                        "Latest version for Download is 0.0.1.\n\nLine one\\x1b[2J.\n", r.out);
    AppSettings().weburlver = "/none";
    ASSERT_TRUE(SettingsWriteFile(AppSettings()));
    r = test::RunCli("version-check");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, std::string(kVersionNotParsable) + "\n");
    EXPECT_EQ(test::RunCli("version-check extra").status, 2);
    r = test::RunCli("--version");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "ravlet-cli " RAVLET_VERSION "\n");
}

}  // namespace
}  // namespace ravlet
