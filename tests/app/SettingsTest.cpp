#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Settings.h"
#include "app/SettingsKeys.h"
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

Settings Defaults() {
    Settings s;
    SettingsSetDefaults(s);
    return s;
}

}  // namespace

TEST(Settings, DefaultsAreWrittenInTheirLayout) {
    test::TempHome home;
    const std::vector<std::string> expected = {
        "// ravlet " RAVLET_VERSION " settings",
        "// ini-file - this file has been generated",
        "winrefinerot=0",
        "winrefinerol=0",
        "winrefinerw=0",
        "winrefinerh=0",
        "savedir=" + home.path() + "/tmp/",
        "savedirs=",
        "fileexistsdo=0",
        "filenaming=1",
        "filenameredirect=0",
        "",
        "// net engine",
        "user-agent=Mozilla/4.0 (compatible; MSIE 05.5; Windows 98)",
        "nettimeout=30000",
        "netProxyUse=0",
        "netProxy=",
        "",
        "// download options",
        "netsizeforce=0",
        "netsizenull=0",
        "netsizemin=0",
        "netsizemax=0",
        "netmimetypeforce=0",
        "netsizemimetype=",
        "netdownloadignoretext=0",
        "",
        "// scan options",
        "scanlink=1",
        "scanimg=0",
        "scanwildsrc=0",
        "scantxthttp=0",
        "",
        "// reroute options",
        "ReRouteAutoClose=0",
        "ReRouteAuto=0",
        "ReRouteDefaultId=",
        "",
        "confirmclose=1",
        "Auto_BuildBase=0",
        "Auto_Leech=0",
        "Auto_CBmonitor=0",
        "Auto_CBmonitor_GetChange=0",
        "Auto_Close=0",
        "",
        "// FilterRavPad (Default) Options",
        "Refiner_AutoShow=1",
        "Refiner_AutoApply=0",
        "Refiner_AutoHide=0",
        "Refiner_FrameSize=0",
        "Refiner_FrameChk=7",
        "",
        "Refiner_AAchk=0",
        "Refiner_PSsuffix=",
        "Refiner_PSprefix=",
        "Refiner_PSprefixcut=0",
        "Refiner_PSinvert=0",
        "Refiner_FRfind=",
        "Refiner_FRreplace=",
        "Refiner_FRmatchPos=0",
        "Refiner_FRmatchMode=0",
        "Refiner_FRmatchCase=0",
        "Refiner_FRmatchNot=0",
        "Refiner_OWval=0",
        "Refiner_OWtext=",
        "Refiner_CUopts=0",
        "Refiner_FTentries=image(.jpg,.jpeg,.jp2,.png)image other(.gif,.bmp,.tif)"
        "movie(.mpg,.mpeg,.m2v,.m2p,.avi,.divx,.asx,.wmv,.mov,.rm)"
        "archive(.zip,.gz,.tar,.rar,.arj,.ace,.tgz,.hqx,.sit,.cab,.iso,.bin)"
        "executable(.exe,.com,.bat,.dll,.sys,.vxd)webdesign(.js,.css,.swf,.ico)"
        "docs(.pdf,.txt,.rtf,.doc,.sdw,.diz,.nfo)"
        "audio(.mp3,.ogg,.wav,.voc,.aif,.xm,.mod,.s3m,.it,.sid,.rns,.rps,.wma,.ram,.mid,.mus,"
        ".m3u)",
        "Refiner_FTopts=1",
        "",
        "// Scanner Options",
        "Scanner_Cache=200",
        "Scanner_ForeignRedirectScan=0",
        "Scanner_ListTake=1",
        "Scanner_LevelMode=0",
        "Scanner_LevelDepth=0",
        "Scanner_LinkCollectAll=1",
        "Scanner_TextTypes=.htm,.html,.cgi,.php,.phtml,.php3,.php4,.shtml,.shtm,.asp,.txt,.pl,"
        ".cfm,.cfml,.js,.css,/",
        "// Website Options",
        "webserver=ravlet.example.org/",
        "weburlver=files/ver.php",
        "webhomepage=http://ravlet.example.org/",
        "",
        "// Toolbar",
        "Tlb_DownloadDirectory=0",
        "",
        "// download managers of this platform",
        "ReRouteAria2Rpc=http://127.0.0.1:6800/jsonrpc",
        "ReRouteAria2Secret=",
        "",
        "// resume, retries and cookies of downloads",
        "netResume=1",
        "netRetries=2",
        "netCookies=",
        "",
        "// parallel transfers and their manners",
        "netParallel=1",
        "netParallelHost=0",
        "netWait=0",
        "netLimitRate=0",
        "",
        "// window places",
        "MainWindowPlace=",
        "MainWindowMaximized=0",
        "LogDocked=1",
        "LogPaneHeight=0",
        "LogWindowPlace=",
        "RefinerPlace=",
    };
    const std::vector<std::string> got = Lines(SettingsText(Defaults()));
    for (std::size_t i = 0; i < expected.size() && i < got.size(); ++i)
        EXPECT_EQ(got[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(got.size(), expected.size());
}

TEST(Settings, PathsFollowTheProgramFolder) {
    test::TempHome home;
    const Settings s = Defaults();
    EXPECT_EQ(s.settingsFile, home.path() + "/ravlet.ini");
    EXPECT_EQ(s.historyFile, home.path() + "/ravlet.hst");
    EXPECT_EQ(s.dirHistoryFile, home.path() + "/ravlet.dir.hst");
}

struct NumberCase {
    const char* before;  // applied first, to give the field a current value
    const char* line;
    int Settings::*field;
    int expected;
};

class SettingsNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(SettingsNumber, Converts) {
    const NumberCase& c = GetParam();
    Settings s = Defaults();
    if (*c.before) {
        ASSERT_TRUE(SettingsApplyLine(s, c.before));
    }
    SettingsApplyLine(s, c.line);
    EXPECT_EQ(s.*c.field, c.expected) << c.line;
}

using S = Settings;
INSTANTIATE_TEST_SUITE_P(
    Table, SettingsNumber,
    ::testing::Values(
        // lenient: the leading number
        NumberCase{"", "nettimeout=15000", &S::nettimeout, 15000},
        NumberCase{"", "nettimeout=15000ms", &S::nettimeout, 15000},
        NumberCase{"", "nettimeout=letters", &S::nettimeout, 0},
        NumberCase{"", "nettimeout=", &S::nettimeout, 0},
        NumberCase{"", "nettimeout= 1 5 000", &S::nettimeout, 15000},
        NumberCase{"", "nettimeout=-250 ms", &S::nettimeout, -250},
        NumberCase{"", "nettimeout=2.5", &S::nettimeout, 2},
        NumberCase{"", "nettimeout=3.5", &S::nettimeout, 4},
        NumberCase{"", "nettimeout=2.51", &S::nettimeout, 3},
        NumberCase{"", "nettimeout=-2.5", &S::nettimeout, -2},
        NumberCase{"", "nettimeout=1e3", &S::nettimeout, 1000},
        NumberCase{"", "nettimeout=15e", &S::nettimeout, 15},
        NumberCase{"", "netsizemax=2147483647", &S::netsizemax, 2147483647},
        NumberCase{"nettimeout=9", "nettimeout=99999999999", &S::nettimeout, 9},
        NumberCase{"nettimeout=9", "nettimeout=1e999", &S::nettimeout, 9},
        // strict: the whole value must be a number, else the field keeps its value
        NumberCase{"", "winrefinerw=640", &S::winrefinerw, 640},
        NumberCase{"", "winrefinerw= 640 ", &S::winrefinerw, 640},
        NumberCase{"", "winrefinerw=-3", &S::winrefinerw, -3},
        NumberCase{"", "winrefinerw=+4", &S::winrefinerw, 4},
        NumberCase{"", "winrefinerw=4.5", &S::winrefinerw, 4},
        NumberCase{"", "winrefinerw=5.5", &S::winrefinerw, 6},
        NumberCase{"winrefinerw=640", "winrefinerw=letters", &S::winrefinerw, 640},
        NumberCase{"winrefinerw=640", "winrefinerw=800px", &S::winrefinerw, 640},
        NumberCase{"winrefinerw=640", "winrefinerw=", &S::winrefinerw, 640},
        NumberCase{"winrefinerw=640", "winrefinerw=8 00", &S::winrefinerw, 640},
        NumberCase{"winrefinerw=640", "winrefinerw=3000000000", &S::winrefinerw, 640},
        NumberCase{"winrefinerw=640", "winrefinerw=inf", &S::winrefinerw, 640},
        NumberCase{"winrefinerw=640", "winrefinerw=nan", &S::winrefinerw, 640},
        NumberCase{"winrefinerw=640", "winrefinerw=--1", &S::winrefinerw, 640},
        NumberCase{"Scanner_Cache=50", "Scanner_Cache=0x10", &S::Scanner_Cache, 50},
        NumberCase{"", "Auto_Leech=-2", &S::Auto_Leech, -2}),
    test::KeyedName<&NumberCase::line>{});

struct BoolCase {
    const char* before;
    const char* line;
    bool Settings::*field;
    bool expected;
};

class SettingsBoolean : public ::testing::TestWithParam<BoolCase> {};

TEST_P(SettingsBoolean, Converts) {
    const BoolCase& c = GetParam();
    Settings s = Defaults();
    if (*c.before) {
        ASSERT_TRUE(SettingsApplyLine(s, c.before));
    }
    SettingsApplyLine(s, c.line);
    EXPECT_EQ(s.*c.field, c.expected) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsBoolean,
    ::testing::Values(
        BoolCase{"", "scanimg=1", &S::scanimg, true},
        BoolCase{"", "   scanimg=1   ", &S::scanimg, true},  // the line is trimmed first
        BoolCase{"", "scanimg =1", &S::scanimg, false},      // the key "scanimg " is unknown
        BoolCase{"", "scanimg=-1", &S::scanimg, true},
        BoolCase{"", "scanimg=TRUE", &S::scanimg, true},
        BoolCase{"", "scanimg= true ", &S::scanimg, true},
        BoolCase{"scanimg=1", "scanimg=0\t", &S::scanimg, false},  // blanks and tabs around
        BoolCase{"", "scanimg=\ttrue\t", &S::scanimg, true},
        BoolCase{"", "scanlink=False", &S::scanlink, false},
        BoolCase{"", "scanlink=0.0", &S::scanlink, false},
        BoolCase{"", "scanimg=0.25", &S::scanimg, true},
        BoolCase{"", "scanlink=yes", &S::scanlink, true},  // does not convert: kept
        BoolCase{"scanimg=1", "scanimg=", &S::scanimg, true},
        BoolCase{"scanimg=1", "scanimg=1x", &S::scanimg, true},
        BoolCase{"", "Auto_CBmonitor_GetChange=-1", &S::Auto_CBmonitor_GetChange, true},
        // flags: the leading number, not zero
        BoolCase{"", "confirmclose=0", &S::confirmclose, false},
        BoolCase{"", "confirmclose=2", &S::confirmclose, true},
        BoolCase{"", "confirmclose=-1", &S::confirmclose, true},
        BoolCase{"", "confirmclose=letters", &S::confirmclose, false},
        BoolCase{"", "ReRouteAuto=1 please", &S::ReRouteAuto, true},
        BoolCase{"", "ReRouteAuto=true", &S::ReRouteAuto, false},
        // the old spelling of the re-route options
        BoolCase{"", "ReRootAuto=1", &S::ReRouteAuto, true},
        BoolCase{"", "ReRootAutoClose=7", &S::ReRouteAutoClose, true},
        BoolCase{"ReRouteAuto=1", "ReRootAuto=0", &S::ReRouteAuto, false},
        BoolCase{"", "rerouteauto=1", &S::ReRouteAuto, false}),
    test::KeyedName<&BoolCase::line>{});  // keys are case-sensitive

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
