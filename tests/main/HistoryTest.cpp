#include "main/History.h"

#include <gtest/gtest.h>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "support/MainFixture.h"

namespace ravlet {

namespace {
using Items = std::vector<std::string>;
}

// An item put at the front of the box's list: there once, and the box's text.
TEST(HistoryMove, PutsTheItemFirstOnce) {
    const struct {
        const char* name;
        Items before;
        const char* item;
        Items after;
    } cases[] = {
        {"New", {"b", "c"}, "a", {"a", "b", "c"}},
        {"AlreadyFirst", {"a", "b"}, "a", {"a", "b"}},
        {"FromTheMiddle", {"b", "a", "c"}, "a", {"a", "b", "c"}},
        {"EveryCopyRemoved", {"a", "b", "a"}, "a", {"a", "b"}},
        {"LetterCaseCounts", {"http://X/"}, "http://x/", {"http://x/", "http://X/"}},
        {"Empty", {}, "", {""}},
    };
    for (const auto& c : cases) {
        ComboBox box;
        box.items = c.before;
        HistoryMoveToFront(box, c.item);
        EXPECT_EQ(box.items, c.after) << c.name;
        EXPECT_EQ(box.text, c.item) << c.name;
    }
}

TEST(HistoryFile, MissingOrEmptyFilesLeaveTheBoxEmpty) {
    test::TempHome home;
    ComboBox box;
    EXPECT_FALSE(HistoryLoad(home.File("missing.hst"), box));
    home.Write("empty.hst", "");
    EXPECT_FALSE(HistoryLoad(home.File("empty.hst"), box));
    EXPECT_TRUE(box.items.empty());
}

TEST(HistoryFile, ReadsAnyLineEndsGarbageAndLongLines) {
    test::TempHome home;
    const std::string longLine(200000, 'q');
    home.Write("g.hst", "a\rb\nc\r\n" + std::string("\x01\xfe\x00z", 4) + "\r\n" + longLine);
    ComboBox box;
    ASSERT_TRUE(HistoryLoad(home.File("g.hst"), box));
    EXPECT_EQ(box.items, (Items{"a", "b", "c", std::string("\x01\xfe\x00z", 4), longLine}));
    EXPECT_TRUE(box.enabled);
}

TEST(HistoryFile, AFileTooBigToBeAHistoryIsNotRead) {
    test::TempHome home;
    std::vector<std::string> log;
    SetLogHandler([&](const std::string& t, bool) { log.push_back(t); });
    home.Write("big.hst", std::string(17 * 1024 * 1024, 'x'));
    ComboBox box;
    EXPECT_FALSE(HistoryLoad(home.File("big.hst"), box));
    SetLogHandler(nullptr);
    EXPECT_TRUE(box.items.empty());
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("History file too big"), std::string::npos);
}

TEST(HistoryTask, RecordsAddressAndFolderMostRecentFirst) {
    test::MainFixture f;
    f.main->dirText.text = " /data/dl/ ";
    for (const char* address : {"http://a/", "  http://b/ ", "http://a/"}) {
        f.main->txtUrl.text = address;
        f.main->Task_History_Do();
    }
    EXPECT_EQ(f.main->txtUrl.items, (Items{"http://a/", "http://b/"}));
    EXPECT_EQ(f.home.Read("ravlet.hst"), "http://a/\r\nhttp://b/\r\n");
    EXPECT_EQ(f.home.Read("ravlet.dir.hst"), "/data/dl/\r\n");
}

TEST(HistoryTask, SkipsAnEmptyAddressAndABareScheme) {
    test::MainFixture f;
    for (const char* address : {"", "   ", "http://", " http://"}) {
        f.main->txtUrl.text = address;
        f.main->Task_History_Do();
    }
    EXPECT_TRUE(f.main->txtUrl.items.empty());
    EXPECT_EQ(f.home.Read("ravlet.hst"), "");
    EXPECT_EQ(f.home.Read("ravlet.dir.hst"), "\r\n") << "folders have no emptiness check";
}

TEST(HistoryTask, TheWindowLoadRestoresBothHistories) {
    test::MainFixture f;
    f.home.Write("ravlet.hst", "http://new/\r\nhttp://old/\r\n");
    f.home.Write("ravlet.dir.hst", "/x/\r\n/y/\r\n");
    f.main->ShowMainWindow();
    EXPECT_EQ(f.main->txtUrl.items, (Items{"http://new/", "http://old/"}));
    EXPECT_EQ(f.main->dirText.items, (Items{"/x/", "/y/"}));
}

TEST(HistoryTask, AnUnwritableHistoryIsLogged) {
    test::MainFixture f;
    AppSettings().historyFile = f.home.File("missing-dir/ravlet.hst");
    f.main->txtUrl.text = "http://a/";
    f.main->Task_History_Do();
    ASSERT_EQ(f.log.size(), 1u);
    EXPECT_NE(f.log[0].find("missing-dir/ravlet.hst"), std::string::npos);
}

}  // namespace ravlet
