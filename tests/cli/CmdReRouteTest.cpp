#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/Aria2Daemon.h"
#include "support/RowName.h"
#include "support/RunCli.h"
#include "support/TempHome.h"
#include "support/TestHttpServer.h"

namespace ravlet {

namespace {

// A program folder whose settings reach the aria2c of the test.
struct Aria2Home {
    test::TempHome home;
    std::string folder = home.File("downloads");
    test::Aria2Daemon aria2{(std::filesystem::create_directory(folder), folder)};
    Aria2Home() {
        home.Write("ravlet.ini", "ReRouteAria2Rpc=" + aria2.Rpc() +
                                     "\r\nReRouteAria2Secret=" + aria2.Secret() + "\r\n");
    }
};

}  // namespace

TEST(CmdReRoute, HandsTheListToARunningAria2WhichDownloadsIt) {
    Aria2Home h;
    ASSERT_TRUE(h.aria2.Running()) << h.aria2.Why();
    test::TestHttpServer server;
    server.Route("/site/a.txt", test::Typed("alpha", "text/plain"));
    server.Route("/b.txt", test::Typed("beta", "text/plain"));
    // Lines ended by CR LF or LF alone, a blank one and a repeated one.
    const std::string list = "a.txt\r\n" + server.Url("/b.txt") + "\n\r\nA.txt\n";
    const test::CliResult r = test::RunCli(
        "reroute --to aria2 --referer " + server.Url("/site/index.html") + " -", &list);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "aria2 took the list (2 addresses)\n");
    h.aria2.Uris(2);  // waits until both have stopped
    EXPECT_EQ(test::ReadFile(h.folder + "/a.txt"), "alpha");
    EXPECT_EQ(test::ReadFile(h.folder + "/b.txt"), "beta");
}

TEST(CmdReRoute, ListsTheManagersWithTheirAvailability) {
    Aria2Home h;
    ASSERT_TRUE(h.aria2.Running()) << h.aria2.Why();
    const test::CliResult r = test::RunCli("reroute --list");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_PRED_FORMAT2(testing::IsSubstring,
                        "fdm             not available  Free Download Manager\n", r.out);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "netvampire      not available  Net Vampire\n",
                        r.out);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "aria2           available      aria2\n", r.out);
}

TEST(CmdReRoute, AnEmptyListIsNoHandOff) {
    Aria2Home h;
    ASSERT_TRUE(h.aria2.Running()) << h.aria2.Why();
    const std::string list = "\r\n  \r\n";
    const test::CliResult r = test::RunCli("reroute --to aria2 -", &list);
    EXPECT_EQ(r.status, 1);
    EXPECT_PRED_FORMAT2(testing::IsSubstring, "the list holds no addresses", r.err);
}

struct CliCase {
    const char* what;
    const char* args;
    int status;
    const char* err;  // a part of standard error
};

class CmdReRouteFails : public ::testing::TestWithParam<CliCase> {};

TEST_P(CmdReRouteFails, WithItsStatusAndWhy) {
    const CliCase& c = GetParam();
    test::TempHome home;
    // aria2 is switched off: no test's server is at its default address.
    home.Write("ravlet.ini", "ReRouteAria2Rpc=\r\n");
    const std::string list = "http://127.0.0.1:1/a\n";
    const test::CliResult r = test::RunCli(c.args, &list);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_PRED_FORMAT2(testing::IsSubstring, c.err, r.err);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CmdReRouteFails,
    ::testing::Values(
        CliCase{"no manager and no default", "reroute -", 2, "no manager"},
        CliCase{"unknown manager", "reroute --to getright -", 2, "unknown manager 'getright'"},
        CliCase{"to without a value", "reroute --to", 2, "--to needs a value"},
        CliCase{"unknown option", "reroute --fast -", 2, "unknown option '--fast'"},
        CliCase{"two lists", "reroute --to fdm a b", 2, "one list at a time"},
        CliCase{"list with more", "reroute --list --to fdm", 2, "--list takes nothing else"},
        CliCase{"a manager not installed", "reroute --to fdm -", 1,
                "Free Download Manager is not available"},
        CliCase{"a manager without a routine", "reroute --to netvampire -", 1,
                "Net Vampire is not available"},
        CliCase{"aria2 switched off", "reroute --to aria2 -", 1, "aria2 is not available"}),
    test::RowName());

}  // namespace ravlet
