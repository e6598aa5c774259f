// The native messaging host: its frames, its answers to what the extension may send, and the
// program itself with the library registered as the integration registers it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Integration.h"
#include "platform/NativeHostManifests.h"
#include "platform/StartProgram.h"
#include "rvbx/ExecComponent.h"
#include "rvbx/Registration.h"
#include "rvbx/RvbxTestSupport.h"
#include "rvbx/host/HostRequest.h"
#include "rvbx/host/NativeMessaging.h"
#include "support/TempHome.h"

namespace ravlet::rvbx {
namespace {

std::string Frame(const std::string& message, std::uint32_t length) {
    std::string frame(4, '\0');
    std::memcpy(frame.data(), &length, 4);
    return frame + message;
}

std::string Frame(const std::string& message) {
    return Frame(message, static_cast<std::uint32_t>(message.size()));
}

FrameStatus ReadFrom(const test::TempHome& home, const std::string& bytes, std::string& message,
                     std::string& problem) {
    home.Write("in", bytes);
    const int fd = open(home.File("in").c_str(), O_RDONLY | O_CLOEXEC);
    const FrameStatus status = ReadNativeMessage(fd, message, problem);
    close(fd);
    return status;
}

TEST(NativeMessaging, FramesAndTheirFaults) {
    struct Row {
        const char* what;
        std::string bytes;
        FrameStatus status;
        std::size_t size;
    };
    const std::string big(50u << 20, 'h');
    const std::vector<Row> rows = {
        {"one message", Frame("{\"a\":1}") + "rest", FrameStatus::Message, 7},
        {"empty input", "", FrameStatus::End, 0},
        {"length cut short", std::string("\x05\x00", 2), FrameStatus::Truncated, 0},
        {"message cut short", Frame("{\"a\"", 10), FrameStatus::Truncated, 4},
        {"4 GB announced", Frame("{}", 0xFFFFFFFFu), FrameStatus::TooLarge, 0},
        {"50 MB of HTML", Frame(big), FrameStatus::Message, big.size()},
    };
    test::TempHome home;
    for (const Row& row : rows) {
        std::string message, problem;
        EXPECT_EQ(ReadFrom(home, row.bytes, message, problem), row.status) << row.what;
        EXPECT_EQ(message.size(), row.size) << row.what;
        EXPECT_EQ(problem.empty(),
                  row.status == FrameStatus::Message || row.status == FrameStatus::End)
            << row.what << ": " << problem;
    }

    std::string problem;
    const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
    EXPECT_FALSE(WriteNativeMessage(devNull, std::string(kMaxOutgoing + 1, 'x'), problem));
    close(devNull);
    const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
    EXPECT_FALSE(WriteNativeMessage(full, "{}", problem));
    EXPECT_NE(problem, "");
    close(full);
}

struct Host {
    test::TempHome home;
    std::shared_ptr<test::RecordingRvbxUi> ui = std::make_shared<test::RecordingRvbxUi>();
    std::vector<std::string> launched;
    ExecComponent exec{ui,
                       [this](const std::string& f, const std::string& p) {
                           launched.push_back(f + " " + p);
                           return 42;
                       },
                       "Firefox"};
    Host() {
        SetProgramStartRecorder(
            [](const std::string&, const std::vector<std::string>&) { return 0; });
        SetIntegration(1);
    }
    ~Host() { SetProgramStartRecorder(nullptr); }
};

const std::string kArgs = test::MenuArgumentsJson("http://h/", "<a href=x>", "<p>").substr(1);

TEST(HostMessages, AnswerWithoutStartingOnBadInput) {
    const struct {
        const char* what;
        std::string message, answer;
    } rows[] = {
        {"not JSON", "caption=x",
         R"j({"ok":false,"error":"The message is no JSON: not JSON at byte 0"})j"},
        {"cut short", R"j({"caption":"&Use ravlet)j",
         R"j({"ok":false,"error":"The message is no JSON: cut short at byte 23"})j"},
        {"not UTF 8", "{\"caption\":\"\xff\"}",
         R"j({"ok":false,"error":"The message is no JSON: a byte that is no UTF-8 at byte 12"})j"},
        {"no caption", "{" + kArgs,
         R"j({"ok":false,"error":"The message names no menu entry (caption)"})j"},
        {"unknown caption", R"j({"caption":"Other",)j" + kArgs,
         R"j({"ok":false,"error":"The menu entry \"Other\" is not installed (ravlet-cli integration on installs it)"})j"},
        {"caption naming a deeper key", R"j({"caption":"&Use ravlet on this Page\\x",)j" + kArgs,
         R"j({"ok":false,"error":"No menu entry is called &Use ravlet on this Page\\x"})j"},
        {"no menu arguments", R"j({"caption":"&Use ravlet on this Page","range":""})j",
         R"j({"ok":false,"error":"438: Object doesn't support this property or method (menuArguments)"})j"},
        {"range no text", R"j({"caption":"&Use ravlet on this Page","range":1,)j" + kArgs,
         R"j({"ok":false,"error":"The message's range is no text"})j"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Host h;
        EXPECT_EQ(HandleHostMessage(row.message, h.exec), row.answer);
        EXPECT_TRUE(h.launched.empty());
        EXPECT_FALSE(std::filesystem::exists(h.home.File("ravlet.l00")));
    }
}

// The host program, started as a browser starts it, with the library that the registration
// tool registered.
class HostProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteRecordingRavlet(home_.path());
        std::string problem;
        ASSERT_TRUE(RegisterComponent(std::string(RAVLET_BUILD_DIR) + "/librvbx.so", problem))
            << problem;
        SetProgramStartRecorder(
            [](const std::string&, const std::vector<std::string>&) { return 0; });
        ASSERT_TRUE(SetIntegration(1));
        SetProgramStartRecorder(nullptr);
    }
    // Runs the host on input; its status, and its answer in *answer.
    int Run(const std::string& input, std::string* answer) {
        home_.Write("host-in", input);
        const std::string command = "'" + std::string(RAVLET_BUILD_DIR) +
                                    "/rvbx-host' chrome-extension://" + kChromiumExtensionId +
                                    "/ <'" + home_.File("host-in") + "' >'" +
                                    home_.File("host-out") + "' 2>/dev/null";
        const int status = std::system(command.c_str());
        const std::string out = home_.Read("host-out");
        *answer = out.size() >= 4 ? out.substr(4) : out;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    test::TempHome home_;
    test::ScopedEnv homeEnv_{"HOME", home_.path()};
    test::ScopedEnv configEnv_{"XDG_CONFIG_HOME", home_.path() + "/config"};
};

TEST_F(HostProgram, HandsTheSelectionToRavletAndAnswers) {
    const std::string manifest = test::ReadFile(
        home_.path() + "/config/chromium/NativeMessagingHosts/" + kNativeHostName + ".json");
    EXPECT_NE(manifest.find("\"path\": \"" + std::string(RAVLET_BUILD_DIR) + "/rvbx-host\""),
              std::string::npos)
        << manifest;
    std::string answer;
    const std::string html = "<a href=\"one.zip\">1</a> <img src=\"two.png\"> \xc3\xa9";
    EXPECT_EQ(Run(Frame(R"j({"caption":"Use ravlet on this &Selection","range":"select",)j" +
                        test::MenuArgumentsJson("http://127.0.0.1/p.html", html, "<p>").substr(1)),
                  &answer),
              0);
    EXPECT_EQ(answer, R"j({"ok":true})j");
    const auto started = test::WaitForStart(home_.path());
    ASSERT_TRUE(started);
    EXPECT_EQ(*started, std::vector<std::string>{"[/u:http://127.0.0.1/p.html/s:ravlet.l00]"});
    EXPECT_EQ(home_.Read("ravlet.l00"), html + "\r\n");
}

TEST_F(HostProgram, AnswersAFaultyFrameAndEnds) {
    std::string answer;
    EXPECT_EQ(Run(Frame("{}", 0xFFFFFFFFu), &answer), 1);
    EXPECT_EQ(answer.rfind(R"j({"ok":false,"error":"rvbx-host: a message of 4294967295 bytes)j", 0),
              0u)
        << answer;
    EXPECT_EQ(Run("", &answer), 0);
    EXPECT_EQ(answer, "");

    std::string problem;
    ASSERT_TRUE(UnregisterComponent(problem)) << problem;
    EXPECT_EQ(Run(Frame(R"j({"caption":"&Use ravlet on this Page"})j"), &answer), 0);
    EXPECT_EQ(answer, R"j({"ok":false,"error":"The component RVBXmenu.Exec is not registered )j"
                      R"j((ravlet-cli integration on registers it)"})j");
    EXPECT_FALSE(std::filesystem::exists(home_.File("started")));
}

// The extension's pinned key gives the id the host manifests allow, and its captions and host
// name are the ones the host knows.
TEST(Extension, KeyCaptionsAndHostMatchTheHost) {
    const std::string folder = std::string(RAVLET_SOURCE_DIR) + "/src/rvbx/extension/";
    const std::string manifest = test::ReadFile(folder + "manifest.json");
    JsonValue json;
    std::string problem;
    ASSERT_TRUE(ParseJson(manifest, json, problem)) << problem;
    ASSERT_TRUE(json.Member("key"));
    const std::string command =
        "printf '%s' '" + json.Member("key")->text + "' | base64 -d | openssl dgst -sha256 -r";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    char hex[65] = {};
    ASSERT_EQ(std::fread(hex, 1, 64, pipe.get()), 64u);
    std::string id;
    for (int i = 0; i < 32; ++i)
        id += static_cast<char>('a' + (hex[i] <= '9' ? hex[i] - '0' : hex[i] - 'a' + 10));
    EXPECT_EQ(id, kChromiumExtensionId);
    EXPECT_NE(manifest.find(kFirefoxExtensionId), std::string::npos);

    const std::string background = test::ReadFile(folder + "background.js");
    for (const std::string& text :
         {std::string(kPageCaption), std::string(kSelectionCaption), std::string(kNativeHostName)})
        EXPECT_NE(background.find("\"" + text + "\""), std::string::npos) << text;
}

}  // namespace
}  // namespace ravlet::rvbx
