#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "support/Defaults.h"
#include "support/RowName.h"
#include "support/TempHome.h"

namespace ravlet {

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t p; (p = text.find("\r\n", start)) != std::string::npos; start = p + 2)
        lines.push_back(text.substr(start, p - start));
    EXPECT_EQ(start, text.size()) << "text does not end in CR LF";
    return lines;
}

using test::Defaults;

}  // namespace

TEST(Settings, DefaultsAreWrittenInTheirLayout) {
    test::TempHome home;
    // The file line by line, "\n" standing for its CR LF and "@" for the program folder.
    const std::string expected =
        "// ravlet " RAVLET_VERSION
        " settings\n// ini-file - this file has been generated\n"
        "winrefinerot=0\nwinrefinerol=0\nwinrefinerw=0\nwinrefinerh=0\nsavedir=@/tmp/\n"
        "savedirs=\nfileexistsdo=0\nfilenaming=1\nfilenameredirect=0\n"
        "\n// net engine\nuser-agent=Mozilla/4.0 (compatible; MSIE 05.5; Windows 98)\n"
        "nettimeout=30000\nnetProxyUse=0\nnetProxy=\n"
        "\n// download options\nnetsizeforce=0\nnetsizenull=0\nnetsizemin=0\nnetsizemax=0\n"
        "netmimetypeforce=0\nnetsizemimetype=\nnetdownloadignoretext=0\n"
        "\n// scan options\nscanlink=1\nscanimg=0\nscanwildsrc=0\nscantxthttp=0\n"
        "\n// reroute options\nReRouteAutoClose=0\nReRouteAuto=0\nReRouteDefaultId=\n"
        "\nconfirmclose=1\nAuto_BuildBase=0\nAuto_Leech=0\nAuto_CBmonitor=0\n"
        "Auto_CBmonitor_GetChange=0\nAuto_Close=0\n"
        "\n// FilterRavPad (Default) Options\nRefiner_AutoShow=1\nRefiner_AutoApply=0\n"
        "Refiner_AutoHide=0\nRefiner_FrameSize=0\nRefiner_FrameChk=7\n"
        "\nRefiner_AAchk=0\nRefiner_PSsuffix=\nRefiner_PSprefix=\nRefiner_PSprefixcut=0\n"
        "Refiner_PSinvert=0\nRefiner_FRfind=\nRefiner_FRreplace=\nRefiner_FRmatchPos=0\n"
        "Refiner_FRmatchMode=0\nRefiner_FRmatchCase=0\nRefiner_FRmatchNot=0\nRefiner_OWval=0\n"
        "Refiner_OWtext=\nRefiner_CUopts=0\n"
        "Refiner_FTentries=image(.jpg,.jpeg,.jp2,.png)image other(.gif,.bmp,.tif)"
        "movie(.mpg,.mpeg,.m2v,.m2p,.avi,.divx,.asx,.wmv,.mov,.rm)"
        "archive(.zip,.gz,.tar,.rar,.arj,.ace,.tgz,.hqx,.sit,.cab,.iso,.bin)"
        "executable(.exe,.com,.bat,.dll,.sys,.vxd)webdesign(.js,.css,.swf,.ico)"
        "docs(.pdf,.txt,.rtf,.doc,.sdw,.diz,.nfo)"
        "audio(.mp3,.ogg,.wav,.voc,.aif,.xm,.mod,.s3m,.it,.sid,.rns,.rps,.wma,.ram,.mid,.mus,"
        ".m3u)\n"
        "Refiner_FTopts=1\n"
        "\n// Scanner Options\nScanner_Cache=200\nScanner_ForeignRedirectScan=0\n"
        "Scanner_ListTake=1\nScanner_LevelMode=0\nScanner_LevelDepth=0\n"
        "Scanner_LinkCollectAll=1\n"
        "Scanner_TextTypes=.htm,.html,.cgi,.php,.phtml,.php3,.php4,.shtml,.shtm,.asp,.txt,.pl,"
        ".cfm,.cfml,.js,.css,/\n"
        "// Website Options\nwebserver=ravlet.example.org/\nweburlver=files/ver.php\n"
        "webhomepage=http://ravlet.example.org/\n"
        "\n// Toolbar\nTlb_DownloadDirectory=0\n"
        "\n// download managers of this platform\nReRouteAria2Rpc=http://127.0.0.1:6800/jsonrpc\n"
        "ReRouteAria2Secret=\n"
        "\n// resume, retries and cookies of downloads\nnetResume=1\nnetRetries=2\nnetCookies=\n"
        "\n// parallel transfers and their manners\nnetParallel=1\nnetParallelHost=0\nnetWait=0\n"
        "netLimitRate=0\n"
        "\n// window places\nMainWindowPlace=\nMainWindowMaximized=0\nLogDocked=1\n"
        "LogPaneHeight=0\nLogWindowPlace=\nRefinerPlace=\n";
    std::string crlf;
    for (const char c : expected)
        crlf += c == '\n' ? "\r\n" : c == '@' ? home.path() : std::string(1, c);
    const std::vector<std::string> got = Lines(SettingsText(Defaults())), want = Lines(crlf);
    for (std::size_t i = 0; i < want.size() && i < got.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
    EXPECT_EQ(got.size(), want.size());
}

TEST(Settings, PathsFollowTheProgramFolder) {
    test::TempHome home;
    const Settings s = Defaults();
    EXPECT_EQ(s.settingsFile, home.path() + "/ravlet.ini");
    EXPECT_EQ(s.historyFile, home.path() + "/ravlet.hst");
    EXPECT_EQ(s.dirHistoryFile, home.path() + "/ravlet.dir.hst");
}

struct ValueCase {
    const char* before;  // applied first, to give the field a current value
    const char* line;
    std::variant<int Settings::*, bool Settings::*> field;
    int expected;  // a boolean's as 0 or 1
};

class SettingsValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(SettingsValue, Converts) {
    const ValueCase& c = GetParam();
    Settings s = Defaults();
    if (*c.before) {
        ASSERT_TRUE(SettingsApplyLine(s, c.before));
    }
    SettingsApplyLine(s, c.line);
    EXPECT_EQ(std::visit([&s](auto field) { return static_cast<int>(s.*field); }, c.field),
              c.expected)
        << c.line;
}

using S = Settings;
INSTANTIATE_TEST_SUITE_P(
    Table, SettingsValue,
    ::testing::Values(
        // lenient: the leading number
        ValueCase{"", "nettimeout=15000", &S::nettimeout, 15000},
        ValueCase{"", "nettimeout=15000ms", &S::nettimeout, 15000},
        ValueCase{"", "nettimeout=letters", &S::nettimeout, 0},
        ValueCase{"", "nettimeout=", &S::nettimeout, 0},
        ValueCase{"", "nettimeout= 1 5 000", &S::nettimeout, 15000},
        ValueCase{"", "nettimeout=-250 ms", &S::nettimeout, -250},
        ValueCase{"", "nettimeout=2.5", &S::nettimeout, 2},
        ValueCase{"", "nettimeout=3.5", &S::nettimeout, 4},
        ValueCase{"", "nettimeout=2.51", &S::nettimeout, 3},
        ValueCase{"", "nettimeout=-2.5", &S::nettimeout, -2},
        ValueCase{"", "nettimeout=1e3", &S::nettimeout, 1000},
        ValueCase{"", "nettimeout=15e", &S::nettimeout, 15},
        ValueCase{"", "netsizemax=2147483647", &S::netsizemax, 2147483647},
        ValueCase{"nettimeout=9", "nettimeout=99999999999", &S::nettimeout, 9},
        ValueCase{"nettimeout=9", "nettimeout=1e999", &S::nettimeout, 9},
        // strict: the whole value must be a number, else the field keeps its value
        ValueCase{"", "winrefinerw=640", &S::winrefinerw, 640},
        ValueCase{"", "winrefinerw= 640 ", &S::winrefinerw, 640},
        ValueCase{"", "winrefinerw=-3", &S::winrefinerw, -3},
        ValueCase{"", "winrefinerw=+4", &S::winrefinerw, 4},
        ValueCase{"", "winrefinerw=4.5", &S::winrefinerw, 4},
        ValueCase{"", "winrefinerw=5.5", &S::winrefinerw, 6},
        ValueCase{"winrefinerw=640", "winrefinerw=letters", &S::winrefinerw, 640},
        ValueCase{"winrefinerw=640", "winrefinerw=800px", &S::winrefinerw, 640},
        ValueCase{"winrefinerw=640", "winrefinerw=", &S::winrefinerw, 640},
        ValueCase{"winrefinerw=640", "winrefinerw=8 00", &S::winrefinerw, 640},
        ValueCase{"winrefinerw=640", "winrefinerw=3000000000", &S::winrefinerw, 640},
        ValueCase{"winrefinerw=640", "winrefinerw=inf", &S::winrefinerw, 640},
        ValueCase{"winrefinerw=640", "winrefinerw=nan", &S::winrefinerw, 640},
        ValueCase{"winrefinerw=640", "winrefinerw=--1", &S::winrefinerw, 640},
        ValueCase{"Scanner_Cache=50", "Scanner_Cache=0x10", &S::Scanner_Cache, 50},
        ValueCase{"", "Auto_Leech=-2", &S::Auto_Leech, -2},
        ValueCase{"", "scanimg=1", &S::scanimg, true},
        ValueCase{"", "   scanimg=1   ", &S::scanimg, true},  // the line is trimmed first
        ValueCase{"", "scanimg =1", &S::scanimg, false},      // the key "scanimg " is unknown
        ValueCase{"", "scanimg=-1", &S::scanimg, true},
        ValueCase{"", "scanimg=TRUE", &S::scanimg, true},
        ValueCase{"", "scanimg= true ", &S::scanimg, true},
        ValueCase{"scanimg=1", "scanimg=0\t", &S::scanimg, false},  // blanks and tabs around
        ValueCase{"", "scanimg=\ttrue\t", &S::scanimg, true},
        ValueCase{"", "scanlink=False", &S::scanlink, false},
        ValueCase{"", "scanlink=0.0", &S::scanlink, false},
        ValueCase{"", "scanimg=0.25", &S::scanimg, true},
        ValueCase{"", "scanlink=yes", &S::scanlink, true},  // does not convert: kept
        ValueCase{"scanimg=1", "scanimg=", &S::scanimg, true},
        ValueCase{"scanimg=1", "scanimg=1x", &S::scanimg, true},
        ValueCase{"", "Auto_CBmonitor_GetChange=-1", &S::Auto_CBmonitor_GetChange, true},
        // flags: the leading number, not zero
        ValueCase{"", "confirmclose=0", &S::confirmclose, false},
        ValueCase{"", "confirmclose=2", &S::confirmclose, true},
        ValueCase{"", "confirmclose=-1", &S::confirmclose, true},
        ValueCase{"", "confirmclose=letters", &S::confirmclose, false},
        ValueCase{"", "ReRouteAuto=1 please", &S::ReRouteAuto, true},
        ValueCase{"", "ReRouteAuto=true", &S::ReRouteAuto, false},
        // the old spelling of the re-route options
        ValueCase{"", "ReRootAuto=1", &S::ReRouteAuto, true},
        ValueCase{"", "ReRootAutoClose=7", &S::ReRouteAutoClose, true},
        ValueCase{"ReRouteAuto=1", "ReRootAuto=0", &S::ReRouteAuto, false},
        ValueCase{"", "rerouteauto=1", &S::ReRouteAuto, false}),
    test::KeyedName<&ValueCase::line>{});  // keys are case-sensitive

struct TextCase {
    const char* line;
    std::string Settings::*field;
    std::string expected;
};

class SettingsTextValue : public ::testing::TestWithParam<TextCase> {};

TEST_P(SettingsTextValue, IsTakenAsItStands) {
    const TextCase& c = GetParam();
    Settings s = Defaults();
    SettingsApplyLine(s, c.line);
    EXPECT_EQ(s.*c.field, c.expected) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsTextValue,
    ::testing::Values(TextCase{"netProxy=proxy:8080", &S::netProxy, "proxy:8080"},
                      TextCase{"netProxy=a=b=c", &S::netProxy, "a=b=c"},
                      TextCase{"netProxy= spaced out  ", &S::netProxy, " spaced out"},
                      TextCase{"netProxy=", &S::netProxy, ""},
                      TextCase{"netProxy=one\r\ntwo", &S::netProxy, "onetwo"},
                      TextCase{"user-agent=ravlet/1", &S::user_agent, "ravlet/1"},
                      TextCase{"=orphan", &S::netProxy, ""},
                      TextCase{"// netProxy=commented", &S::netProxy, ""}),
    test::KeyedName<&TextCase::line>{});

TEST(Settings, ApplyLineTellsWhetherItSetSomething) {
    Settings s = Defaults();
    EXPECT_TRUE(SettingsApplyLine(s, "scanimg=1"));
    EXPECT_FALSE(SettingsApplyLine(s, "nosuchkey=1"));
    EXPECT_FALSE(SettingsApplyLine(s, "no equals sign"));
    EXPECT_FALSE(SettingsApplyLine(s, "//scanimg=0"));
    EXPECT_FALSE(SettingsApplyLine(s, "winrefinerw=wide"));
    EXPECT_TRUE(s.scanimg);
}

TEST(Settings, OldReRouteNamesAreReadButNeverWritten) {
    Settings s = Defaults();
    SettingsApplyLine(s, "ReRootAuto=1");
    SettingsApplyLine(s, "ReRootAutoClose=1");
    const std::string text = SettingsText(s);
    EXPECT_NE(text.find("\r\nReRouteAutoClose=1\r\nReRouteAuto=1\r\n"), std::string::npos);
    EXPECT_EQ(text.find("ReRoot"), std::string::npos);
}

TEST(Settings, SpecialWrittenForms) {
    Settings s = Defaults();
    s.Auto_Leech = -3;
    s.Auto_Close = -2;
    s.Auto_CBmonitor_GetChange = true;
    s.Auto_CBmonitor = true;
    const std::string text = SettingsText(s);
    EXPECT_NE(text.find("\r\nAuto_Leech=3\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nAuto_Close=2\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nAuto_CBmonitor=1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nAuto_CBmonitor_GetChange=-1\r\n"), std::string::npos);
}

TEST(Settings, ALineBreakInAValueCannotBecomeAKeyOfItsOwn) {
    Settings s = Defaults();
    s.netProxy = "proxy\nscanimg=1\rscanwildsrc=1";
    const std::string text = SettingsText(s);
    EXPECT_NE(text.find("\r\nnetProxy=proxyscanimg=1scanwildsrc=1\r\n"), std::string::npos);
    EXPECT_EQ(Lines(text).size(), Lines(SettingsText(Defaults())).size());
}

TEST(Settings, ReadingTheDefaultManagerKeepsItsPosition) {
    Settings s = Defaults();
    s.ReRouteDefaultIndex = 5;
    SettingsApplyLine(s, "ReRouteDefaultId=fdm");
    EXPECT_EQ(s.ReRouteDefaultId, "fdm");
    EXPECT_EQ(s.ReRouteDefaultIndex, 0);
}

}  // namespace ravlet
