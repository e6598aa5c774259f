#include "platform/Registry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/TempHome.h"

namespace ravlet {
namespace {

using test::TempHome;

const std::string kMenuExt = "Software\\Microsoft\\Internet Explorer\\MenuExt";

RegValue Text(const std::string& s) {
    return {RegType::Text, s};
}

TEST(Registry, ValuesOfEveryTypeComeBackByteForByteFromTheFile) {
    TempHome home;
    const std::vector<std::pair<std::string, RegValue>> values = {
        {"", Text("/opt/ravlet/rvbx.iemenu.htm")},
        {"Contexts", {RegType::Binary, std::string(1, '\x32')}},
        {"Quoted \"name\" [x] 100%", Text("a\"b\\c%d]e\r\nf\tg")},
        {"nul", {RegType::Binary, std::string("\0\x7f\xff", 3)}},
        {"utf8", Text("caf\xc3\xa9 \xe2\x82\xac")},
        {"count", {RegType::Dword, std::string("\x01\x02\x00\x80", 4)}},
        {"empty", Text("")}};
    const std::string key = kMenuExt + "\\&Use ravlet on this Page";
    {
        Registry reg;
        ASSERT_TRUE(reg.CreateKey(RegHive::CurrentUser, key)) << reg.LastError();
        for (const auto& [name, value] : values)
            ASSERT_TRUE(reg.SetValue(RegHive::CurrentUser, key, name, value)) << name;
    }
    EXPECT_EQ(Registry().File(), home.File("ravlet.reg"));
    Registry reread(home.File("ravlet.reg"));
    std::vector<std::string> names;
    for (const auto& [name, value] : values) {
        const auto got = reread.QueryValue(RegHive::CurrentUser, key, name);
        ASSERT_TRUE(got.has_value()) << name;
        EXPECT_EQ(*got, value) << name;
        names.push_back(name);
    }
    EXPECT_EQ(reread.ValueNames(RegHive::CurrentUser, key), names);
    EXPECT_FALSE(reread.QueryValue(RegHive::LocalMachine, key, "").has_value());
    EXPECT_FALSE(reread.QueryValue(RegHive::CurrentUser, key, "missing").has_value());
}

TEST(Registry, KeysAreFoundWithoutRegardToCaseAndKeepTheirOwn) {
    TempHome home;
    Registry reg;
    ASSERT_TRUE(reg.CreateKey(RegHive::LocalMachine, "\\Software\\Millweed\\WackGet\\"));
    ASSERT_TRUE(reg.SetValue(RegHive::LocalMachine, "software\\MILLWEED\\wackget", "",
                             Text("/opt/wackget")));
    EXPECT_TRUE(reg.KeyExists(RegHive::LocalMachine, "SOFTWARE\\millweed"));
    EXPECT_FALSE(reg.KeyExists(RegHive::CurrentUser, "Software\\Millweed\\WackGet"));
    EXPECT_EQ(reg.SubKeys(RegHive::LocalMachine, "software\\millweed"),
              std::vector<std::string>{"WackGet"});
    EXPECT_EQ(reg.QueryValue(RegHive::LocalMachine, "Software\\Millweed\\WackGet", "")->data,
              "/opt/wackget");
    EXPECT_FALSE(reg.SetValue(RegHive::CurrentUser, "Software\\Nowhere", "x", Text("y")));
}

TEST(Registry, DeleteRemovesOnlyALeafThatExistsAndLeavesTheFileAloneOtherwise) {
    TempHome home;
    Registry reg;
    ASSERT_TRUE(reg.CreateKey(RegHive::CurrentUser, kMenuExt + "\\Use ravlet on this &Selection"));
    ASSERT_TRUE(reg.CreateKey(RegHive::CurrentUser, kMenuExt + "\\&Use ravlet on this Page"));
    const std::string before = home.Read("ravlet.reg");

    EXPECT_FALSE(reg.DeleteKey(RegHive::CurrentUser, kMenuExt, "absent"));
    EXPECT_FALSE(reg.DeleteKey(RegHive::CurrentUser, "Software\\Microsoft", "Internet Explorer"));
    EXPECT_FALSE(reg.DeleteKey(RegHive::CurrentUser, kMenuExt, ""));
    EXPECT_EQ(home.Read("ravlet.reg"), before);

    EXPECT_TRUE(reg.DeleteKey(RegHive::CurrentUser, kMenuExt, "&use RAVLET on this page"));
    EXPECT_EQ(reg.SubKeys(RegHive::CurrentUser, kMenuExt),
              std::vector<std::string>{"Use ravlet on this &Selection"});
    EXPECT_FALSE(reg.DeleteKey(RegHive::CurrentUser, kMenuExt, "&Use ravlet on this Page"));
}

TEST(Registry, LinesWrittenByHandSurviveAChange) {
    TempHome home;
    home.Write("ravlet.reg",
               "; kept by hand\r\n"
               "[HKEY_CURRENT_USER\\Software\\A]\r\n"
               "\"ok\"=text:\"1\"\r\n"
               "\"bad escape\"=text:\"%zz\"\r\n"
               "garbage line\r\n"
               "[NOT_A_HIVE\\X]\r\n");
    Registry reg;
    ASSERT_TRUE(reg.SetValue(RegHive::CurrentUser, "Software\\A", "new", Text("2")));
    const std::string after = home.Read("ravlet.reg");
    for (const char* kept :
         {"; kept by hand", "\"bad escape\"=text:\"%zz\"", "garbage line", "[NOT_A_HIVE\\X]"}) {
        EXPECT_NE(after.find(kept), std::string::npos) << kept;
    }
    EXPECT_EQ(reg.QueryValue(RegHive::CurrentUser, "Software\\A", "ok")->data, "1");
    EXPECT_EQ(reg.QueryValue(RegHive::CurrentUser, "Software\\A", "new")->data, "2");
    EXPECT_FALSE(reg.QueryValue(RegHive::CurrentUser, "Software\\A", "bad escape").has_value());
}

TEST(Registry, AStoreThatCannotBeReadOrWrittenFailsWithAReasonAndChangesNothing) {
    TempHome home;
    ASSERT_EQ(mkdir(home.File("ravlet.reg").c_str(), 0755), 0);
    Registry reg;
    EXPECT_FALSE(reg.CreateKey(RegHive::CurrentUser, "Software\\A"));
    EXPECT_NE(reg.LastError().find("not a regular file"), std::string::npos) << reg.LastError();
    EXPECT_FALSE(reg.KeyExists(RegHive::CurrentUser, "Software"));

    Registry nowhere(home.File("no-such-folder/ravlet.reg"));
    EXPECT_FALSE(nowhere.CreateKey(RegHive::CurrentUser, "Software\\A"));
    EXPECT_FALSE(nowhere.LastError().empty());
    EXPECT_FALSE(nowhere.KeyExists(RegHive::CurrentUser, "Software\\A"));
}

// Two processes adding keys at once: the lock keeps either from writing back a store that
// misses the other's keys.
TEST(Registry, ConcurrentWritersLoseNothing) {
    TempHome home;
    constexpr int kEach = 40;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    const std::string who = child == 0 ? "child" : "parent";
    {
        Registry reg;
        for (int i = 0; i < kEach; ++i)
            reg.CreateKey(RegHive::CurrentUser, who + "\\" + std::to_string(i));
    }
    if (child == 0) _exit(0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    Registry reg;
    EXPECT_EQ(reg.SubKeys(RegHive::CurrentUser, "child").size(), std::size_t{kEach});
    EXPECT_EQ(reg.SubKeys(RegHive::CurrentUser, "parent").size(), std::size_t{kEach});
}

}  // namespace
}  // namespace ravlet
