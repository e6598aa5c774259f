// The options that ravlet-cli get and download share, read into the settings lines they set:
// every valued option in both spellings ("--dir X" and "--dir=X"), and the values refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Settings.h"
#include "cli/DownloadOptions.h"
#include "support/RowName.h"
#include "support/TempHome.h"

namespace ravlet::cli {
namespace {

using Lines = std::vector<std::string>;

struct OptionRow {
    const char* what;
    Lines args;      // before the operand
    Lines expected;  // the settings lines; empty when the command line is refused
};

class CliOptions : public ::testing::TestWithParam<OptionRow> {};

TEST_P(CliOptions, BecomeSettingsLines) {
    Lines args = GetParam().args;
    args.push_back("list.wls");
    DownloadOptions options;
    std::string operand, error;
    const CommandLine read = ReadCommandLine(args, options, operand, "list", error);
    if (GetParam().expected.empty()) {
        EXPECT_EQ(read, CommandLine::Bad);
        EXPECT_FALSE(error.empty());
        return;
    }
    ASSERT_EQ(read, CommandLine::Run) << error;
    EXPECT_EQ(operand, "list.wls");
    EXPECT_EQ(options.lines, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CliOptions,
    ::testing::Values(
        OptionRow{"dir", {"--dir", "/srv/dl"}, {"savedir=/srv/dl/"}},
        OptionRow{"dir with equals", {"--dir=/srv/dl"}, {"savedir=/srv/dl/"}},
        OptionRow{"o with equals", {"-o=/srv/dl/"}, {"savedir=/srv/dl/"}},
        OptionRow{"empty dir", {"--dir="}, {}},
        OptionRow{"naming 0", {"--naming", "0"}, {"filenaming=0"}},
        OptionRow{"naming 4", {"--naming=4"}, {"filenaming=4"}},
        OptionRow{"naming 5", {"--naming", "5"}, {}},
        OptionRow{"naming minus one", {"--naming", "-1"}, {}},
        OptionRow{"exists ask", {"--exists", "ask"}, {"fileexistsdo=0"}},
        OptionRow{"exists overwrite", {"--exists", "overwrite"}, {"fileexistsdo=1"}},
        OptionRow{"exists skip", {"--exists", "skip"}, {"fileexistsdo=2"}},
        OptionRow{"exists smaller", {"--exists=smaller"}, {"fileexistsdo=3"}},
        OptionRow{"exists unknown", {"--exists", "Skip"}, {}},
        OptionRow{"min size", {"--min-size", "10k"}, {"netsizeforce=1", "netsizemin=10240"}},
        OptionRow{"max size", {"--max-size=1.5m"}, {"netsizeforce=1", "netsizemax=1572864"}},
        OptionRow{"size zero", {"--min-size", "0"}, {"netsizeforce=1", "netsizemin=0"}},
        OptionRow{"size in words", {"--min-size", "big"}, {}},
        OptionRow{"types",
                  {"--types", "image/;text/"},
                  {"netmimetypeforce=1", "netsizemimetype=image/;text/"}},
        OptionRow{"skip html", {"--skip-html"}, {"netdownloadignoretext=1"}},
        OptionRow{"timeout", {"--timeout", "2m"}, {"nettimeout=120000"}},
        OptionRow{"timeout seconds", {"--timeout=30s"}, {"nettimeout=30000"}},
        OptionRow{"timeout negative", {"--timeout", "-5"}, {}},
        OptionRow{"timeout zero", {"--timeout", "0"}, {}},
        OptionRow{
            "proxy", {"--proxy", "127.0.0.1:3128"}, {"netProxyUse=1", "netProxy=127.0.0.1:3128"}},
        OptionRow{"user agent", {"--user-agent", "Agent/1 (x)"}, {"user-agent=Agent/1 (x)"}},
        OptionRow{"user agent with equals", {"--user-agent=a=b"}, {"user-agent=a=b"}},
        OptionRow{"one try in all", {"--tries", "1"}, {"netRetries=0"}},
        OptionRow{"five tries", {"--tries=5"}, {"netRetries=4"}},
        OptionRow{"no try", {"--tries", "0"}, {}},
        OptionRow{"continue", {"--no-continue", "--continue"}, {"netResume=0", "netResume=1"}},
        OptionRow{"cookies", {"--cookies", "/tmp/c.txt"}, {"netCookies=/tmp/c.txt"}},
        OptionRow{"cookies empty", {"--cookies="}, {}},
        OptionRow{"parallel", {"-j", "8"}, {"netParallel=8"}},
        OptionRow{"parallel joined", {"-j4"}, {"netParallel=4"}},
        OptionRow{"parallel long", {"--parallel=2"}, {"netParallel=2"}},
        OptionRow{"parallel zero", {"-j", "0"}, {}},
        OptionRow{"parallel in words", {"-j", "many"}, {}},
        OptionRow{"per host", {"--parallel-host", "2"}, {"netParallelHost=2"}},
        OptionRow{"per host without cap", {"--parallel-host=0"}, {"netParallelHost=0"}},
        OptionRow{"wait", {"--wait", "1.5s"}, {"netWait=1500"}},
        OptionRow{"wait negative", {"--wait", "-1"}, {}},
        OptionRow{"limit rate", {"--limit-rate", "500k"}, {"netLimitRate=512000"}},
        OptionRow{"limit rate off", {"--limit-rate=0"}, {"netLimitRate=0"}},
        OptionRow{"limit rate in words", {"--limit-rate", "fast"}, {}},
        OptionRow{"value missing", {"--naming"}, {}},
        OptionRow{"unknown option", {"--nam", "1"}, {}}),
    test::RowName{});

TEST(CliOptionsSettings, TheNamedOptionsComeAfterTheSetLines) {
    test::TempHome home;
    DownloadOptions options;
    std::string operand, error;
    ASSERT_EQ(ReadCommandLine({"--user-agent", "named", "--set", "user-agent=set", "--timeout",
                               "1s", "--set", "nettimeout=5", "list.wls"},
                              options, operand, "list", error),
              CommandLine::Run)
        << error;
    Settings s;
    ASSERT_TRUE(LoadSettingsFor(options, s, error)) << error;
    EXPECT_EQ(s.user_agent, "named");
    EXPECT_EQ(s.nettimeout, 1000);
}

}  // namespace
}  // namespace ravlet::cli
