#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/LogSink.h"
#include "main/PrepareTarget.h"
#include "main/SafeRelativeName.h"
#include "main/ServerName.h"
#include "main/doSuck_BuildFilename.h"
#include "net/modFs.h"
#include "net/ravlet_url.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {
namespace {

// The target of an address under each naming rule, below the download folder ("/" between
// folders); every folder on the way exists, and none of them outside the download folder.
TEST(NamingRows, TargetBelowTheFolder) {
    UrlSchemesInit();
    test::ScriptedUi ui;
    test::TempHome home;
    const std::string k300(300, 'a'), k16(16, 'e');
    const struct {
        const char* what;
        std::string address;
        int rule;
        long number;
        std::string name;
    } rows[] = {
        // Rule 0: the whole address without its scheme.
        {"long folders and file", "http://www.host.com/dir/sub/file.zip", 0, 0,
         "www.host.com_dir_sub_file.zip"},
        {"long keeps the port", "http://host:8080/a/b.zip", 0, 0, "host_8080_a_b.zip"},
        {"long with query", "http://h/a/b.php?id=1&x=2", 0, 0, "h_a_b.php_id=1&x=2"},
        {"long with trailing slash", "http://h/dir/", 0, 0, "h_dir_"},
        {"long with user", "ftp://user:pw@h/x.txt", 0, 0, "user_pw@h_x.txt"},
        {"long fragment cut", "http://h/a.html#top", 0, 0, "h_a.html"},
        {"long https", "https://h/p/q.gif", 0, 0, "h_p_q.gif"},
        // Rule 1: the file part.
        {"short file", "http://h/dir/file.zip", 1, 0, "file.zip"},
        {"short query stays", "http://h/get.php?f=a.zip", 1, 0, "get.php_f=a.zip"},
        {"short query of a host", "http://h?x=1", 1, 0, "_x=1"},
        {"short fragment cut", "http://h/a/b.html#x/y", 1, 0, "b.html"},
        {"short query and fragment", "http://h/a.php?x=1#frag", 1, 0, "a.php_x=1"},
        {"short trailing slash names nothing", "http://h/dir/", 1, 0, ""},
        {"short host only names nothing", "http://h", 1, 0, ""},
        {"short replaced characters", "http://h/a*b\"c<d>e|f:g.txt", 1, 0, "a_b_c_d_e_f_g.txt"},
        {"short blank kept", "http://h/my file.txt", 1, 0, "my file.txt"},
        {"short percent kept", "http://h/a%20b.txt", 1, 0, "a%20b.txt"},
        // Rule 2: host, separator, file part.
        {"server short drops port and folders", "http://h:81/d/e/f.gif", 2, 0, "h/f.gif"},
        {"server short trailing slash", "http://h/d/", 2, 0, "h/"},
        {"server short with query", "http://h/d/f.cgi?a=b", 2, 0, "h/f.cgi_a=b"},
        // Rule 3: host and path.
        {"rebuild folders", "http://h:81/d/e/f.gif?x=1", 3, 0, "h/d/e/f.gif_x=1"},
        {"rebuild trailing slash", "http://h/d/", 3, 0, "h/d/index.html"},
        {"rebuild host and slash", "http://h/", 3, 0, "h/index.html"},
        {"rebuild host only", "http://h", 3, 0, "h"},
        {"rebuild fragment cut", "http://h/d/#x", 3, 0, "h/d/index.html"},
        {"rebuild local file", "file:///tmp/x/y.txt", 3, 0, "tmp/x/y.txt"},
        {"rebuild query with slashes", "http://h/a.php?u=/x/y.jpg", 3, 0, "h/a.php_u=/x/y.jpg"},
        // Rule 4: numbered short names.
        {"numbered", "http://h/d/f.gif", 4, 1, "0001_f.gif"},
        {"numbered wide", "http://h/d/f.gif", 4, 12345, "12345_f.gif"},
        {"numbered trailing slash", "http://h/d/", 4, 7, "0007_index.html"},
        {"numbered without a number names nothing", "http://h/d/f.gif", 4, 0, ""},
        {"unknown rule names nothing", "http://h/d/f.gif", 9, 1, ""},
        // Names that would leave the download folder.
        {"rebuild dot dot", "http://h/../../etc/passwd", 3, 0, "h/_/_/etc/passwd"},
        {"rebuild dot", "http://h/a/./b", 3, 0, "h/a/_/b"},
        {"rebuild empty folder", "http://h//x", 3, 0, "h/x"},
        {"rebuild dot dot file", "http://h/a/..", 3, 0, "h/a/_"},
        {"rebuild dot dot host", "http://../x", 3, 0, "_/x"},
        {"short backslashed dot dots", "http://h/..\\..\\x.txt", 1, 0, "_/_/x.txt"},
        {"short leading backslash", "http://h/\\etc\\passwd", 1, 0, "etc/passwd"},
        {"long backslashed host", "http://..\\..\\x", 0, 0, "_/_/x"},
        {"server short dot dot", "http://h/..", 2, 0, "h/_"},
        {"three dots are a name", "http://h/...", 1, 0, "..."},
        {"encoded dots stay encoded", "http://h/%2e%2e/x", 3, 0, "h/%2e%2e/x"},
        // Names too long for one folder entry keep their extension.
        {"long file name shortened", "http://h/" + k300 + ".jpg", 1, 0,
         std::string(251, 'a') + ".jpg"},
        {"long name without extension", "http://h/" + k300, 1, 0, std::string(255, 'a')},
        {"extension of the longest kept length", "http://h/" + k300 + "." + k16, 1, 0,
         std::string(238, 'a') + "." + k16},
        {"extension one byte too long", "http://h/" + k300 + ".b" + k16, 1, 0,
         (k300 + ".b" + k16).substr(0, 255)},
        // IPv6 hosts: the brackets stay, the port never comes under rules 2 and 3.
        {"ipv6 long", "http://[::1]:81/d/f.gif", 0, 0, "[__1]_81_d_f.gif"},
        {"ipv6 server short", "http://[::1]:81/d/f.gif", 2, 0, "[__1]/f.gif"},
        {"ipv6 rebuild", "http://[::1]:81/d/f.gif", 3, 0, "[__1]/d/f.gif"},
        {"nul byte in a name", std::string("http://h/a\0b.txt", 16), 1, 0, "a_b.txt"},
        {"long folder shortened", "http://h/" + k300 + "/f.txt", 3, 0,
         "h/" + std::string(255, 'a') + "/f.txt"},
    };
    const std::string savedir = home.path() + "/dl/";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string path = PrepareTarget(savedir, row.address, row.rule, row.number);
        EXPECT_EQ(path.compare(0, savedir.size(), savedir), 0) << path;
        EXPECT_EQ(path.substr(std::min(savedir.size(), path.size())), row.name);
        EXPECT_TRUE(DirExists(path.substr(0, path.rfind(kPathSep)))) << path;
        EXPECT_EQ(path.find("/../"), std::string::npos);
        EXPECT_EQ(path.find("/./"), std::string::npos);
    }
}

TEST(Naming, LongNamingOfAnAddressWithoutSchemeIsLoggedAndUsesTheAddress) {
    UrlSchemesInit();
    std::vector<std::string> log;
    SetLogHandler([&](const std::string& text, bool) { log.push_back(text); });
    EXPECT_EQ(doSuck_BuildFilename("just/a/name.txt", 0), "just_a_name.txt");
    SetLogHandler({});
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0], "Warning: Can't build Filename of URL: just/a/name.txt");
}

TEST(Naming, ShorteningKeepsWholeCharacters) {
    // "é" is two bytes; 254 of them cannot be cut to 255 bytes in the middle of one.
    std::string text;
    for (int i = 0; i < 200; ++i) text += "\xC3\xA9";
    const std::string cut = ShortenName(text + ".png", 255);
    EXPECT_LE(cut.size(), 255u);
    EXPECT_EQ(cut.substr(cut.size() - 4), ".png");
    EXPECT_EQ(cut.size() % 2, 0u);  // whole two-byte characters, then ".png"
    EXPECT_EQ(ShortenName("short.txt", 255), "short.txt");
    // An "extension" that is really a long query is cut like the rest.
    const std::string query = "a." + std::string(300, 'q');
    EXPECT_EQ(ShortenName(query, 255), query.substr(0, 255));
}

// A path below a fresh folder holding "file.txt" and "sub/": usable as a target or not.
TEST(TargetUsableRows, Judges) {
    test::TempHome home;
    home.Write("file.txt", "x");
    MakePathFor(home.path() + "/sub/");
    const struct {
        const char* what;
        std::string relative;
        bool usable;
    } rows[] = {
        {"new file", "new.bin", true},
        {"existing file", "file.txt", true},
        {"folder with separator", "sub/", false},
        {"folder without separator", "sub", false},
        {"new name with separator", "new/", false},
        {"the download folder itself", "", false},
        {"missing folder", "missing/new.bin", false},
        {"below a file", "file.txt/new.bin", false},
        {"path too long", std::string(5000, 'a'), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string path = home.path() + "/" + row.relative;
        EXPECT_EQ(TargetUsable(path), row.usable);
        // Told, as the folder maker tells, that something lies at the folder's path: the same.
        if (DirExists(path.substr(0, path.rfind('/')))) {
            EXPECT_EQ(TargetUsable(path, true), row.usable);
        }
    }
}

TEST(TargetUsable, EmptyPathIsNotUsable) {
    EXPECT_FALSE(TargetUsable(""));
}

// The name a server gives in Content-Disposition, and the target it makes of the requested
// address under a naming rule; an empty name: no renaming.
TEST(ServerNameRows, Renames) {
    UrlSchemesInit();
    test::ScriptedUi ui;
    const struct {
        const char* what;
        std::string header;
        int rule;
        std::string name;
        std::string requested = "http://h/g";
    } rows[] = {
        {"quoted with blank", "attachment; filename=\"my file.zip\"", 1, "my file.zip",
         "http://h/d/get.php?id=1"},
        {"unquoted ends at the next parameter", "attachment; filename=a.zip; size=10", 1, "a.zip",
         "http://h/d/get.php?id=1"},
        {"quoted and extended", "attachment; filename=\"report.pdf\"; filename*=UTF-8''report.pdf",
         1, "report.pdf"},
        {"extended wins and is decoded",
         "attachment; filename=\"plain.txt\"; filename*=UTF-8''na%C3%AFve%20r.txt", 1,
         "na\xC3\xAFve r.txt"},
        {"extended latin 1", "attachment; filename*=iso-8859-1'en'%E9t%E9.txt", 1,
         "\xC3\xA9t\xC3\xA9.txt"},
        {"extended without its form is ignored", "attachment; filename*=bad.txt; filename=good.txt",
         1, "good.txt"},
        {"semicolon inside quotes", "attachment; filename=\"a;b.txt\"; size=3", 1, "a;b.txt"},
        {"escaped quote inside quotes", "attachment; filename=\"a\\\"b.txt\"", 1, "a_b.txt"},
        {"blanks around the equals sign", "attachment; filename = \"c d.txt\" ", 1, "c d.txt"},
        {"another parameter ending in filename", "attachment; xfilename=x.txt", 1, ""},
        {"letter case ignored", "ATTACHMENT; FILENAME=x.bin", 1, "x.bin"},
        {"blanks trimmed", "attachment; filename=  s.txt  ", 1, "s.txt"},
        {"query dropped under rebuild", "attachment; filename=r.pdf", 3, "h/d/r.pdf",
         "http://h/d/get.php?id=1"},
        {"first filename counts", "filename=a.txt; filename=b.txt", 1, "a.txt"},
        {"open quote runs to the end", "filename=\"x.txt", 1, "x.txt"},
        {"lone quote names nothing", "filename=\"", 1, ""},
        {"no file name", "inline", 1, ""},
        {"empty quotes", "attachment; filename=\"\"", 1, ""},
        {"hostile backslashes short", "attachment; filename=\"..\\..\\evil.sh\"", 1, "_/_/evil.sh",
         "http://h/d/get.php"},
        {"hostile backslashes rebuild", "attachment; filename=..\\..\\evil.sh", 3,
         "h/d/_/_/evil.sh", "http://h/d/get.php"},
        {"hostile slashes rebuild", "attachment; filename=\"../../evil.sh\"", 3, "h/d/_/_/evil.sh",
         "http://h/d/get.php"},
        {"absolute path rebuild", "attachment; filename=\"/etc/passwd\"", 3, "h/d/etc/passwd",
         "http://h/d/get.php"},
        {"absolute path short", "attachment; filename=\"/etc/passwd\"", 1, "passwd",
         "http://h/d/get.php"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string name = ContentDispositionName(row.header);
        if (row.name.empty()) {
            EXPECT_EQ(name, "");
            continue;
        }
        const std::string address = ServerNamedAddress(row.requested, name);
        EXPECT_EQ(doSuck_BuildFilename(address, row.rule), row.name) << address;
    }
}

}  // namespace
}  // namespace ravlet
