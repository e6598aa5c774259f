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

std::string DefaultText() {
    Settings s;
    SettingsLoad(s);
    return SettingsText(s);
}

}  // namespace

TEST(CliSettings, PrintsTheDefaultsInAFreshProgramFolder) {
    test::TempHome home;
    const Result r = test::RunCli("settings");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, DefaultText());
    EXPECT_EQ(home.Read("ravlet.ini"), "") << "printing must not write";
}

// The program folder's file over the defaults, and --set lines over the file.
TEST(CliSettings, SetChangesTheRunOnlyUnlessWriteIsGiven) {
    test::TempHome home;
    const std::string file = "nettimeout=5000\r\nscanimg=1\r\nsavedir=/srv/dl\r\nReRootAuto=1\r\n";
    home.Write("ravlet.ini", file);
    const Result printed =
        test::RunCli("settings --set nettimeout=9000 --set 'user-agent=ravlet test'");
    EXPECT_EQ(printed.status, 0);
    for (const char* line : {"nettimeout=9000", "user-agent=ravlet test", "scanimg=1",
                             "savedir=/srv/dl/", "ReRouteAuto=1"})
        EXPECT_PRED_FORMAT2(testing::IsSubstring, "\r\n" + std::string(line) + "\r\n", printed.out);
    EXPECT_EQ(home.Read("ravlet.ini"), file);

    const Result written = test::RunCli("settings --set nettimeout=9000 --write");
    EXPECT_EQ(written.status, 0);
    Settings s;
    SettingsLoad(s);
    EXPECT_EQ(s.nettimeout, 9000);
    EXPECT_EQ(home.Read("ravlet.ini"), SettingsText(s));
}

TEST(CliSettings, ReadsAndWritesAnotherFile) {
    test::TempHome home;
    home.Write("other.ini", "scanwildsrc=1\r\n");
    const Result printed = test::RunCli("settings --settings " + home.File("other.ini"));
    EXPECT_EQ(printed.status, 0);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "\r\nscanwildsrc=1\r\n", printed.out);

    EXPECT_EQ(test::RunCli("settings --settings " + home.File("other.ini") + " --write").status, 0);
    EXPECT_EQ(home.Read("other.ini"), printed.out);
    EXPECT_EQ(home.Read("ravlet.ini"), "");
}

// A settings file that could not be read whole is never replaced by the defaults.
TEST(CliSettings, AFileThatCouldNotBeReadIsNotWrittenOver) {
    test::TempHome home;
    // Over the size limit: a real setting first, then padding.
    const std::string big = "scanimg=1\r\n" + std::string(17 << 20, ' ');
    home.Write("ravlet.ini", big);
    Result r = test::RunCli("settings --write");
    EXPECT_EQ(r.status, 1);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "could not be read whole", r.err);
    EXPECT_PRED_FORMAT2(testing::IsNotSubstring, "written", r.out);
    EXPECT_EQ(home.Read("ravlet.ini"), big);

    // The run's --save-settings refuses it too, and says so.
    test::TestHttpServer server;
    server.Route("/a.zip", test::Typed("A", ""));
    const std::string list = server.Url("/a.zip") + "\n";
    r = test::RunCli("download -o '" + home.File("out") + "' --save-settings -", &list);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "settings not written", r.out);
    EXPECT_EQ(home.Read("ravlet.ini"), big);
}

TEST(CliSettings, AnEmptyDownloadFolderIsTheWorkFolder) {
    test::TempHome home;
    for (const char* set : {"'savedir='", "'savedir=   '"}) {
        SCOPED_TRACE(set);
        const Result r = test::RunCli(std::string("settings --set ") + set);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_PRED_FORMAT2(testing::IsSubstring, "\r\nsavedir=" + home.File("tmp/") + "\r\n",
                            r.out);
    }
    test::TestHttpServer server;
    server.Route("/ok/a.txt", test::Typed("A", ""));
    const std::string list = server.Url("/ok/a.txt") + "\n";
    const Result r = test::RunCli("download --set savedir= --dry-run -", &list);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, " -> " + home.File("tmp/a.txt") + ": download",
                        r.out);
}

struct RefusedCase {
    const char* args;
    int status;
};

class CliSettingsRefuses : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(CliSettingsRefuses, WithoutWritingAnything) {
    test::TempHome home;
    const Result r = test::RunCli(GetParam().args);
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
    const Result all = test::RunCli("--help");
    EXPECT_EQ(all.status, 0);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "settings [--settings FILE]", all.out);
    const Result own = test::RunCli("settings --help");
    EXPECT_EQ(own.status, 0);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "--write", own.out);
}

}  // namespace ravlet
