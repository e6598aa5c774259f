#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "support/Defaults.h"
#include "support/FileSizeLimit.h"
#include "support/TempHome.h"

namespace ravlet {

namespace {

using test::Defaults;

// Every field away from its default, each to a value of its own.
Settings EveryFieldChanged() {
    Settings s = Defaults();
    int n = 1;
    for (const settings::KeyRow& row : settings::KeyRows()) {
        if (!row.key) continue;
        if (row.text) s.*row.text = std::string(row.key) + " value=" + std::to_string(n);
        if (row.number) s.*row.number = (n % 2 ? -1 : 1) * (1000 + n);
        if (row.boolean) s.*row.boolean = !(s.*row.boolean);
        ++n;
    }
    // These two are written as their absolute value.
    s.Auto_Leech = 4;
    s.Auto_Close = 3;
    return s;
}

std::size_t FilesIn(const std::string& folder) {
    std::size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder)) (void)e, ++n;
    return n;
}

}  // namespace

TEST(SettingsFile, WriteThenReadGivesBackEveryField) {
    test::TempHome home;
    const Settings written = EveryFieldChanged();
    std::string error;
    ASSERT_TRUE(SettingsWriteFile(written, home.File("round.ini"), &error)) << error;
    Settings read = Defaults();
    ASSERT_TRUE(SettingsReadFile(read, home.File("round.ini")));
    for (const settings::KeyRow& row : settings::KeyRows()) {
        if (!row.key) continue;
        if (row.text) {
            EXPECT_EQ(read.*row.text, written.*row.text) << row.key;
        }
        if (row.number) {
            EXPECT_EQ(read.*row.number, written.*row.number) << row.key;
        }
        if (row.boolean) {
            EXPECT_EQ(read.*row.boolean, written.*row.boolean) << row.key;
        }
    }
    EXPECT_EQ(SettingsText(read), SettingsText(written));
}

TEST(SettingsFile, NegativeAutoValuesComeBackAsTheirAbsoluteValue) {
    test::TempHome home;
    Settings s = Defaults();
    s.Auto_Leech = -1;
    s.Auto_Close = -3;
    ASSERT_TRUE(SettingsWriteFile(s, home.File("abs.ini")));
    Settings read = Defaults();
    ASSERT_TRUE(SettingsReadFile(read, home.File("abs.ini")));
    EXPECT_EQ(read.Auto_Leech, 1);
    EXPECT_EQ(read.Auto_Close, 3);
    // The smallest values have no absolute value of their own: the largest stands for it.
    s.Auto_Leech = s.Auto_Close = INT_MIN;
    for (const char* key : {"Auto_Leech", "Auto_Close"})
        ASSERT_TRUE(SettingsApplyLine(
            read, std::string(key) + "=" + settings::WrittenValue(s, *settings::FindKey(key))));
    EXPECT_EQ(read.Auto_Leech, INT_MAX);
    EXPECT_EQ(read.Auto_Close, INT_MAX);
}

TEST(SettingsFile, AnEmptyPathIsTheSettingsFileAndAMissingFileKeepsTheRecord) {
    test::TempHome home;
    Settings s = Defaults();
    ASSERT_TRUE(SettingsWriteFile(s));
    EXPECT_EQ(home.Read("ravlet.ini"), SettingsText(s));
    s.nettimeout = 1234;
    EXPECT_TRUE(SettingsReadFile(s, home.File("absent.ini")));
    EXPECT_EQ(s.nettimeout, 1234);
}

std::string Garbage(std::size_t n) {
    std::string out(n, '\0');
    std::uint32_t x = 12345;
    for (char& c : out) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    return out;
}

// Each file ends with lines that must still take effect after whatever came before.
TEST(SettingsFile, ABadFileIsReadWithoutHarm) {
    const std::string tail = "\r\nscanimg=1\r\nnettimeout=777";
    const std::pair<const char*, std::string> files[] = {
        {"binary", Garbage(65536) + tail},
        {"nul bytes", std::string("scan\0img=0\r\nwinrefinerw=\0\r\n", 26) + tail},
        {"megabyte line", "netProxy=" + std::string(1 << 20, 'x') + tail},
        {"megabyte key", std::string(1 << 20, 'k') + "=1" + tail},
        {"cr only", "scanimg=0\rnettimeout=5\rscanimg=1\rnettimeout=777\r"},
        {"lf only", "scanimg=0\nnettimeout=5\nscanimg=1\nnettimeout=777\n"},
        {"no line end", "scanimg=1\r\nnettimeout=777"},
        {"duplicates", "scanimg=0\r\nscanimg=1\r\nnettimeout=1\r\nnettimeout=777"},
        {"unknown keys", "foo=bar\r\n=\r\n==\r\n=1\r\nscanimg==1" + tail},
        {"unconvertible", "winrefinerw=wide\r\nscanimg=maybe" + tail},
        {"only breaks", std::string(5000, '\r') + std::string(5000, '\n') + tail}};
    test::TempHome home;
    for (const auto& [name, bytes] : files) {
        home.Write("bad.ini", bytes);
        Settings s = Defaults();
        EXPECT_TRUE(SettingsReadFile(s, home.File("bad.ini"))) << name;
        EXPECT_TRUE(s.scanimg) << name;
        EXPECT_EQ(s.nettimeout, 777) << name;
        EXPECT_EQ(s.winrefinerw, 0) << name;
    }
}

TEST(SettingsFile, AFolderOrAHugeFileIsAnErrorAndChangesNothing) {
    test::TempHome home;
    std::filesystem::create_directory(home.File("dir.ini"));
    home.Write("huge.ini", "scanimg=1\r\n" + std::string(17 << 20, ' '));
    for (const char* name : {"dir.ini", "huge.ini"}) {
        Settings s = Defaults();
        EXPECT_FALSE(SettingsReadFile(s, home.File(name))) << name;
        EXPECT_EQ(SettingsText(s), SettingsText(Defaults())) << name;
    }
}

TEST(SettingsFile, AFailedWriteSaysWhyAndLeavesTheOldFile) {
    test::TempHome home;
    std::string error;
    EXPECT_FALSE(SettingsWriteFile(Defaults(), home.File("no/such/folder.ini"), &error));
    EXPECT_NE(error.find("no/such"), std::string::npos) << error;

    // A folder cannot be replaced by the file: the rename fails after the data was written.
    std::filesystem::create_directory(home.File("taken.ini"));
    home.Write("taken.ini/inside", "keep");
    error.clear();
    EXPECT_FALSE(SettingsWriteFile(Defaults(), home.File("taken.ini"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(home.Read("taken.ini/inside"), "keep");
    EXPECT_EQ(FilesIn(home.path()), 1u) << "a temporary file was left behind";
}

TEST(SettingsFile, ADiskThatFillsUpMidwayLeavesTheOldFile) {
    test::TempHome home;
    home.Write("ravlet.ini", "scanimg=1\r\n");
    std::string error;
    bool ok;
    {
        const test::FileSizeLimit full(512);
        ok = SettingsWriteFile(Defaults(), std::string(), &error);
    }
    EXPECT_FALSE(ok);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(home.Read("ravlet.ini"), "scanimg=1\r\n");
    EXPECT_EQ(FilesIn(home.path()), 1u) << "a temporary file was left behind";
}

// Files that could not be read whole: the record holds the defaults, and no write replaces
// the file with them.
TEST(SettingsFile, AFileThatCouldNotBeReadIsNeverWrittenOver) {
    test::TempHome home;
    const std::string big = "scanimg=1\r\n" + std::string(17 << 20, ' ');
    const std::function<void()> makers[] = {
        [&] { home.Write("ravlet.ini", big); },
        [&] { ASSERT_EQ(mkfifo(home.File("ravlet.ini").c_str(), 0600), 0); },
        [&] { std::filesystem::create_directory(home.File("ravlet.ini")); },
    };
    for (const auto& make : makers) {
        std::filesystem::remove(home.File("ravlet.ini"));
        make();
        const auto before = std::filesystem::status(home.File("ravlet.ini")).type();
        Settings s;
        SettingsLoad(s);
        EXPECT_EQ(s.unreadFile, home.File("ravlet.ini"));
        EXPECT_FALSE(s.unreadProblem.empty());
        EXPECT_EQ(SettingsText(s), SettingsText([] {
                      Settings d;
                      SettingsLoad(d, "/no/such/file.ini");
                      return d;
                  }()));
        std::string error;
        EXPECT_FALSE(SettingsWriteFile(s, std::string(), &error));
        EXPECT_NE(error.find("could not be read whole"), std::string::npos) << error;
        EXPECT_EQ(std::filesystem::status(home.File("ravlet.ini")).type(), before);
        // Another file may still be written from the same record.
        EXPECT_TRUE(SettingsWriteFile(s, home.File("other.ini"), &error)) << error;
    }
    EXPECT_TRUE(std::filesystem::is_directory(home.File("ravlet.ini")));
}

TEST(SettingsFile, WritingKeepsTheModeAndFollowsALink) {
    test::TempHome home;
    home.Write("real.ini", "scanimg=1\r\n");
    ASSERT_EQ(chmod(home.File("real.ini").c_str(), 0640), 0);
    std::filesystem::create_symlink("real.ini", home.File("ravlet.ini"));
    Settings s;
    SettingsLoad(s);
    EXPECT_TRUE(s.scanimg);
    s.nettimeout = 4321;
    std::string error;
    ASSERT_TRUE(SettingsWriteFile(s, std::string(), &error)) << error;
    EXPECT_TRUE(std::filesystem::is_symlink(home.File("ravlet.ini")));
    EXPECT_EQ(home.Read("real.ini"), SettingsText(s));
    struct stat st {};
    ASSERT_EQ(stat(home.File("real.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(FilesIn(home.path()), 2u) << "a temporary file was left behind";
}

TEST(SettingsFile, ATargetThatIsNoRegularFileIsRefused) {
    test::TempHome home;
    ASSERT_EQ(mkfifo(home.File("fifo.ini").c_str(), 0600), 0);
    std::string error;
    EXPECT_FALSE(SettingsWriteFile(Defaults(), home.File("fifo.ini"), &error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_fifo(home.File("fifo.ini")));
    error.clear();
    EXPECT_FALSE(SettingsWriteFile(Defaults(), "/dev/null", &error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_EQ(FilesIn(home.path()), 1u);
}

TEST(SettingsFile, LoadStartsFromTheDefaultsAndGivesTheDownloadFolderItsSeparator) {
    test::TempHome home;
    const std::pair<std::string, std::string> rows[] = {
        // the file, and the folder read
        {"savedir=/data/downloads", "/data/downloads/"},
        {"savedir=/data/downloads/", "/data/downloads/"},
        {"savedir=relative", "relative/"},
        {"savedir=", home.path() + "/tmp/"},  // empty would be the root: the work folder
        {"scanimg=1", home.path() + "/tmp/"}};
    for (const auto& [file, savedir] : rows) {
        home.Write("ravlet.ini", file + "\r\n");
        Settings s;
        SettingsLoad(s);
        EXPECT_EQ(s.savedir, savedir) << file;
    }
    home.Write("ravlet.ini", "nettimeout=5000\r\n");
    Settings s;
    s.scanimg = true;
    SettingsLoad(s);
    EXPECT_EQ(s.nettimeout, 5000);
    EXPECT_FALSE(s.scanimg);
    EXPECT_EQ(s.settingsFile, home.File("ravlet.ini"));
}

}  // namespace ravlet
