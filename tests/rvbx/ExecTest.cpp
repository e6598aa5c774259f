// The component "RVBXmenu.Exec" against stand-ins of the browser's objects.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/StartProgram.h"
#include "rvbx/ExecComponent.h"
#include "rvbx/FrmInfo.h"
#include "rvbx/RvbxTestSupport.h"
#include "rvbx/ScriptFolder.h"
#include "support/FileSizeLimit.h"
#include "support/TempHome.h"

namespace ravlet::rvbx {
namespace {

namespace fs = std::filesystem;

const char kPage[] = "http://127.0.0.1/a b/page.html";

struct Launch {
    std::string file, params;
    bool operator==(const Launch&) const = default;
};

struct Component {
    test::TempHome home;
    std::shared_ptr<test::RecordingRvbxUi> ui = std::make_shared<test::RecordingRvbxUi>();
    std::vector<Launch> launches;
    int answer = 42;
    ExecComponent exec{ui,
                       [this](const std::string& f, const std::string& p) {
                           launches.push_back({f, p});
                           return answer;
                       },
                       "Chromium"};
    bool Menu(const std::string& range, const std::string& html,
              const std::optional<std::string>& element, BrowserError& error) {
        return exec.Exec2(test::BrowserJson(test::MenuArgumentsJson(kPage, html, element)),
                          test::ScriptWindowAt(home.File("rvbx.iemenu2.htm")), range, error);
    }
};

TEST(Exec2, EntriesStartRavletOfTheScriptsFolder) {
    const std::string handOver = std::string("/u:") + kPage + "/s:ravlet.l00";
    const struct {
        const char* what;
        std::string range, html;
        std::optional<std::string> element;
        std::string params;                    // what ravlet is started with
        std::optional<std::string> selection;  // ravlet.l00 afterwards
        bool notified;                         // the empty-selection message
    } rows[] = {
        {"page entry keeps blanks", "", "<b>x</b>", "<p>", kPage, std::nullopt, false},
        {"Select in other case is the page entry", "Select", "<b>x</b>", "<p>", kPage, std::nullopt,
         false},
        {"selection entry", "select", "<a href=\"x.zip\">x</a>\n<i>y</i>", "<p>", handOver,
         "<a href=\"x.zip\">x</a>\n<i>y</i>\r\n", false},
        {"empty selection sends the element", "select", "", "<p id=\"e\">e</p>", handOver,
         "<p id=\"e\">e</p>\r\n", false},
        {"empty selection without element", "select", "", std::nullopt, handOver, "\r\n", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Component c;
        c.exec.DebugMode(1);
        BrowserError error;
        ASSERT_TRUE(c.Menu(row.range, row.html, row.element, error)) << error.description;
        EXPECT_EQ(c.launches, (std::vector<Launch>{{c.home.File("ravlet"), row.params}}));
        if (row.selection)
            EXPECT_EQ(c.home.Read("ravlet.l00"), *row.selection);
        else
            EXPECT_FALSE(fs::exists(c.home.File("ravlet.l00")));
        EXPECT_EQ(c.exec.DebugMode(), 0);
        if (row.notified) {
            ASSERT_EQ(c.ui->messages.size(), 1u);
            EXPECT_EQ(c.ui->messages[0].text,
                      "Please notify the developer about this error:\r\n91:Object variable or "
                      "With block variable not set\r\nin RVBXmenu.Exec/range=source;"
                      "emptysourcehandler");
        } else {
            EXPECT_TRUE(c.ui->messages.empty());
        }
    }
}

TEST(Exec2, AFieldThePageDidNotSendIsTheErrorOfTheCallAndStartsNothing) {
    Component c;
    for (const char* json :
         {R"({"menuArguments":{"event":{"clientX":1},"document":{},"location":{"href":"x"}}})",
          R"({"menuArguments":{"event":{"clientX":1,"clientY":2},"document":{"elementFromPoint":)"
          R"(null,"selection":{}},"location":{"href":"x"}}})",
          R"({"menuArguments":{"event":null}})", "[]"}) {
        BrowserError error;
        EXPECT_FALSE(c.exec.Exec2(test::BrowserJson(json),
                                  test::ScriptWindowAt(c.home.File("s.htm")), "select", error))
            << json;
        EXPECT_TRUE(error.number == 438 || error.number == 91) << json << " " << error.number;
    }
    EXPECT_TRUE(c.launches.empty());
    EXPECT_FALSE(fs::exists(c.home.File("ravlet.l00")));
}

TEST(Exec2, AnAddressRavletWouldReadAsAHandOverIsNotHandedOn) {
    for (const std::string range : {"", "select"}) {
        Component c;
        BrowserError error;
        const std::string page =
            range.empty() ? "/u:http://h//s:ravlet.l00" : "http://h/x/s:ravlet.l7";
        ASSERT_TRUE(c.exec.Exec2(test::BrowserJson(test::MenuArgumentsJson(page, "<a>", "<p>")),
                                 test::ScriptWindowAt(c.home.File("s.htm")), range, error));
        EXPECT_TRUE(c.launches.empty()) << range;
        EXPECT_NE(c.exec.LastFailure(), "") << range;
        EXPECT_FALSE(fs::exists(c.home.File("ravlet.l00"))) << range;
    }
}

TEST(ScriptFolder, AddressesDecodeOrAreRefused) {
    const struct {
        const char* what;
        std::string href;
        std::optional<std::string> folder;  // nullopt: refused
    } rows[] = {
        {"percent 20 and plus are blanks", "file:///opt/rav%20let/c+d/x.htm", "/opt/rav let/c d/"},
        {"percent 41 is A", "file:///opt/%41b/x.htm", "/opt/Ab/"},
        {"a decoded percent starts nothing", "file:///opt/%2541/x.htm", "/opt/%41/"},
        {"percent without hex digits stays", "file:///opt/a%zz%/%4/x.htm", "/opt/a%zz%/%4/"},
        {"percent at the end", "file:///opt/x/a%", "/opt/x/"},
        {"percent 00 refused", "file:///opt/a%00b/x.htm", std::nullopt},
        {"encoded dot dot refused", "file:///opt/%2e%2E/etc/x.htm", std::nullopt},
        {"dot dot refused", "file:///opt/../x.htm", std::nullopt},
        {"no file address refused", "http://h/opt/x.htm", std::nullopt},
        {"relative path refused", "file://opt/x.htm", std::nullopt}};
    for (const auto& row : rows) {
        std::string folder, problem;
        const bool decoded = ScriptFolder(row.href, folder, problem);
        EXPECT_EQ(decoded ? std::optional(folder) : std::nullopt, row.folder)
            << row.what << ": " << problem;
    }
}

TEST(ScriptFolder, AFileAddressGivesItsFolderBack) {
    const std::string path = "/tmp/a b+c%41/100%/\xc3\xa9/rvbx.iemenu.htm";
    std::string folder, problem;
    ASSERT_TRUE(ScriptFolder(FileAddress(path), folder, problem)) << problem;
    EXPECT_EQ(folder, "/tmp/a b+c%41/100%/\xc3\xa9/");
    EXPECT_EQ(DecodeScriptAddress("file:///x/a%"), "/x/a%");
}

TEST(ExecExtLNL, AHandOverNotYetReadKeepsItsFileAndTheNextNameIsUsed) {
    Component c;
    c.home.Write("ravlet.l00", "earlier\r\n");
    fs::create_directory(c.home.File("ravlet.l01"));
    c.exec.ExecExtLNL(c.home.path(), "ravlet", "http://h/", "<a href=y>");
    EXPECT_EQ(c.home.Read("ravlet.l00"), "earlier\r\n");
    EXPECT_EQ(c.home.Read("ravlet.l02"), "<a href=y>\r\n");
    EXPECT_EQ(c.launches,
              (std::vector<Launch>{{c.home.path() + "ravlet", "/u:http://h//s:ravlet.l02"}}));
}

TEST(ExecExtLNL, WhenNoSelectionFileCanBeWrittenNothingStartsAndTheFailureIsSaid) {
    // All 100 names taken in the program folder, a folder that is missing, a file.
    for (const std::string folder : {"", "/missing", "/f"}) {
        SCOPED_TRACE(folder);
        Component c;
        c.home.Write("f", "x");
        for (int i = 0; i < 100 && folder.empty(); ++i)
            fs::create_directory(
                c.home.File("ravlet.l" + std::to_string(i / 10) + std::to_string(i % 10)));
        c.exec.DebugMode(1);
        c.exec.ExecExtLNL(c.home.path() + folder, "ravlet", "http://h/", "<a>");
        EXPECT_TRUE(c.launches.empty());
        EXPECT_NE(c.exec.LastFailure(), "");
        ASSERT_EQ(c.ui->messages.size(), 1u);
        EXPECT_EQ(c.ui->messages[0].title, "Chromium");
        EXPECT_NE(c.ui->messages[0].text.find("\r\nravlet"), std::string::npos)
            << c.ui->messages[0].text;
    }
}

TEST(ExecExtLNL, AFileThatCannotBeWrittenWholeIsRemoved) {
    Component c;
    const std::string data(100000, 'x');
    {
        const test::FileSizeLimit full(1000);
        c.exec.ExecExtLNL(c.home.path(), "ravlet", "http://h/", data);
    }
    EXPECT_TRUE(c.launches.empty());
    EXPECT_FALSE(fs::exists(c.home.File("ravlet.l00")));
    EXPECT_NE(c.exec.LastFailure().find("ravlet.l00"), std::string::npos) << c.exec.LastFailure();
}

TEST(ExecFailures, AreShownOnlyInDebugMode) {
    const std::pair<int, std::string> rows[] = {
        {2, "File not found"},
        {3, "Path not found"},
        {5, "Access denied"},
        {8, "Out of memory"},
        {0, "A not more specific Error lead not to execute."},
        {32, "A not more specific Error lead not to execute."}};
    for (const auto& [code, text] : rows)
        for (const int debug : {0, 1}) {
            SCOPED_TRACE(code);
            Component c;
            c.answer = code;
            c.exec.DebugMode(debug);
            c.exec.Exec("/opt/x/prog", "arg");
            c.exec.ExecExtLNL(c.home.path(), "ravlet", "http://h/", "<a>");
            EXPECT_EQ(c.exec.LastFailure(), text + ": ravlet");
            if (debug == 0) {
                EXPECT_TRUE(c.ui->messages.empty());
                continue;
            }
            ASSERT_EQ(c.ui->messages.size(), 2u);
            EXPECT_EQ(c.ui->messages[0].text, text + "\r\n/opt/x/prog");
            EXPECT_EQ(c.ui->messages[1].text, text + "\r\nravlet");
            EXPECT_EQ(c.ui->messages[1].title, "Chromium");
            EXPECT_TRUE(c.ui->messages[1].errorIcon);
        }
}

TEST(ShellExecuteOpen, StartsAProgramWithOneArgumentOrSaysWhyNot) {
    test::TempHome home;
    test::WriteRecordingRavlet(home.path());
    EXPECT_GT(ShellExecuteOpen(home.File("ravlet"), "http://h/a b c"), 32);
    const auto started = test::WaitForStart(home.path());
    ASSERT_TRUE(started);
    EXPECT_EQ(*started, std::vector<std::string>{"[http://h/a b c]"});
    EXPECT_EQ(ShellExecuteOpen(home.File("none"), "x"), 2);
    EXPECT_EQ(ShellExecuteOpen(home.File("no/none"), "x"), 3);
}

TEST(ExecInfo, LineEndsAreNormalisedForTheWindowAndTheCaller) {
    using P = std::pair<std::string, std::string>;  // the text, and as it is shown and given back
    for (const auto& [in, out] :
         {P{"a\r\nb", "a\r\nb"}, P{"a\nb\rc", "a\r\nb\r\nc"}, P{"a\n\rb", "a\r\n\r\nb"},
          P{"a\r\n\nb\r", "a\r\n\r\nb\r\n"}, P{"", ""}}) {
        Component c;
        std::string text = in;
        c.exec.Info(text);
        EXPECT_EQ(text, out);
        ASSERT_EQ(c.ui->infos.size(), 1u);
        EXPECT_EQ(c.ui->infos[0], out);
    }
    EXPECT_EQ(FrmInfoLabel("", 0, 1, 3), " Version 0.1.3");
    const InfoRect r = InfoTextArea(500, 300, 8, 26);
    EXPECT_EQ(std::vector<int>({r.left, r.top, r.width, r.height}),
              std::vector<int>({8, 26, 484, 266}));
    EXPECT_EQ(InfoTextArea(10, 20, 8, 26).height, 0);
}

}  // namespace
}  // namespace ravlet::rvbx
