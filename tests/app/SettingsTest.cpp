#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "support/Defaults.h"
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

TEST(Settings, DefaultsAreWrittenInTheirLayoutAndThePathsFollowTheProgramFolder) {
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
    const Settings s = Defaults();
    const std::vector<std::string> got = Lines(SettingsText(s)), want = Lines(crlf);
    for (std::size_t i = 0; i < want.size() && i < got.size(); ++i)
        EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
    EXPECT_EQ(got.size(), want.size());
    EXPECT_EQ(s.settingsFile, home.path() + "/ravlet.ini");
    EXPECT_EQ(s.historyFile, home.path() + "/ravlet.hst");
    EXPECT_EQ(s.dirHistoryFile, home.path() + "/ravlet.dir.hst");
}

// Each line is key=value, applied to the defaults, or after the line before; keys are
// case-sensitive and blanks around a line are trimmed.
TEST(Settings, ValuesConvert) {
    using S = Settings;
    using P = std::pair<const char*, int>;  // a value, and the field after it (a boolean as 0/1)
    struct Group {
        const char* key;
        std::variant<int S::*, bool S::*> field;
        const char* before;  // a line applied first, to give the field a current value
        std::vector<P> values;
    };
    const Group groups[] = {
        // lenient: the leading number
        Group{"nettimeout",
              &S::nettimeout,
              nullptr,
              {P{"15000", 15000}, P{"15000ms", 15000}, P{"letters", 0}, P{"", 0},
               P{" 1 5 000", 15000}, P{"-250 ms", -250}, P{"2.5", 2}, P{"3.5", 4}, P{"2.51", 3},
               P{"-2.5", -2}, P{"1e3", 1000}, P{"15e", 15}}},
        Group{"netsizemax", &S::netsizemax, nullptr, {P{"2147483647", 2147483647}}},
        Group{"nettimeout", &S::nettimeout, "nettimeout=9", {P{"99999999999", 9}, P{"1e999", 9}}},
        // strict: the whole value must be a number, else the field keeps its value
        Group{"winrefinerw",
              &S::winrefinerw,
              nullptr,
              {P{"640", 640}, P{" 640 ", 640}, P{"-3", -3}, P{"+4", 4}, P{"4.5", 4}, P{"5.5", 6}}},
        Group{"winrefinerw",
              &S::winrefinerw,
              "winrefinerw=640",
              {P{"letters", 640}, P{"800px", 640}, P{"", 640}, P{"8 00", 640}, P{"3000000000", 640},
               P{"inf", 640}, P{"nan", 640}, P{"--1", 640}}},
        Group{"Scanner_Cache", &S::Scanner_Cache, "Scanner_Cache=50", {P{"0x10", 50}}},
        Group{"Auto_Leech", &S::Auto_Leech, nullptr, {P{"-2", -2}}},
        Group{"scanimg",
              &S::scanimg,
              nullptr,
              {P{"1", true}, P{"-1", true}, P{"TRUE", true}, P{" true ", true}, P{"\ttrue\t", true},
               P{"0.25", true}}},
        Group{"   scanimg", &S::scanimg, nullptr, {P{"1   ", true}}},
        Group{"scanimg ", &S::scanimg, nullptr, {P{"1", false}}},  // the key "scanimg " is unknown
        Group{"scanimg", &S::scanimg, "scanimg=1", {P{"0\t", false}, P{"", true}, P{"1x", true}}},
        // "yes" does not convert: the field keeps its value
        Group{"scanlink",
              &S::scanlink,
              nullptr,
              {P{"False", false}, P{"0.0", false}, P{"yes", true}}},
        Group{"Auto_CBmonitor_GetChange", &S::Auto_CBmonitor_GetChange, nullptr, {P{"-1", true}}},
        // flags: the leading number, not zero
        Group{"confirmclose",
              &S::confirmclose,
              nullptr,
              {P{"0", false}, P{"2", true}, P{"-1", true}, P{"letters", false}}},
        Group{"ReRouteAuto", &S::ReRouteAuto, nullptr, {P{"1 please", true}, P{"true", false}}},
        // the old spelling of the re-route options
        Group{"ReRootAuto", &S::ReRouteAuto, nullptr, {P{"1", true}}},
        Group{"ReRootAutoClose", &S::ReRouteAutoClose, nullptr, {P{"7", true}}},
        Group{"ReRootAuto", &S::ReRouteAuto, "ReRouteAuto=1", {P{"0", false}}},
        Group{"rerouteauto", &S::ReRouteAuto, nullptr, {P{"1", false}}}};
    for (const Group& group : groups)
        for (const auto& [value, expected] : group.values) {
            const std::string line = std::string(group.key) + "=" + value;
            Settings s = Defaults();
            if (group.before) {
                ASSERT_TRUE(SettingsApplyLine(s, group.before));
            }
            SettingsApplyLine(s, line);
            const int now =
                std::visit([&s](auto field) { return static_cast<int>(s.*field); }, group.field);
            EXPECT_EQ(now, expected) << line;
        }
}

TEST(Settings, TextValuesAreTakenAsTheyStand) {
    const struct {
        const char* line;
        std::string Settings::*field;
        std::string expected;
    } rows[] = {{"netProxy=proxy:8080", &Settings::netProxy, "proxy:8080"},
                {"netProxy=a=b=c", &Settings::netProxy, "a=b=c"},
                {"netProxy= spaced out  ", &Settings::netProxy, " spaced out"},
                {"netProxy=", &Settings::netProxy, ""},
                {"netProxy=one\r\ntwo", &Settings::netProxy, "onetwo"},
                {"user-agent=ravlet/1", &Settings::user_agent, "ravlet/1"},
                {"=orphan", &Settings::netProxy, ""},
                {"// netProxy=commented", &Settings::netProxy, ""}};
    for (const auto& row : rows) {
        Settings s = Defaults();
        SettingsApplyLine(s, row.line);
        EXPECT_EQ(s.*row.field, row.expected) << row.line;
    }
}

TEST(Settings, ApplyLineTellsWhetherItSetSomething) {
    Settings s = Defaults();
    EXPECT_TRUE(SettingsApplyLine(s, "scanimg=1"));
    EXPECT_FALSE(SettingsApplyLine(s, "nosuchkey=1"));
    EXPECT_FALSE(SettingsApplyLine(s, "no equals sign"));
    EXPECT_FALSE(SettingsApplyLine(s, "//scanimg=0"));
    EXPECT_FALSE(SettingsApplyLine(s, "winrefinerw=wide"));
    EXPECT_TRUE(s.scanimg);
}

TEST(Settings, SpecialWrittenFormsAndALineBreakThatCannotBecomeAKey) {
    Settings s = Defaults();
    SettingsApplyLine(s, "ReRootAuto=1");  // the old names are read, never written
    SettingsApplyLine(s, "ReRootAutoClose=1");
    s.Auto_Leech = -3;  // written as their absolute values
    s.Auto_Close = -2;
    s.Auto_CBmonitor_GetChange = true;
    s.Auto_CBmonitor = true;
    s.netProxy = "proxy\nscanimg=1\rscanwildsrc=1";  // a line break cannot start a key of its own
    const std::string text = SettingsText(s);
    for (const std::string line :
         {"ReRouteAutoClose=1\r\nReRouteAuto=1", "Auto_Leech=3", "Auto_Close=2", "Auto_CBmonitor=1",
          "Auto_CBmonitor_GetChange=-1", "netProxy=proxyscanimg=1scanwildsrc=1"})
        EXPECT_NE(text.find("\r\n" + line + "\r\n"), std::string::npos) << line;
    EXPECT_EQ(text.find("ReRoot"), std::string::npos);
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
