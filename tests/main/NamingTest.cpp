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
#include "support/RowName.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {
namespace {

struct NameRow {
    const char* what;
    std::string address;
    int rule;
    long number;
    std::string name;  // below the download folder, "/" between folders
};

class NamingRows : public ::testing::TestWithParam<NameRow> {
  protected:
    void SetUp() override { UrlSchemesInit(); }
    test::ScriptedUi ui;
    test::TempHome home;
};

TEST_P(NamingRows, TargetBelowTheFolder) {
    const NameRow& row = GetParam();
    const std::string savedir = home.path() + "/dl/";
    const std::string path = PrepareTarget(savedir, row.address, row.rule, row.number);
    ASSERT_EQ(path.compare(0, savedir.size(), savedir), 0) << path;
    EXPECT_EQ(path.substr(savedir.size()), row.name);
    // Every folder on the way exists, and none of them outside the download folder.
    const std::size_t sep = path.rfind(kPathSep);
    EXPECT_TRUE(DirExists(path.substr(0, sep))) << path;
    EXPECT_EQ(path.find("/../"), std::string::npos);
    EXPECT_EQ(path.find("/./"), std::string::npos);
}

const std::string k300(300, 'a');
const std::string k16(16, 'e');

INSTANTIATE_TEST_SUITE_P(
    Rows, NamingRows,
    ::testing::Values(
        // Rule 0: the whole address without its scheme.
        NameRow{"long folders and file", "http://www.host.com/dir/sub/file.zip", 0, 0,
                "www.host.com_dir_sub_file.zip"},
        NameRow{"long keeps the port", "http://host:8080/a/b.zip", 0, 0, "host_8080_a_b.zip"},
        NameRow{"long with query", "http://h/a/b.php?id=1&x=2", 0, 0, "h_a_b.php_id=1&x=2"},
        NameRow{"long with trailing slash", "http://h/dir/", 0, 0, "h_dir_"},
        NameRow{"long with user", "ftp://user:pw@h/x.txt", 0, 0, "user_pw@h_x.txt"},
        NameRow{"long fragment cut", "http://h/a.html#top", 0, 0, "h_a.html"},
        NameRow{"long https", "https://h/p/q.gif", 0, 0, "h_p_q.gif"},
        // Rule 1: the file part.
        NameRow{"short file", "http://h/dir/file.zip", 1, 0, "file.zip"},
        NameRow{"short query stays", "http://h/get.php?f=a.zip", 1, 0, "get.php_f=a.zip"},
        NameRow{"short query of a host", "http://h?x=1", 1, 0, "_x=1"},
        NameRow{"short fragment cut", "http://h/a/b.html#x/y", 1, 0, "b.html"},
        NameRow{"short query and fragment", "http://h/a.php?x=1#frag", 1, 0, "a.php_x=1"},
        NameRow{"short trailing slash names nothing", "http://h/dir/", 1, 0, ""},
        NameRow{"short host only names nothing", "http://h", 1, 0, ""},
        NameRow{"short replaced characters", "http://h/a*b\"c<d>e|f:g.txt", 1, 0,
                "a_b_c_d_e_f_g.txt"},
        NameRow{"short blank kept", "http://h/my file.txt", 1, 0, "my file.txt"},
        NameRow{"short percent kept", "http://h/a%20b.txt", 1, 0, "a%20b.txt"},
        // Rule 2: host, separator, file part.
        NameRow{"server short drops port and folders", "http://h:81/d/e/f.gif", 2, 0, "h/f.gif"},
        NameRow{"server short trailing slash", "http://h/d/", 2, 0, "h/"},
        NameRow{"server short with query", "http://h/d/f.cgi?a=b", 2, 0, "h/f.cgi_a=b"},
        // Rule 3: host and path.
        NameRow{"rebuild folders", "http://h:81/d/e/f.gif?x=1", 3, 0, "h/d/e/f.gif_x=1"},
        NameRow{"rebuild trailing slash", "http://h/d/", 3, 0, "h/d/index.html"},
        NameRow{"rebuild host and slash", "http://h/", 3, 0, "h/index.html"},
        NameRow{"rebuild host only", "http://h", 3, 0, "h"},
        NameRow{"rebuild fragment cut", "http://h/d/#x", 3, 0, "h/d/index.html"},
        NameRow{"rebuild local file", "file:///tmp/x/y.txt", 3, 0, "tmp/x/y.txt"},
        NameRow{"rebuild query with slashes", "http://h/a.php?u=/x/y.jpg", 3, 0,
                "h/a.php_u=/x/y.jpg"},
        // Rule 4: numbered short names.
        NameRow{"numbered", "http://h/d/f.gif", 4, 1, "0001_f.gif"},
        NameRow{"numbered wide", "http://h/d/f.gif", 4, 12345, "12345_f.gif"},
        NameRow{"numbered trailing slash", "http://h/d/", 4, 7, "0007_index.html"},
        NameRow{"numbered without a number names nothing", "http://h/d/f.gif", 4, 0, ""},
        NameRow{"unknown rule names nothing", "http://h/d/f.gif", 9, 1, ""},
        // Names that would leave the download folder.
        NameRow{"rebuild dot dot", "http://h/../../etc/passwd", 3, 0, "h/_/_/etc/passwd"},
        NameRow{"rebuild dot", "http://h/a/./b", 3, 0, "h/a/_/b"},
        NameRow{"rebuild empty folder", "http://h//x", 3, 0, "h/x"},
        NameRow{"rebuild dot dot file", "http://h/a/..", 3, 0, "h/a/_"},
        NameRow{"rebuild dot dot host", "http://../x", 3, 0, "_/x"},
        NameRow{"short backslashed dot dots", "http://h/..\\..\\x.txt", 1, 0, "_/_/x.txt"},
        NameRow{"short leading backslash", "http://h/\\etc\\passwd", 1, 0, "etc/passwd"},
        NameRow{"long backslashed host", "http://..\\..\\x", 0, 0, "_/_/x"},
        NameRow{"server short dot dot", "http://h/..", 2, 0, "h/_"},
        NameRow{"three dots are a name", "http://h/...", 1, 0, "..."},
        NameRow{"encoded dots stay encoded", "http://h/%2e%2e/x", 3, 0, "h/%2e%2e/x"},
        // Names too long for one folder entry keep their extension.
        NameRow{"long file name shortened", "http://h/" + k300 + ".jpg", 1, 0,
                std::string(251, 'a') + ".jpg"},
        NameRow{"long name without extension", "http://h/" + k300, 1, 0, std::string(255, 'a')},
        NameRow{"extension of the longest kept length", "http://h/" + k300 + "." + k16, 1, 0,
                std::string(238, 'a') + "." + k16},
        NameRow{"extension one byte too long", "http://h/" + k300 + ".b" + k16, 1, 0,
                (k300 + ".b" + k16).substr(0, 255)},
        // IPv6 hosts: the brackets stay, the port never comes under rules 2 and 3.
        NameRow{"ipv6 long", "http://[::1]:81/d/f.gif", 0, 0, "[__1]_81_d_f.gif"},
        NameRow{"ipv6 server short", "http://[::1]:81/d/f.gif", 2, 0, "[__1]/f.gif"},
        NameRow{"ipv6 rebuild", "http://[::1]:81/d/f.gif", 3, 0, "[__1]/d/f.gif"},
        NameRow{"nul byte in a name", std::string("http://h/a\0b.txt", 16), 1, 0, "a_b.txt"},
        NameRow{"long folder shortened", "http://h/" + k300 + "/f.txt", 3, 0,
                "h/" + std::string(255, 'a') + "/f.txt"}),
    test::RowName{});

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

struct UsableRow {
    const char* what;
    std::string relative;  // below a fresh folder holding "file.txt" and "sub/"
    bool usable;
};

class TargetUsableRows : public ::testing::TestWithParam<UsableRow> {};

TEST_P(TargetUsableRows, Judges) {
    test::TempHome home;
    home.Write("file.txt", "x");
    MakePathFor(home.path() + "/sub/");
    const std::string path = home.path() + "/" + GetParam().relative;
    EXPECT_EQ(TargetUsable(path), GetParam().usable);
    // Told, as the folder maker tells, that something lies at the folder's path: the same.
    if (DirExists(path.substr(0, path.rfind('/')))) {
        EXPECT_EQ(TargetUsable(path, true), GetParam().usable);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, TargetUsableRows,
                         ::testing::Values(UsableRow{"new file", "new.bin", true},
                                           UsableRow{"existing file", "file.txt", true},
                                           UsableRow{"folder with separator", "sub/", false},
                                           UsableRow{"folder without separator", "sub", false},
                                           UsableRow{"new name with separator", "new/", false},
                                           UsableRow{"the download folder itself", "", false},
                                           UsableRow{"missing folder", "missing/new.bin", false},
                                           UsableRow{"below a file", "file.txt/new.bin", false},
                                           UsableRow{"path too long", std::string(5000, 'a'),
                                                     false}),
                         test::RowName{});

TEST(TargetUsable, EmptyPathIsNotUsable) {
    EXPECT_FALSE(TargetUsable(""));
}

struct DispositionRow {
    const char* what;
    std::string header;
    std::string requested;
    int rule;
    std::string name;  // the target below the download folder; empty: no renaming
};

class ServerNameRows : public ::testing::TestWithParam<DispositionRow> {};

TEST_P(ServerNameRows, Renames) {
    UrlSchemesInit();
    test::ScriptedUi ui;
    const DispositionRow& row = GetParam();
    const std::string name = ContentDispositionName(row.header);
    if (row.name.empty()) {
        EXPECT_EQ(name, "");
        return;
    }
    const std::string address = ServerNamedAddress(row.requested, name);
    EXPECT_EQ(doSuck_BuildFilename(address, row.rule), row.name) << address;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ServerNameRows,
    ::testing::Values(
        DispositionRow{"quoted with blank", "attachment; filename=\"my file.zip\"",
                       "http://h/d/get.php?id=1", 1, "my file.zip"},
        DispositionRow{"unquoted ends at the next parameter", "attachment; filename=a.zip; size=10",
                       "http://h/d/get.php?id=1", 1, "a.zip"},
        DispositionRow{"quoted and extended",
                       "attachment; filename=\"report.pdf\"; filename*=UTF-8''report.pdf",
                       "http://h/g", 1, "report.pdf"},
        DispositionRow{"extended wins and is decoded",
                       "attachment; filename=\"plain.txt\"; filename*=UTF-8''na%C3%AFve%20r.txt",
                       "http://h/g", 1, "na\xC3\xAFve r.txt"},
        DispositionRow{"extended latin 1", "attachment; filename*=iso-8859-1'en'%E9t%E9.txt",
                       "http://h/g", 1, "\xC3\xA9t\xC3\xA9.txt"},
        DispositionRow{"extended without its form is ignored",
                       "attachment; filename*=bad.txt; filename=good.txt", "http://h/g", 1,
                       "good.txt"},
        DispositionRow{"semicolon inside quotes", "attachment; filename=\"a;b.txt\"; size=3",
                       "http://h/g", 1, "a;b.txt"},
        DispositionRow{"escaped quote inside quotes", "attachment; filename=\"a\\\"b.txt\"",
                       "http://h/g", 1, "a_b.txt"},
        DispositionRow{"blanks around the equals sign", "attachment; filename = \"c d.txt\" ",
                       "http://h/g", 1, "c d.txt"},
        DispositionRow{"another parameter ending in filename", "attachment; xfilename=x.txt",
                       "http://h/g", 1, ""},
        DispositionRow{"letter case ignored", "ATTACHMENT; FILENAME=x.bin", "http://h/g", 1,
                       "x.bin"},
        DispositionRow{"blanks trimmed", "attachment; filename=  s.txt  ", "http://h/g", 1,
                       "s.txt"},
        DispositionRow{"query dropped under rebuild", "attachment; filename=r.pdf",
                       "http://h/d/get.php?id=1", 3, "h/d/r.pdf"},
        DispositionRow{"first filename counts", "filename=a.txt; filename=b.txt", "http://h/g", 1,
                       "a.txt"},
        DispositionRow{"open quote runs to the end", "filename=\"x.txt", "http://h/g", 1, "x.txt"},
        DispositionRow{"lone quote names nothing", "filename=\"", "http://h/g", 1, ""},
        DispositionRow{"no file name", "inline", "http://h/g", 1, ""},
        DispositionRow{"empty quotes", "attachment; filename=\"\"", "http://h/g", 1, ""},
        DispositionRow{"hostile backslashes short", "attachment; filename=\"..\\..\\evil.sh\"",
                       "http://h/d/get.php", 1, "_/_/evil.sh"},
        DispositionRow{"hostile backslashes rebuild", "attachment; filename=..\\..\\evil.sh",
                       "http://h/d/get.php", 3, "h/d/_/_/evil.sh"},
        DispositionRow{"hostile slashes rebuild", "attachment; filename=\"../../evil.sh\"",
                       "http://h/d/get.php", 3, "h/d/_/_/evil.sh"},
        DispositionRow{"absolute path rebuild", "attachment; filename=\"/etc/passwd\"",
                       "http://h/d/get.php", 3, "h/d/etc/passwd"},
        DispositionRow{"absolute path short", "attachment; filename=\"/etc/passwd\"",
                       "http://h/d/get.php", 1, "passwd"}),
    test::RowName{});

}  // namespace
}  // namespace ravlet
