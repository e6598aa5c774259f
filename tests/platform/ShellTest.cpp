#include "platform/Shell.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "support/TempHome.h"

namespace ravlet {
namespace {

TEST(Shell, StartKeepsEveryArgumentWholeAndDoesNotWait) {
    test::TempHome home;
    const std::string out = home.File("args");
    // The program writes its arguments one a line once it runs.
    ASSERT_TRUE(
        ShellStart({"sh", "-c", "printf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0\"", out,
                    "a b", "$HOME", "\"q\"", "--x"}));
    for (int i = 0; i < 500 && !std::filesystem::exists(out); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(test::ReadFile(out), "a b\n$HOME\n\"q\"\n--x\n");
}

TEST(Shell, FileUriEncodesEveryByteButTheSafeOnes) {
    struct Case {
        const char* path;
        const char* uri;
    } cases[] = {{"/home/u/a-b_c.~1/x.bin", "file:///home/u/a-b_c.~1/x.bin"},
                 {"/d/a b.txt", "file:///d/a%20b.txt"},
                 {"/d/it's,\"x\"[1].zip", "file:///d/it%27s%2C%22x%22%5B1%5D.zip"},
                 {"/d/\xC3\xA4%#?.bin", "file:///d/%C3%A4%25%23%3F.bin"}};
    for (const Case& c : cases) EXPECT_EQ(FileUri(c.path), c.uri) << c.path;
}

// Runs a command line that ShellStart was given, to its end, with fake gdbus, dbus-send and
// xdg-open first on the PATH: each writes its name and arguments ("|" after each) to a log
// and answers as fails says.
std::string RunWithFakeDesktop(const test::TempHome& home, std::vector<std::string> argv,
                               const std::string& fails) {
    const std::string bin = home.File("bin");
    std::filesystem::create_directories(bin);
    for (const char* name : {"gdbus", "dbus-send", "xdg-open"}) {
        const std::string file = bin + "/" + name;
        home.Write("bin/" + std::string(name),
                   std::string("#!/bin/sh\nprintf '%s|' ") + name +
                       " \"$@\" >> \"$LOG\"\necho >> \"$LOG\"\ncase \"$FAILS\" in *" + name +
                       "*) exit 1;; esac\n");
        chmod(file.c_str(), 0755);
    }
    std::vector<std::string> env = {"PATH=" + bin + ":/usr/bin:/bin", "LOG=" + home.File("log"),
                                    "FAILS=" + fails};
    std::vector<char*> rawArgs, rawEnv;
    for (std::string& a : argv) rawArgs.push_back(a.data());
    for (std::string& e : env) rawEnv.push_back(e.data());
    rawArgs.push_back(nullptr);
    rawEnv.push_back(nullptr);
    std::remove(home.File("log").c_str());
    pid_t pid = 0;
    if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, rawArgs.data(), rawEnv.data()) != 0)
        return "not started";
    int status = 0;
    waitpid(pid, &status, 0);
    return home.Read("log");
}

TEST(Shell, ShowItemAsksTheFileManagerElseOpensTheFolder) {
    test::TempHome home;
    std::vector<std::string> started;
    SetShellStartRecorder([&](const std::vector<std::string>& argv) {
        started = argv;
        return true;
    });
    EXPECT_TRUE(ShellShowItem(home.File("dl/a b,'c'.bin")));
    SetShellStartRecorder({});
    ASSERT_FALSE(started.empty());
    const std::string uri = FileUri(home.File("dl/a b,'c'.bin"));
    const std::string folder = home.File("dl/");
    const std::string gdbus =
        "gdbus|call|--session|--timeout|10|--dest|org.freedesktop.FileManager1|--object-path|"
        "/org/freedesktop/FileManager1|--method|org.freedesktop.FileManager1.ShowItems|['" +
        uri + "']|''|\n";
    const std::string dbusSend =
        "dbus-send|--session|--print-reply|--reply-timeout=10000|"
        "--dest=org.freedesktop.FileManager1|/org/freedesktop/FileManager1|"
        "org.freedesktop.FileManager1.ShowItems|array:string:" +
        uri + "|string:|\n";
    EXPECT_EQ(RunWithFakeDesktop(home, started, ""), gdbus) << "the file manager shows it";
    EXPECT_EQ(RunWithFakeDesktop(home, started, "gdbus"), gdbus + dbusSend);
    EXPECT_EQ(RunWithFakeDesktop(home, started, "gdbus dbus-send"),
              gdbus + dbusSend + "xdg-open|" + folder + "|\n")
        << "without the service the folder opens";
}

TEST(Shell, FindProgramLooksOnThePathOnly) {
    EXPECT_TRUE(ShellFindProgram("sh"));
    EXPECT_FALSE(ShellFindProgram("no-such-program-of-ravlet"));
    EXPECT_FALSE(ShellFindProgram("/bin/sh"));
    EXPECT_FALSE(ShellFindProgram(""));
}

}  // namespace
}  // namespace ravlet
