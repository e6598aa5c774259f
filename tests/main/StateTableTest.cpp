// Every command of the main window fired in every State, against what the state table says:
// a command acts only in the states it is allowed in, and a task that runs (a get, a download,
// the filters) ends as it would have ended without the command.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/Settings.h"
#include "filters/FilterCleanup.h"
#include "filters/Refiner.h"
#include "main/Drop.h"
#include "main/MainControls.h"
#include "main/MainFilerHost.h"
#include "main/MainInfoHost.h"
#include "main/MainRefinerHost.h"
#include "support/MainFixture.h"
#include "support/TestHttpServer.h"
#include "tools/frmFiler.h"
#include "tools/frmInfo.h"

namespace ravlet {

namespace {

using Rows = std::vector<std::string>;

// The refiner's logic behind the main window, with a pad of one filter that cuts anchors.
struct LogicRefiner : RefinerHooks {
    explicit LogicRefiner(frmMain& main) : host(main), refiner(host) {
        const int entry = refiner.Pad().AddFilter("Cleanup");
        refiner.Pad().FilterAt(entry)->cleanup.opts = kCleanupCutAnchor;
    }
    void RvCommands_FC(int code) override { refiner.RvCommands_FC(code); }
    void ShowRefiner() override { ++shows; }
    void SetResetList(const Rows& rows) override {
        RefinerHooks::SetResetList(rows);
        refiner.SetResetList(rows);
    }
    MainRefinerHost host;
    Refiner refiner;
    int shows = 0;
};

// A main window with two links to download, a page to get, a list file, an HTML file and a
// local server answering all of them.
struct Scene {
    Scene() {
        f.main->SetDownload(nullptr);  // the window's own download run
        f.main->SetRefiner(&refiner);
        std::filesystem::create_directories(f.home.File("dl"));
        Settings& s = AppSettings();
        s.savedir = f.home.File("dl") + "/";
        s.filenaming = 1;
        s.confirmclose = false;
        s.Auto_CBmonitor = true;
        s.Auto_CBmonitor_GetChange = false;
        f.main->ShowMainWindow();
        // Bodies read in several pieces, serving events.
        const test::TestResponse file =
            test::Typed(std::string(3000, 'x'), "application/octet-stream");
        server.Route("/files/1.bin", file);
        server.Route("/files/2.bin", file);
        server.Route("/files/index.html",
                     test::Page("<a href=p1.html> <a href=p2.html>" + std::string(3000, ' ')));
        f.home.Write("list.wls", "from-file\r\n");
        f.home.Write("page.html", "<a href=from-html.html>");
        f.home.Write("site.map", "### SITEMAP1 INTELLITAMPER\r\nEXTRALINK##from-map\r\n");
        filer.txtRange = "0-3";
        f.main->txtUrl.text = server.Url("/files/index.html");
        f.main->txtUrlBase.clear();
        f.Rows({"2.bin#x", "1.bin"}, {0});
        f.main->ListLinks().Current(0);
        refiner.SetResetList({"reset"});
        f.Clip("c");
        f.main->State(State_ListReady);
    }
    ~Scene() { f.main->SetRefiner(nullptr); }
    // The names in the program folder, or in its download folder.
    std::set<std::string> Files(const std::string& below = "dl") const {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(f.home.File(below)))
            names.insert(e.path().filename().string());
        return names;
    }

    test::MainFixture f;
    LogicRefiner refiner{*f.main};
    test::TestHttpServer server;
    MainFilerHost filerHost{*f.main};
    frmFiler filer{filerHost};
    MainInfoHost infoHost{*f.main};
    frmInfo info{infoHost};
};

// What a user can see of the window and the server.
struct Seen {
    Rows rows;
    std::vector<bool> selected;
    std::string clipboard, base, url, source;
    std::set<std::string> homeFiles;
    int state = 0;
    std::size_t messages = 0;
    int requests = 0;
    int shows = 0;
    bool closed = false;

    explicit Seen(Scene& s)
        : rows(s.f.Rows()),
          clipboard(s.f.ClipText()),
          base(s.f.main->txtUrlBase),
          url(s.f.main->txtUrl.text),
          source(s.f.main->TextHtml),
          homeFiles(s.Files(".")),
          state(s.f.main->State()),
          messages(s.f.ui.messages.size()),
          requests(s.server.Requests()),
          shows(s.refiner.shows),
          closed(s.f.main->Closed()) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            selected.push_back(s.f.main->ListLinks().Selected(i));
    }
    // The list, State, the network and the window's life: what a running task relies on.
    bool SameTask(const Seen& o) const {
        return rows == o.rows && state == o.state && requests == o.requests && closed == o.closed;
    }
    bool Same(const Seen& o) const {
        return SameTask(o) && selected == o.selected && clipboard == o.clipboard &&
               base == o.base && url == o.url && source == o.source && homeFiles == o.homeFiles &&
               messages == o.messages && shows == o.shows;
    }
};

constexpr int kButton = -1;

struct CommandRow {
    const char* name;
    int code;            // its key in the state table; kButton: the refiner's apply button
                         // (3000, in 8 the stop question 3002)
    const char* states;  // the states it acts in, as the window's state table says
    std::function<void(Scene&)> prepare;
    std::function<void(Scene&)> fire;
    bool asksWhenRefused = false;  // the close asks to stop the task instead
};

void Nothing(Scene&) {}

std::function<void(Scene&)> Command(int code) {
    return [code](Scene& s) { s.f.main->RvCommand(code); };
}

const std::vector<CommandRow>& Commands() {
    static const std::vector<CommandRow> rows = {
        {"CopySelected", 1000, "0123456789", Nothing, Command(1000)},
        {"CopyBaseEntry", 1001, "0123456789", Nothing, Command(1001)},
        {"PasteEntry", 1002, "02", Nothing, Command(1002)},
        {"CutSelected", 1003, "02", Nothing, Command(1003)},
        {"DeleteSelected", 1004, "02", Nothing, Command(1004)},
        {"CopyList", 1005, "0123456789", Nothing, Command(1005)},
        {"PasteList", 1006, "02", Nothing, Command(1006)},
        {"ClearAndPaste", 1007, "02", Nothing, Command(1007)},
        {"CutList", 1008, "02", Nothing, Command(1008)},
        {"Clear", 1009, "02", Nothing, Command(1009)},
        {"Paste", 1010, "02", Nothing, Command(1010)},
        {"Sort", 1011, "02", Nothing, Command(1011)},
        {"SelectAll", 1012, "0123456789", Nothing, Command(1012)},
        {"InvertSelection", 1013, "0123456789", Nothing, Command(1013)},
        {"ReUse", 1100, "02", Nothing, Command(1100)},
        {"ApplyBase", 2000, "02", Nothing, Command(2000)},
        {"BuildBase", 2001, "012", Nothing, Command(2001)},
        {"Get", 2002, "02", Nothing, Command(2002)},
        {"GetAndAdd", 2003, "02", Nothing, Command(2003)},
        {"RefinerApply", 3000, "02", Nothing, Command(3000)},
        {"RefinerReset", 3001, "028", Nothing, Command(3001)},
        {"RefinerStopQuestion", 3002, "8", Nothing, Command(3002)},
        {"ShowRefiner", 3003, "0123456789", Nothing, Command(3003)},
        {"RefinerApplyButton", kButton, "028", Nothing,
         [](Scene& s) { s.refiner.refiner.cApply_Click(0); }},
        {"RefinerResetButton", 3001, "028", Nothing,
         [](Scene& s) { s.refiner.refiner.cApply_Click(1); }},
        {"GetButton", Act_GetButton, "02", Nothing, [](Scene& s) { s.f.main->cGo_Click(); }},
        // The scene's rows are the newest step of the undo history.
        {"Undo", Act_Undo, "02", Nothing, [](Scene& s) { s.f.main->Undo(); }},
        {"Drop", Act_Drop, "02", Nothing,
         [](Scene& s) {
             DropData d;
             d.addresses = {"http://d/1", "http://d/2"};
             s.f.main->DropOnWindow(d);
         }},
        {"DownloadStart", Act_DownloadStart, "025", Nothing,
         [](Scene& s) { s.f.main->Download().DownloadButton(0); }},
        {"DownloadPause", Act_DownloadPause, "3", Nothing,
         [](Scene& s) { s.f.main->Download().DownloadButton(1); }},
        {"DownloadStop", Act_DownloadStop, "345", Nothing,
         [](Scene& s) { s.f.main->Download().DownloadButton(2); }},
        {"OpenListfile", Act_OpenListfile, "02",
         [](Scene& s) { s.f.ui.files.push_back(s.f.home.File("list.wls")); },
         [](Scene& s) { s.f.main->OpenListfile(false); }},
        {"AppendListfile", Act_OpenListfile, "02",
         [](Scene& s) { s.f.ui.files.push_back(s.f.home.File("list.wls")); },
         [](Scene& s) { s.f.main->OpenListfile(true); }},
        {"ImportHtmlFile", Act_ImportHtml, "02",
         [](Scene& s) { s.f.ui.files.push_back(s.f.home.File("page.html")); },
         [](Scene& s) { s.f.main->ImportHtmlFile(); }},
        {"ImportClipboard", Act_ImportClipboard, "02", Nothing,
         [](Scene& s) { s.f.main->ImportClipboard(); }},
        {"ClearAll", Act_ClearAll, "02", Nothing, [](Scene& s) { s.f.main->ClearAll(); }},
        {"EditEntry", Act_EditEntry, "02", [](Scene& s) { s.f.ui.inputs.push_back("edited"); },
         [](Scene& s) { s.f.main->EntryEdit(); }},
        {"DragRow", Act_DragRow, "02", Nothing,
         [](Scene& s) {
             s.f.main->ListLinks_MouseDown(0);
             s.f.main->ListLinks_MouseMove(1);
             s.f.main->ListLinks_MouseUp();
         }},
        {"LogListUrls", Act_LogListUrls, "02",
         [](Scene& s) { s.f.main->Log().addMessage("skipping: x - Url: http://h/logged", false); },
         [](Scene& s) { s.f.main->Log().cmdTop_Click(2); }},
        {"ClipboardMonitor", Act_GetButton, "02",
         [](Scene& s) { s.f.Clip("http://127.0.0.1:1/copied"); },
         [](Scene& s) { s.f.main->ClipboardMonitorTick(); }},
        {"ImportSiteMap", Act_ImportMap, "02",
         [](Scene& s) { s.f.ui.files.push_back(s.f.home.File("site.map")); },
         [](Scene& s) { s.f.main->ImportSiteMap(); }},
        {"ExportHtml", Act_ExportHtml, "0123456789",
         [](Scene& s) { s.f.ui.files.push_back(s.f.home.File("export.html")); },
         [](Scene& s) { s.f.main->ExportHtmlFile(); }},
        {"FilerGenerate", Act_FilerGenerate, "02", Nothing,
         [](Scene& s) { s.filer.cApply_Click(0); }},
        {"FilerClear", Act_FilerClear, "02", Nothing, [](Scene& s) { s.filer.cApply_Click(1); }},
        {"InfoApply", Act_InfoApply, "02", [](Scene& s) { s.info.ShowInfo("applied"); },
         [](Scene& s) { s.info.cmd_Click(2); }},
        {"Close", Act_Quit, "02", Nothing, [](Scene& s) { s.f.main->Form_QueryUnload(false); },
         true},
    };
    return rows;
}

// How each State is entered: a task that really runs for 1 (a get), 3 to 7 (a download; the
// state is set while its first link is read) and 8 (the filters); 0, 2 and 9 run nothing.
enum class Task { None, Get, Download, Filter };

Task TaskOf(int state) {
    if (state == State_Busy) return Task::Get;
    if (state >= State_Downloading && state <= State_Stopped) return Task::Download;
    if (state == State_Filtering) return Task::Filter;
    return Task::None;
}

struct Outcome {
    Rows rows;
    std::set<std::string> files;
    int state;
};

// Runs the scene's task and fires the command once while it runs, in state.
Outcome RunScene(Scene& s, int state, const std::function<void()>& atState) {
    bool fired = false;
    auto once = [&](int taskState) {
        return [&, taskState] {
            if (fired || s.f.main->State() != taskState) return;
            fired = true;
            if (taskState != state) s.f.main->State(state);
            atState();
            // The task goes on as it was (a pause or a continue was seen already).
            s.f.main->State(taskState);
        };
    };
    switch (TaskOf(state)) {
        case Task::None:
            s.f.main->State(state);
            fired = true;
            atState();
            break;
        case Task::Get:
            s.f.ui.onServeEvents = once(State_Busy);
            s.f.main->cGo_Click();
            break;
        case Task::Download:
            s.f.ui.onServeEvents = once(State_Downloading);
            s.f.main->Download().DownloadButton(0);
            break;
        case Task::Filter:
            s.f.ui.onServeEvents = once(State_Filtering);
            s.f.main->RvCommand(3000);
            break;
    }
    s.f.ui.onServeEvents = nullptr;
    EXPECT_TRUE(fired) << "the task served no events";
    return {s.f.Rows(), s.Files(), s.f.main->State()};
}

class StateTable : public ::testing::TestWithParam<int> {};

TEST_P(StateTable, EveryCommandActsOnlyWhereTheTableAllowsAndNoTaskIsDisturbed) {
    const int state = GetParam();
    // What the task gives without any command.
    Outcome undisturbed;
    {
        Scene s;
        undisturbed = RunScene(s, state, [] {});
    }
    for (const CommandRow& c : Commands()) {
        SCOPED_TRACE(std::string(c.name) + " in state " + std::to_string(state));
        const bool allowed = std::string(c.states).find(char('0' + state)) != std::string::npos;
        const bool inTable = c.code == kButton ? CommandAllowed(state == 8 ? 3002 : 3000, state)
                                               : CommandAllowed(c.code, state);
        EXPECT_EQ(inTable, allowed) << "the table in the code";
        Scene s;
        bool acted = false, disturbed = false, stoppedQuestion = false, saysBusy = false;
        const Outcome outcome = RunScene(s, state, [&] {
            c.prepare(s);
            const Seen before(s);
            c.fire(s);
            const Seen after(s);
            acted = !after.Same(before);
            disturbed = !after.SameTask(before);
            stoppedQuestion = after.messages > before.messages;
            saysBusy = s.f.main->StatusBar.Caption().rfind("Busy", 0) == 0;
        });
        const bool endedAsAlone = outcome.rows == undisturbed.rows &&
                                  outcome.files == undisturbed.files &&
                                  outcome.state == undisturbed.state;
        if (allowed) {
            EXPECT_TRUE(acted || !endedAsAlone) << "an allowed command acts";
        } else if (c.asksWhenRefused && TaskOf(state) != Task::None) {
            EXPECT_FALSE(disturbed);
            EXPECT_TRUE(stoppedQuestion || saysBusy)
                << "a close during a task asks to stop it, or says why ravlet stays";
            EXPECT_TRUE(endedAsAlone) << "the task ran on";
        } else {
            EXPECT_FALSE(acted) << "a refused command does nothing";
            EXPECT_TRUE(endedAsAlone) << "the task ended as it would have alone";
        }
        EXPECT_FALSE(s.f.main->Closed() && TaskOf(state) != Task::None)
            << "never a close under a running task";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryState, StateTable, ::testing::Range(0, 10),
                         [](const auto& info) { return "State" + std::to_string(info.param); });

}  // namespace

}  // namespace ravlet
