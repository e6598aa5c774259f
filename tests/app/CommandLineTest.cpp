#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/LogSink.h"
#include "app/Settings.h"
#include "support/FakeMainWindow.h"
#include "support/ScriptedUi.h"
#include "support/TempHome.h"

namespace ravlet {

namespace {

using Calls = std::vector<std::string>;

// Runs the handler in a fresh program folder with the default settings.
struct Handler {
    test::TempHome home;
    test::FakeMainWindow window;
    std::vector<std::string> log;
    Handler() {
        SettingsSetDefaults(AppSettings());
        SetLogHandler([this](const std::string& text, bool) { log.push_back(text); });
    }
    ~Handler() {
        SetLogHandler(nullptr);
        SettingsSetDefaults(AppSettings());
    }
    Calls Run(const std::string& commandLine) {
        HandleCommandLine(window, commandLine);
        return window.calls;
    }
};

const Calls kSelectionCalls(const std::string& address) {
    return {"txtUrl=" + address, "Task_History_Do", "doTextParse", "Task_Buildbase 0"};
}

}  // namespace

TEST(CommandLine, APlainLineSetsTheAddressAndGets) {
    const std::pair<const char*, const char*> rows[] = {
        // the address field before the get
        {"http://example.com/page.html", "http://example.com/page.html"},
        {"  example.com  ", "example.com"},
        {"http://example.com/ and more words", "http://example.com/"},
        {"   ", ""},
        {"/U:http://example.com//s:ravlet.l00", "/U:http://example.com//s:ravlet.l00"},
        // "/u:" without the selection marker: an address without selection
        {"/u:http://example.com/", "http://example.com/"},
        {"/u:http://example.com/ extra", "http://example.com/"},
        {"/u:", ""},
        // the marker counts only from the fourth character of the address on
        {"/u:ab/s:ravlet.l00", "ab/s:ravlet.l00"}};
    for (const auto& [commandLine, address] : rows) {
        Handler h;
        EXPECT_EQ(h.Run(commandLine), (Calls{std::string("txtUrl=") + address, "cGo_Click"}))
            << commandLine;
        EXPECT_TRUE(h.log.empty()) << commandLine;
    }
}

TEST(CommandLine, HandOverReadsAndDeletesTheSelectionFile) {
    Handler h;
    test::ScriptedUi ui;
    h.home.Write("ravlet.l00", "<a href=\"a.html\">a</a>\r\n<img src=\"b.png\">");
    EXPECT_EQ(h.Run("/u:http://example.com/dir/page.html/s:ravlet.l00"),
              kSelectionCalls("http://example.com/dir/page.html"));
    EXPECT_EQ(h.window.parsed, "<a href=\"a.html\">a</a>\r\n<img src=\"b.png\">\r\n");
    EXPECT_FALSE(std::filesystem::exists(h.home.File("ravlet.l00")));
    EXPECT_FALSE(ui.busy());
    EXPECT_GE(ui.serveCount, 2);
}

TEST(CommandLine, HandOverWithReRouteAutoHandsTheListOn) {
    Handler h;
    AppSettings().ReRouteAuto = true;
    AppSettings().Auto_BuildBase = 2;
    h.home.Write("ravlet.l07", "x");
    EXPECT_EQ(h.Run("/u:http://a.example/b/s:ravlet.l07"),
              (Calls{"txtUrl=http://a.example/b", "Task_History_Do", "doTextParse",
                     "Task_Buildbase 2", "Task_ReRoute_Default"}));
}

TEST(SelectionFile, EveryLineEndsInCrLf) {
    test::TempHome home;
    using P = std::pair<const char*, const char*>;  // the file, and the text read
    for (const auto& [bytes, parsed] :
         {P{"", ""}, P{"one", "one\r\n"}, P{"one\r\n", "one\r\n"},
          P{"one\r\ntwo", "one\r\ntwo\r\n"}, P{"one\rtwo\r", "one\r\ntwo\r\n"},
          P{"one\ntwo\n", "one\r\ntwo\r\n"}, P{"a\r\n\r\nb", "a\r\n\r\nb\r\n"}}) {
        home.Write("ravlet.l00", bytes);
        std::string text = "stale";
        ASSERT_TRUE(ReadSelectionFile(home.File("ravlet.l00"), text));
        EXPECT_EQ(text, parsed) << bytes;
    }
}

TEST(CommandLine, AMissingSelectionFileIsAnEmptySelectionWithALogLine) {
    Handler h;
    EXPECT_EQ(h.Run("/u:http://example.com//s:ravlet.l00"), kSelectionCalls("http://example.com/"));
    EXPECT_EQ(h.window.parsed, "");
    ASSERT_EQ(h.log.size(), 1u);
    EXPECT_NE(h.log[0].find("ravlet.l00"), std::string::npos) << h.log[0];
}

TEST(CommandLine, CraftedSelectionNamesAreRefusedAndNothingIsTouched) {
    for (const char* name : {"ravlet.l/../victim", "ravlet.l..", "ravlet.l\\x", "ravlet.l/00"}) {
        Handler h;
        std::filesystem::create_directories(h.home.File("ravlet.l"));
        const char* const files[] = {"victim", "ravlet.l..", "ravlet.l/00"};
        for (const char* file : files) h.home.Write(file, "secret");
        EXPECT_EQ(h.Run(std::string("/u:http://example.com/p/s:") + name),
                  kSelectionCalls("http://example.com/p"))
            << name;
        EXPECT_EQ(h.window.parsed, "") << name;
        for (const char* file : files) EXPECT_EQ(h.home.Read(file), "secret") << name;
        EXPECT_EQ(h.log.size(), 1u) << name;
    }
}

TEST(CommandLine, ProcessArgumentsAreJoinedByBlanks) {
    const char* argv[] = {"ravlet", "http://example.com/", "more"};
    EXPECT_EQ(ProcessCommandLine(3, argv), "http://example.com/ more");
    EXPECT_EQ(ProcessCommandLine(1, argv), "");
}

}  // namespace ravlet
