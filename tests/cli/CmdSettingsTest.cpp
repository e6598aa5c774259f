#include <gtest/gtest.h>

#include <string>

#include "app/Settings.h"
#include "support/RowName.h"
#include "support/RunCli.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {

namespace {

using Result = test::CliResult;

Result Cli(const std::string& args) {
    return test::RunCli(args);
}

std::string DefaultText() {
    Settings s;
    SettingsLoad(s);
    return SettingsText(s);
}

}  // namespace

TEST(CliSettings, PrintsTheDefaultsInAFreshProgramFolder) {
    test::TempHome home;
    const Result r = Cli("settings");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, DefaultText());
    EXPECT_EQ(home.Read("ravlet.ini"), "") << "printing must not write";
}

TEST(CliSettings, PrintsTheProgramFoldersFileOverTheDefaults) {
    test::TempHome home;
    home.Write("ravlet.ini", "scanimg=1\r\nsavedir=/srv/dl\r\nReRootAuto=1\r\n");
    const Result r = Cli("settings");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\r\nscanimg=1\r\n"), std::string::npos);
    EXPECT_NE(r.out.find("\r\nsavedir=/srv/dl/\r\n"), std::string::npos);
    EXPECT_NE(r.out.find("\r\nReRouteAuto=1\r\n"), std::string::npos);
}

TEST(CliSettings, SetChangesTheRunOnlyUnlessWriteIsGiven) {
    test::TempHome home;
    home.Write("ravlet.ini", "nettimeout=5000\r\n");
    const Result printed = Cli("settings --set nettimeout=9000 --set 'user-agent=ravlet test'");
    EXPECT_EQ(printed.status, 0);
    EXPECT_NE(printed.out.find("\r\nnettimeout=9000\r\n"), std::string::npos);
    EXPECT_NE(printed.out.find("\r\nuser-agent=ravlet test\r\n"), std::string::npos);
    EXPECT_EQ(home.Read("ravlet.ini"), "nettimeout=5000\r\n");

    const Result written = Cli("settings --set nettimeout=9000 --write");
    EXPECT_EQ(written.status, 0);
    Settings s;
    SettingsLoad(s);
    EXPECT_EQ(s.nettimeout, 9000);
    EXPECT_EQ(home.Read("ravlet.ini"), SettingsText(s));
}

TEST(CliSettings, ReadsAndWritesAnotherFile) {
    test::TempHome home;
    home.Write("other.ini", "scanwildsrc=1\r\n");
    const Result printed = Cli("settings --settings " + home.File("other.ini"));
    EXPECT_EQ(printed.status, 0);
    EXPECT_NE(printed.out.find("\r\nscanwildsrc=1\r\n"), std::string::npos);

    EXPECT_EQ(Cli("settings --settings " + home.File("other.ini") + " --write").status, 0);
    EXPECT_EQ(home.Read("other.ini"), printed.out);
    EXPECT_EQ(home.Read("ravlet.ini"), "");
}

// A settings file that could not be read whole is never replaced by the defaults.
TEST(CliSettings, AFileThatCouldNotBeReadIsNotWrittenOver) {
    test::TempHome home;
    // Over the size limit: a real setting first, then padding.
    const std::string big = "scanimg=1\r\n" + std::string(17 << 20, ' ');
    home.Write("ravlet.ini", big);
    Result r = Cli("settings --write");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("could not be read whole"), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("written"), std::string::npos) << r.out;
    EXPECT_EQ(home.Read("ravlet.ini"), big);

    // The run's --save-settings refuses it too, and says so.
    test::TestHttpServer server;
    test::TestResponse a;
    a.body = "A";
    server.Route("/a.zip", a);
    const std::string list = server.Url("/a.zip") + "\n";
    r = test::RunCli("download -o '" + home.File("out") + "' --save-settings -", &list);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("settings not written"), std::string::npos) << r.out;
    EXPECT_EQ(home.Read("ravlet.ini"), big);
}

TEST(CliSettings, AnEmptyDownloadFolderIsTheWorkFolder) {
    test::TempHome home;
    for (const char* set : {"'savedir='", "'savedir=   '"}) {
        const Result r = Cli(std::string("settings --set ") + set);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("\r\nsavedir=" + home.File("tmp/") + "\r\n"), std::string::npos)
            << set << "\n"
            << r.out;
    }
    test::TestHttpServer server;
    test::TestResponse a;
    a.body = "A";
    server.Route("/ok/a.txt", a);
    const std::string list = server.Url("/ok/a.txt") + "\n";
    const Result r = test::RunCli("download --set savedir= --dry-run -", &list);
    EXPECT_NE(r.out.find(" -> " + home.File("tmp/a.txt") + ": download"), std::string::npos)
        << r.out;
}

struct RefusedCase {
    const char* args;
    int status;
};

class CliSettingsRefuses : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(CliSettingsRefuses, WithoutWritingAnything) {
    test::TempHome home;
    const Result r = Cli(GetParam().args);
    EXPECT_EQ(r.status, GetParam().status) << GetParam().args;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(home.Read("ravlet.ini"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliSettingsRefuses,
    ::testing::Values(RefusedCase{"settings --set nosuchkey=1 --write", 2},
                      RefusedCase{"settings --set winrefinerw=wide --write", 2},
                      RefusedCase{"settings --set scanimg --write", 2},
                      RefusedCase{"settings --set", 2}, RefusedCase{"settings --bogus", 2},
                      RefusedCase{"settings --settings /no/such.ini", 1}),
    test::KeyedName<&RefusedCase::args>{});

TEST(CliSettings, HelpNamesTheCommand) {
    const Result all = Cli("--help");
    EXPECT_EQ(all.status, 0);
    EXPECT_NE(all.out.find("settings [--settings FILE]"), std::string::npos);
    const Result own = Cli("settings --help");
    EXPECT_EQ(own.status, 0);
    EXPECT_NE(own.out.find("--write"), std::string::npos);
}

}  // namespace ravlet
